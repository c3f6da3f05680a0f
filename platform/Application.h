#pragma once
// The application-wide services that every window reaches: the title, the
// default error handler, help by context number and the main form's score hints.
// Windows and dialogs call these functions; start-up (and tests) install the
// handlers.

#include <QString>

#include <exception>
#include <functional>
#include <string>

namespace Application {

inline const QString Title = QStringLiteral("Tolmir");

// The default error handler: shows the exception's text in an error box with
// the title as caption. Tests replace it to record the texts instead.
using ExceptionHandler = std::function<void(const std::exception_ptr&)>;
void SetExceptionHandler(ExceptionHandler AHandler);
void HandleException(const std::exception_ptr& AError);
std::string ExceptionText(const std::exception_ptr& AError);
void ShowErrorBox(const QString& AText);

// Runs AAction and hands any exception to the default handler, so that no
// exception crosses Qt's own code. Every event handler that Qt calls uses it.
template <typename Action> void Guarded(Action&& AAction) noexcept {
    try {
        AAction();
    } catch (...) {
        HandleException(std::current_exception());
    }
}

// Shows the help topic of a context number; does nothing until a handler is set.
using HelpHandler = std::function<void(int)>;
void SetHelpHandler(HelpHandler AHandler);
void ShowHelpContext(int AContext);

// The main form's DrawScoreHints, which every dialog asks for when it is destroyed.
using ScoreHintsHandler = std::function<void()>;
void SetScoreHintsHandler(ScoreHintsHandler AHandler);
void DrawMainFormScoreHints();

} // namespace Application
