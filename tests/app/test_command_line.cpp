// The command line: --help and --version answer from the built game without a
// window system, anything unknown ends with one line on stderr and status 2,
// and the toolkit's own options still reach the toolkit. The executable that
// ships holds no way to fix its dice from the environment.

#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT

    struct TRun {
        int ExitCode = -1;
        QString Out;
        QString Err;
    };

    // Runs the game with no display at all: had it tried to open a window, the
    // toolkit would abort instead of answering.
    // ALanguage is the desktop's language.
    static TRun RunGame(const QStringList& AArguments,
                        const QString& ALanguage = QStringLiteral("en")) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            env.remove(QString::fromLatin1(name));
        }
        env.insert(QStringLiteral("LANGUAGE"), ALanguage);
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TOLMIR_EXECUTABLE), AArguments);
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return {};
        }
        if (process.exitStatus() != QProcess::NormalExit) {
            return {};
        }
        TRun run{process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                 QString::fromLocal8Bit(process.readAllStandardError())};
#if defined(Q_OS_WIN)
        // Text written to a console stream ends its lines with CR LF there.
        run.Out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        run.Err.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
        return run;
    }

    static QByteArray Contents(const char* APath) {
        QFile file(QString::fromLocal8Bit(APath));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void versionAndHelpAnswerWithoutAWindow() {
        const TRun version = RunGame({QStringLiteral("--version")});
        QCOMPARE(version.ExitCode, 0);
        QCOMPARE(version.Out, QStringLiteral("Tolmir 1.0.1.18\n"));
        QCOMPARE(version.Err, QString());

        for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            const TRun help = RunGame({option});
            QCOMPARE(help.ExitCode, 0);
            QVERIFY2(help.Out.startsWith(QStringLiteral("Usage: ")), qPrintable(help.Out));
            QVERIFY(help.Out.contains(QStringLiteral("--version")));
            QVERIFY(!help.Out.contains(QStringLiteral("platform")));
            QCOMPARE(help.Err, QString());
        }
        // In German, the game's description and Qt's own words alike.
        const TRun german = RunGame({QStringLiteral("--help")}, QStringLiteral("de"));
        QCOMPARE(german.ExitCode, 0);
        QVERIFY2(german.Out.contains(QStringLiteral("Ein Würfelspiel")), qPrintable(german.Out));
        QVERIFY2(!german.Out.contains(QStringLiteral("Usage")), qPrintable(german.Out));
    }

    void unknownInputEndsWithOneLineAndStatusTwo() {
        const QList<QStringList> cases = {{QStringLiteral("--frobnicate")},
                                          {QStringLiteral("-x")},
                                          {QStringLiteral("scores.txt")},
                                          {QStringLiteral("--help-all")},
                                          {QStringLiteral("--version"), QStringLiteral("--bad")}};
        for (const QStringList& arguments : cases) {
            const TRun run = RunGame(arguments);
            QCOMPARE(run.ExitCode, 2);
            QCOMPARE(run.Out, QString());
            QCOMPARE(run.Err.count(QLatin1Char('\n')), 1);
            QVERIFY2(run.Err.endsWith(QLatin1Char('\n')), qPrintable(run.Err));
            QVERIFY2(run.Err.contains(arguments.last().section(QLatin1Char('-'), -1)),
                     qPrintable(run.Err));
        }
    }

    void toolkitOptionsAndNoOptionsStartTheGame() {
        QVERIFY(!ReadCommandLine({QStringLiteral("tolmir")}));
        QVERIFY(!ReadCommandLine({QStringLiteral("tolmir"), QStringLiteral("-platform"),
                                  QStringLiteral("offscreen"), QStringLiteral("-style"),
                                  QStringLiteral("fusion"), QStringLiteral("-reverse")}));
    }

    // The variable's name is nowhere in the game, so no value of it can reach the
    // dice; the test-only executable that reads it shows that the search finds it.
    void theGameCannotBeGivenKnownDice() {
        const QByteArray name("TOLMIR_TEST_CLOCK_MS");
        const QByteArray game = Contents(TOLMIR_EXECUTABLE);
        QVERIFY2(game.size() > 100000, TOLMIR_EXECUTABLE);
        QVERIFY2(!game.contains(name), TOLMIR_EXECUTABLE);
#if defined(TOLMIR_FIXED_DICE_EXECUTABLE)
        QVERIFY2(Contents(TOLMIR_FIXED_DICE_EXECUTABLE).contains(name),
                 TOLMIR_FIXED_DICE_EXECUTABLE);
#endif
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
