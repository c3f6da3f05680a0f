// Start-up: the main window is built (and takes the stored dice look), the
// splash screen shows alone for two seconds while the high-score dialog is
// created, then the message loop shows the main window.

#include "Application.h"
#include "HelpViewer.h"
#include "StorageErrors.h"
#include "uHighScores.h"
#include "uMain.h"
#include "uSplash.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include <chrono>
#include <memory>
#include <thread>

namespace {

constexpr std::chrono::milliseconds kSplashTime{2000};

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

} // namespace

int main(int argc, char* argv[]) {
    // The layout is in pixels and is never scaled.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(Application::Title);
    QApplication::setApplicationDisplayName(Application::Title);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/MAINICON")));
    InstallFontSubstitutes();
    SetStorageErrorReporter([](const std::string& AMessage) {
        Application::ShowErrorBox(QString::fromStdString(AMessage));
    });
    THelpSystem help;

    auto frmMain = std::make_unique<TfrmMain>();

    auto frmSplash = std::make_unique<TfrmSplash>();
    frmSplash->ShowAndPaint();

    auto frmHighScores = std::make_unique<TfrmHighScores>(frmMain.get());
    frmMain->SetHighScoresForm(frmHighScores.get());

    // The splash stays on screen while the program waits without handling events.
    std::this_thread::sleep_for(kSplashTime);
    frmSplash.reset();

    frmMain->show();
    const int result = QApplication::exec();

    // The high-score dialog goes before the main window, whose settings store
    // writes the registry as it is destroyed.
    frmMain->SetHighScoresForm(nullptr);
    frmHighScores.reset();
    frmMain.reset();
    return result;
}
