#pragma once
// A window test that reaches the application's default error handler fails at
// once instead of waiting on a modal error box: while a guard lives, the
// handler records the text and marks the running test as failed.

#include "Application.h"

#include <QTest>

#include <string>
#include <vector>

class TErrorBoxGuard {
public:
    TErrorBoxGuard() {
        Application::SetExceptionHandler([this](const std::exception_ptr& AError) {
            FTexts.push_back(Application::ExceptionText(AError));
            const std::string failure = "an error box would show: " + FTexts.back();
            QTest::qFail(failure.c_str(), __FILE__, __LINE__);
        });
    }
    ~TErrorBoxGuard() { Application::SetExceptionHandler({}); }
    TErrorBoxGuard(const TErrorBoxGuard&) = delete;
    TErrorBoxGuard& operator=(const TErrorBoxGuard&) = delete;

    // Every text the handler was given.
    const std::vector<std::string>& Texts() const { return FTexts; }

private:
    std::vector<std::string> FTexts;
};
