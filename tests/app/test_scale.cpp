// The game on a screen at 150 %: the program's own start-up setting rounds the
// factor to 2, and every window is then exactly twice its layout in physical
// pixels, with the score hints still inside their cells.

#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/MainWindowParts.h"
#include "tests/support/SessionFakes.h"

#include "app/ScoreGrid.h"
#include "app/Startup.h"
#include "app/uMain.h"
#include "controls/VHDice.h"
#include "dialogs/uAboutBox.h"
#include "tests/support/PrivateRegistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestScale : public QObject {
    Q_OBJECT

    TErrorBoxGuard FErrorBoxes; // a box is a failure, reported at once

private slots:
    void everythingDoublesOnAScreenAt150Percent() {
        TPrivateRegistry registry;
        EventLog log;
        FakePrompter prompter(log);
        FakeSound sound(log);
        FakeClock clock;
        TfrmMain main(TfrmMainServices{&prompter, &sound, &clock});
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(main.devicePixelRatio(), 2.0);
        QCOMPARE(main.grab().size(), QSize(982, 1098));
        QCOMPARE(Part<TVHDice>(main, "dice1")->grab().size(), QSize(140, 140));

        Part<QPushButton>(main, "btnBrasser")->click();
        TScoreGrid* grid = Part<TScoreGrid>(main, "grdScore");
        for (int row = 0; row < grid->rowCount(); ++row) {
            if (main.HintFor(1, row)) {
                const QRect cell = grid->visualRect(grid->model()->index(row, 1));
                QVERIFY2(cell.contains(main.HintRect(1, row)), qPrintable(QString::number(row)));
            }
        }

        TfrmAboutBox about(&main);
        QCOMPARE(about.grab().size(), about.size() * 2);
    }
};

int main(int argc, char* argv[]) {
    // An offscreen screen reporting 144 dpi, as a desktop set to 150 % does. The
    // file is named relative to the current folder, as the colon after a Windows
    // drive letter would end the platform's argument.
    const QString previous = QDir::currentPath();
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path())) {
        return 2;
    }
    QFile config(QStringLiteral("screen.json"));
    if (!config.open(QIODevice::WriteOnly)) {
        return 2;
    }
    config.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 2560,
                     "height": 1600, "logicalDpi": 144}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=screen.json");

    PrepareHighDpiScaling();
    int result = 0;
    {
        QApplication app(argc, argv);
        TestScale test;
        result = QTest::qExec(&test, argc, argv);
    }
    QDir::setCurrent(previous); // so that the folder can go
    return result;
}

#include "test_scale.moc"
