#include "platform/Application.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace Application {
namespace {

ExceptionHandler g_exceptionHandler;
HelpHandler g_helpHandler;
ScoreHintsHandler g_scoreHintsHandler;

} // namespace

void SetExceptionHandler(ExceptionHandler AHandler) {
    g_exceptionHandler = std::move(AHandler);
}

std::string ExceptionText(const std::exception_ptr& AError) {
    try {
        std::rethrow_exception(AError);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return QCoreApplication::translate("Application", "Unknown error").toStdString();
    }
}

void ShowErrorBox(const QString& AText) {
    QMessageBox box(QMessageBox::Critical, Title, AText, QMessageBox::Ok);
    box.exec();
}

void HandleException(const std::exception_ptr& AError) {
    if (g_exceptionHandler) {
        g_exceptionHandler(AError);
        return;
    }
    ShowErrorBox(QString::fromStdString(ExceptionText(AError)));
}

void SetHelpHandler(HelpHandler AHandler) {
    g_helpHandler = std::move(AHandler);
}

void ShowHelpContext(int AContext) {
    if (g_helpHandler) {
        g_helpHandler(AContext);
    }
}

void SetScoreHintsHandler(ScoreHintsHandler AHandler) {
    g_scoreHintsHandler = std::move(AHandler);
}

void DrawMainFormScoreHints() {
    if (g_scoreHintsHandler) {
        g_scoreHintsHandler();
    }
}

} // namespace Application
