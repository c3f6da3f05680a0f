#include "Startup.h"

#include "Application.h"
#include "CommandLine.h"
#include "HelpViewer.h"
#include "StorageErrors.h"
#include "uHighScores.h"
#include "uSplash.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include <memory>
#include <thread>

void DisableHighDpiScaling() {
    // The layout is in pixels and is never scaled.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
}

void PrepareApplication(QApplication& AApp) {
    SetApplicationIdentity();
    AApp.setApplicationName(Application::Title);
    AApp.setApplicationDisplayName(Application::Title);
    AApp.setWindowIcon(QIcon(QStringLiteral(":/res/MAINICON")));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    SetStorageErrorReporter([](const std::string& AMessage) {
        Application::ShowErrorBox(QString::fromStdString(AMessage));
    });
}

int RunTolmir(const TStartupOptions& AOptions) {
    THelpSystem help;

    // Building the main window loads the settings and gives the dice their look.
    auto frmMain = std::make_unique<TfrmMain>(AOptions.Services);

    auto frmSplash = std::make_unique<TfrmSplash>();
    frmSplash->ShowAndPaint();

    auto frmHighScores = std::make_unique<TfrmHighScores>(frmMain.get());
    frmMain->SetHighScoresForm(frmHighScores.get());

    if (AOptions.BeforeSplashWait) {
        AOptions.BeforeSplashWait(*frmMain, *frmSplash);
    }
    // The splash stays on screen while the program waits without handling events.
    std::this_thread::sleep_for(AOptions.SplashTime);
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
