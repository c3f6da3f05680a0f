// The start-up sequence: the splash alone on screen during the wait, the main
// window afterwards with the stored dice look, and the settings written at exit.

#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/MainWindowParts.h"
#include "tests/support/SessionFakes.h"

#include "app/Startup.h"
#include "app/uSplash.h"
#include "controls/VHDice.h"
#include "tests/support/PrivateRegistry.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

    TErrorBoxGuard FErrorBoxes; // a box is a failure, reported at once

private slots:
    void splashAloneThenMainWindowWithStoredLook() {
        TPrivateRegistry registry;
        registry.StoreHive(
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1]\r\n"
            "\"DiceStyle\"=\"3\"\r\n\"PipColor\"=\"255\"\r\n");

        EventLog log;
        FakeSound sound(log);
        FakePrompter prompter(log);
        TStartupOptions options;
        options.SplashTime = std::chrono::milliseconds(50);
        options.Services = {&prompter, &sound, nullptr};
        QStringList visibleDuringWait;
        TDiceStyle styleDuringWait = ds2D;
        options.BeforeSplashWait = [&](TfrmMain& AMain, TfrmSplash& ASplash) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->isVisible()) {
                    visibleDuringWait << w->metaObject()->className();
                }
            }
            QVERIFY(ASplash.isVisible());
            styleDuringWait = Part<TVHDice>(AMain, "dice1")->DiceStyle();
        };
        bool mainShown = false;
        TColor pipsShown = 0;
        // Once the message loop shows the main window, look at it and close it.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* main = qobject_cast<TfrmMain*>(w); main && main->isVisible()) {
                    poll.stop();
                    mainShown = true;
                    pipsShown = Part<TVHDice>(*main, "dice5")->PipColor();
                    Part<TVHDice>(*main, "dice5")->SetPipColor(0x00FF00);
                    main->close();
                }
            }
        });
        poll.start(10);
        QCOMPARE(RunTolmir(options), 0);
        QCOMPARE(visibleDuringWait, QStringList{"TfrmSplash"});
        QCOMPARE(styleDuringWait, ds3D);
        QVERIFY(mainShown);
        QCOMPARE(pipsShown, TColor(255));

        // At exit the main window handed the first die's look to the store.
        const QString text = QString::fromStdString(registry.Dump("Software\\Varnholt"));
        QVERIFY2(text.contains("\"DiceStyle\"=\"3\""), qPrintable(text));
        QVERIFY(text.contains("\"PipColor\"=\"255\""));
        QVERIFY(text.contains("\"ShowScoreHints\"=\"-1\""));
        QVERIFY(text.contains("\"PlayDiceRollSound\"=\"True\""));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
