// The game as a desktop meets it, in real processes: the program ends when its
// main window closes with the help window still open, and on the system's end
// signals before and after the first sound, each time promptly and with the
// settings in the hive; and the captions that the window system receives (on
// a throw-away Xvfb started by xvfb-run) stand alone.
//
// The children are this program again, started with "child <mode>".

#include "tests/support/MainWindowParts.h"
#include "tests/support/ModalHelper.h"

#include "app/QtPrompter.h"
#include "app/Startup.h"
#include "controls/VHDice.h"
#include "dialogs/uAboutBox.h"
#include "dialogs/uDiceOptions.h"
#include "dialogs/uHighScores.h"
#include "platform/Application.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <cstdio>

namespace {

// The pip colour a child gives the dice; only the main window's end stores it.
constexpr TColor kPipColor = 0x00FF00;

void Say(const QString& ALine) {
    std::printf("%s\n", qPrintable(ALine));
    std::fflush(stdout);
}

// The whole start-up with the real prompter and sound. Once the main window is
// on screen: mark the dice, then open help and quit ("help"), or roll with the
// sound ("sound") or not ("quiet") and wait for a signal.
int RunEndChild(const QString& AMode) {
    TStartupOptions options;
    options.SplashTime = std::chrono::milliseconds(0);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<TfrmMain*>(w); main && main->isVisible()) {
                poll.stop();
                Part<TVHDice>(*main, "dice1")->SetPipColor(kPipColor);
                if (AMode == QLatin1String("help")) {
                    Application::ShowHelpContext(5);
                    Part<QAction>(*main, "mniQuitter")->trigger();
                    return;
                }
                if (AMode == QLatin1String("sound")) {
                    Part<QPushButton>(*main, "btnBrasser")->click();
                }
                Say(QStringLiteral("ready"));
            }
        }
    });
    poll.start(10);
    return RunTolmir(options);
}

// Prints each window's _NET_WM_NAME as xprop reads it from the X server.
int RunTitlesChild() {
    const auto say = [](const QWidget& AWindow) {
        QApplication::processEvents();
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-id"), QString::number(AWindow.winId()),
                     QStringLiteral("_NET_WM_NAME")});
        xprop.waitForFinished(5000);
        Say(QString::fromUtf8(xprop.readAllStandardOutput()).section(u'"', 1, -2));
    };
    TfrmMain main;
    main.show();
    say(main);
    for (QDialog* dialog : std::initializer_list<QDialog*>{
             new TfrmHighScores(&main), new TfrmDiceOptions(&main, main.AllDice(), main.Settings()),
             new TfrmAboutBox(&main)}) {
        dialog->show();
        say(*dialog);
        delete dialog;
    }
    AnswerNextModal<QMessageBox>([&](QMessageBox* ABox) {
        say(*ABox);
        ABox->button(QMessageBox::No)->click();
    });
    TQtPrompter(&main).AskYesNo("Quit?", std::nullopt);
    return 0;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FHome;

    QString AudioFile() const { return FHome.filePath(QStringLiteral("audio.raw")); }
    QString HivePath() const { return FHome.filePath(QStringLiteral("Varnholt/Tolmir.reg")); }

    void StartChild(QProcess& AChild, const QString& AMode, const QString& APlatform,
                    const QStringList& AWrapper = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), FHome.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), APlatform);
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
        env.insert(QStringLiteral("SDL_DISKAUDIOFILE"), AudioFile());
        if (APlatform == QLatin1String("xcb")) {
            // What the X client libraries keep until exit is not this test's business.
            env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        }
        AChild.setProcessEnvironment(env);
        AChild.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList command = AWrapper;
        command << QCoreApplication::applicationFilePath() << QStringLiteral("child") << AMode;
        AChild.start(command.takeFirst(), command);
        QVERIFY(AChild.waitForStarted());
    }

    void VerifyEndedWithSettingsStored(QProcess& AChild) {
        QCOMPARE(AChild.exitStatus(), QProcess::NormalExit);
        QCOMPARE(AChild.exitCode(), 0);
        QFile hive(HivePath());
        QVERIFY(hive.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(hive.readAll());
        QVERIFY2(text.contains(QStringLiteral("\"PipColor\"=\"%1\"").arg(kPipColor)),
                 qPrintable(text));
    }

private slots:
    void init() {
        QVERIFY(FHome.isValid());
        QFile::remove(HivePath());
        QFile::remove(AudioFile());
    }

    void closingTheMainWindowEndsTheProgramWithHelpOpen() {
        QProcess child;
        StartChild(child, QStringLiteral("help"), QStringLiteral("offscreen"));
        QVERIFY2(child.waitForFinished(20000), "the help window kept the program running");
        VerifyEndedWithSettingsStored(child);
    }

    void endSignalsEndTheProgramLikeANormalEnd_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("mode");
        QTest::newRow("SIGTERM before a sound") << int(SIGTERM) << "quiet";
        QTest::newRow("SIGTERM after a sound, during a game") << int(SIGTERM) << "sound";
        QTest::newRow("SIGINT after a sound") << int(SIGINT) << "sound";
        QTest::newRow("SIGHUP after a sound") << int(SIGHUP) << "sound";
    }

    void endSignalsEndTheProgramLikeANormalEnd() {
        QFETCH(int, signal);
        QFETCH(QString, mode);
        QProcess child;
        StartChild(child, mode, QStringLiteral("offscreen"));
        QTRY_VERIFY_WITH_TIMEOUT(child.canReadLine() || child.state() != QProcess::Running, 20000);
        QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
        QCOMPARE(QFileInfo(AudioFile()).size() > 0, mode == QLatin1String("sound"));

        QCOMPARE(::kill(static_cast<pid_t>(child.processId()), signal), 0);
        QVERIFY2(child.waitForFinished(20000), "the program ignored the signal");
        VerifyEndedWithSettingsStored(child);
    }

    void captionsStandAloneOnTheXServer() {
        for (const char* tool : {"xvfb-run", "Xvfb", "xauth", "xprop"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(tool)));
            }
        }
        QProcess child;
        StartChild(child, QStringLiteral("titles"), QStringLiteral("xcb"),
                   {QStringLiteral("xvfb-run"), QStringLiteral("-a"), QStringLiteral("-s"),
                    QStringLiteral("-screen 0 1280x1024x24 -nolisten tcp")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                 (QStringList{"Tolmir", "High Scores", "Game Options", "About...", "Information"}));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "child") {
        PrepareApplication(app);
        const QString mode = QString::fromLocal8Bit(argv[2]);
        return mode == QLatin1String("titles") ? RunTitlesChild() : RunEndChild(mode);
    }
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_desktop.moc"
