#pragma once
// A window test that reaches the application's default error handler never
// waits on a modal error box: while a guard lives, the handler records the text
// and, unless the test expects refusals (Record), marks the running test as failed.

#include "platform/Application.h"

#include <QTest>

#include <string>
#include <vector>

class TErrorBoxGuard {
public:
    enum TMode { Fail, Record };

    explicit TErrorBoxGuard(TMode AMode = Fail) {
        Application::SetExceptionHandler([this, AMode](const std::exception_ptr& AError) {
            FTexts.push_back(Application::ExceptionText(AError));
            if (AMode == Fail) {
                const std::string failure = "an error box would show: " + FTexts.back();
                QTest::qFail(failure.c_str(), __FILE__, __LINE__);
            }
        });
    }
    ~TErrorBoxGuard() { Application::SetExceptionHandler({}); }
    TErrorBoxGuard(const TErrorBoxGuard&) = delete;
    TErrorBoxGuard& operator=(const TErrorBoxGuard&) = delete;

    // Every text the handler was given.
    const std::vector<std::string>& Texts() const { return FTexts; }
    void Clear() { FTexts.clear(); }

private:
    std::vector<std::string> FTexts;
};
