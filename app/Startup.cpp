#include "app/Startup.h"

#include "app/CommandLine.h"
#include "app/uSplash.h"
#include "dialogs/uHighScores.h"
#include "platform/Application.h"
#include "platform/EndSignals.h"
#include "platform/HelpViewer.h"
#include "platform/Translations.h"
#include "storage/StorageErrors.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include <memory>
#include <thread>

void PrepareHighDpiScaling() {
    // The layout is in pixels at 96 dpi. A screen's scale factor is followed
    // rounded to a whole number (150 % counts as 200 %), so that every figure of
    // the layout is multiplied exactly and nothing lands between pixels.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

void PrepareApplication(QApplication& AApp) {
    // Name, maker and version; no display name, which the toolkit would append
    // to every window's caption.
    SetApplicationIdentity();
    InstallLanguage(ChooseLanguage(QLocale::system()));
    AApp.setWindowIcon(QIcon(QStringLiteral(":/res/MAINICON")));
#if !defined(Q_OS_WIN)
    // Windows has the fonts the windows ask for; elsewhere free look-alikes stand in.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
#endif
    SetStorageErrorReporter([](const std::string& AMessage) {
        Application::ShowErrorBox(QString::fromStdString(AMessage));
    });
}

int RunTolmir(const TStartupOptions& AOptions) {
    THelpSystem help;

    // Building the main window loads the settings and gives the dice their look.
    auto frmMain = std::make_unique<TfrmMain>(AOptions.Services);
    // A system signal ends the program as closing the main window does, with no
    // question asked; it outlives the main window, whose end writes the settings.
    const TEndSignals endSignals([&frmMain] {
        if (frmMain) {
            frmMain->CloseWithoutQuestion();
        }
    });

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
