// The main window driven headless: layout, menus and keys, hints, the Held
// labels, the counters and the settings hand-over through a temporary hive.

#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/MainWindowParts.h"
#include "tests/support/SessionFakes.h"

#include "app/QtPrompter.h"
#include "app/ScoreGrid.h"
#include "app/uMain.h"
#include "controls/VHDice.h"
#include "platform/Application.h"
#include "platform/TColor.h"
#include "storage/MainSettings.h"
#include "storage/VHRegistry.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/PrivateRegistry.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    // A window with fake questions, sound and clock; errors are recorded.
    struct Rig {
        EventLog log;
        FakePrompter prompter{log};
        FakeSound sound{log};
        FakeClock clock;
        TErrorBoxGuard errors{TErrorBoxGuard::Record};
        std::unique_ptr<TfrmMain> window;

        Rig() {
            window = std::make_unique<TfrmMain>(TfrmMainServices{&prompter, &sound, &clock});
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        }
        TfrmMain& w() { return *window; }
        std::string Score(int row) { return Part<TScoreGrid>(w(), "grdScore")->Cell(1, row); }
        QPoint CellCentre(int col, int row) { return QPoint(col * 71 + 35, row * 25 + 12); }
    };

    std::unique_ptr<TPrivateRegistry> FRegistry;

private slots:
    void initTestCase() {
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    }

    void init() { FRegistry = std::make_unique<TPrivateRegistry>(); }
    void cleanup() { FRegistry.reset(); }

    void layoutAndMenus() {
        Rig rig;
        TfrmMain& w = rig.w();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tolmir"));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(Part<QGroupBox>(w, "pnlJuboHand")->geometry(), QRect(21, 16, 452, 122));
        const std::vector<TVHDice*> dice = w.AllDice();
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(dice[i]->geometry(), QRect(15 + 88 * i, 32, 70, 70));
            QCOMPARE(dice[i]->Tag(), i + 1);
            QCOMPARE(dice[i]->toolTip(), QStringLiteral("Press F%1 to hold/unhold").arg(i + 1));
            QCOMPARE(dice[i]->HeldColor(), TColor(14597308));
            QCOMPARE(KeyLabel(w, i)->geometry(), QRect(44 + 88 * i, 103, 16, 16));
            QCOMPARE(KeyLabel(w, i)->text(), QStringLiteral("F%1").arg(i + 1));
        }
        // Every caption shows whole, whatever font stands in for the layout's.
        for (QLabel* label : w.findChildren<QLabel*>()) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <=
                         label->contentsRect().width(),
                     qPrintable(label->objectName()));
        }
        // The Held labels are 28 pixels wide, or wider where the font needs it.
        QCOMPARE(Part<QLabel>(w, "lblHold1")->pos(), QPoint(36, 12));
        QCOMPARE(Part<QLabel>(w, "lblHold5")->pos(), QPoint(388, 12));
        QCOMPARE(Part<QLabel>(w, "lblHold5")->height(), 16);
        QCOMPARE(Part<QLabel>(w, "lblHold5")->width(),
                 std::max(28, Part<QLabel>(w, "lblHold5")->sizeHint().width()));
        QVERIFY(!Part<QLabel>(w, "lblHold3")->isVisible());
        QCOMPARE(Part<TScoreGrid>(w, "grdScore")->geometry(), QRect(258, 156, 136, 351));
        QCOMPARE(Part<QPushButton>(w, "btnBrasser")->geometry(), QRect(68, 207, 146, 45));
        QCOMPARE(Part<QPushButton>(w, "btnBrasser")->text(), QStringLiteral("&Roll Dice"));
        QCOMPARE(Part<QPushButton>(w, "btnBrasser")->font().pixelSize(), 16);
        QCOMPARE(Part<QLabel>(w, "lblTotalCaption")->text(), QStringLiteral("Hand Total:"));
        QCOMPARE(Part<QLabel>(w, "lblCoupsCaption")->text(), QStringLiteral("Rolls:"));
        QCOMPARE(Part<QLabel>(w, "lblTotalCount")->text(), QStringLiteral("0"));
        QCOMPARE(Part<QLabel>(w, "lblShuffleCount")->text(), QStringLiteral("0"));
        QCOMPARE(w.font().pixelSize(), 13);
        QCOMPARE(Part<TScoreGrid>(w, "grdScore")->HintRect(1, 0),
                 QRect(QPoint(103, 0), QPoint(129, 22)));
        QCOMPARE(Part<TScoreGrid>(w, "grdScore")->HintRect(1, 12),
                 QRect(QPoint(103, 300), QPoint(129, 322)));

        const QStringList labels = {"1",    "2",         "3",      "4",        "5",
                                    "6",    "Sub-Total", "Bonus",  "Straight", "Full",
                                    "High", "Low",       "Tolmir", "Total"};
        for (int row = 0; row < 14; ++row) {
            QCOMPARE(QString::fromStdString(Part<TScoreGrid>(w, "grdScore")->Cell(0, row)),
                     labels[row]);
        }
        QCOMPARE(rig.Score(13), std::string("0"));
        QVERIFY(rig.Score(6).empty());

        const QList<QPair<QString, QString>> menus = {{"mniNouvellePartie", "Ctrl+N"},
                                                      {"mniUndo", "Ctrl+Z"},
                                                      {"N11", "F1"},
                                                      {"N551", "F5"},
                                                      {"N12", "Ctrl+F1"},
                                                      {"N61", "Ctrl+F6"},
                                                      {"Straight1", "Ctrl+S"},
                                                      {"Full1", "Ctrl+F"},
                                                      {"Haut1", "Ctrl+H"},
                                                      {"Bas1", "Ctrl+L"},
                                                      {"Jubo1", "Ctrl+J"},
                                                      {"mniBestScores", ""},
                                                      {"mniQuitter", ""},
                                                      {"mniGameOptions", ""},
                                                      {"mniHelp", ""},
                                                      {"Varnholtontheweb1", ""},
                                                      {"mniAPropos", ""}};
        for (const auto& [name, keys] : menus) {
            auto* item = w.findChild<QAction*>(name);
            QVERIFY2(item, qPrintable(name));
            QCOMPARE(item->shortcut().toString(), keys);
        }
        QCOMPARE(w.findChild<QAction*>("Jubo1")->text(), QStringLiteral("Jubo"));
        QCOMPARE(w.findChild<QAction*>("Jubo1")->data().toInt(), 21);
        QCOMPARE(w.findChild<QAction*>("N31")->data().toInt(), 3);
        QCOMPARE(w.menuBar()->actions().size(), 4);
        QCOMPARE(w.focusWidget(), Part<QPushButton>(w, "btnBrasser"));
    }

    void rollWithTheButtonAndTheKeys() {
        Rig rig;
        TfrmMain& w = rig.w();
        QTest::mouseClick(Part<QPushButton>(w, "btnBrasser"), Qt::LeftButton);
        // 12:34:56.789 UTC seeds the draws 3, 2, 3, 1, 5.
        QCOMPARE(Part<TVHDice>(w, "dice1")->DiceValue(), 3);
        QCOMPARE(Part<TVHDice>(w, "dice5")->DiceValue(), 5);
        QCOMPARE(Part<QLabel>(w, "lblShuffleCount")->text(), QStringLiteral("1"));
        QCOMPARE(Part<QLabel>(w, "lblTotalCount")->text(), QStringLiteral("14"));
        QVERIFY(!rig.log.empty());
        QCOMPARE(rig.log.front(), std::string("sound:DiceRoll"));

        // Alt+R clicks the button as a mnemonic does: a moment later.
        QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(Part<QLabel>(w, "lblShuffleCount")->text(), QStringLiteral("2"));
        QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(Part<QLabel>(w, "lblShuffleCount")->text(), QStringLiteral("3"));
        QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(rig.errors.Texts(),
                     std::vector<std::string>{"You can't shuffle more than three times!"});
    }

    void enterRollsAndTheSheetNeverScrolls() {
        Rig rig;
        TfrmMain& w = rig.w();
        Part<QPushButton>(w, "btnBrasser")->setFocus();
        QTest::keyClick(Part<QPushButton>(w, "btnBrasser"), Qt::Key_Return);
        QCOMPARE(Part<QLabel>(w, "lblShuffleCount")->text(), QStringLiteral("1"));
        QTest::keyClick(Part<QPushButton>(w, "btnBrasser"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(Part<QLabel>(w, "lblShuffleCount")->text(), QStringLiteral("2"));

        // Wheels and swipes both ways, and the keys that move a view, leave
        // every cell where the layout puts it.
        TScoreGrid* grid = Part<TScoreGrid>(w, "grdScore");
        const QPoint inside(60, 60);
        for (const QPoint delta : {QPoint(-120, 0), QPoint(0, -120), QPoint(120, 0)}) {
            QWheelEvent wheel(inside, grid->viewport()->mapToGlobal(inside), delta / 4, delta,
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(grid->viewport(), &wheel);
        }
        for (const Qt::Key key : {Qt::Key_End, Qt::Key_PageDown, Qt::Key_Right}) {
            QTest::keyClick(grid, key);
        }
        grid->scrollToBottom();
        const QRect lastLabel = grid->visualRect(grid->model()->index(13, 0));
        QCOMPARE(lastLabel, QRect(0, 13 * 25, 70, 24));
        QCOMPARE(grid->visualRect(grid->model()->index(0, 1)), QRect(71, 0, 70, 24));
    }

    void questionsAtTheirPlace() {
        QWidget owner;
        owner.setGeometry(20, 30, 200, 100);
        owner.show();
        TQtPrompter prompter(&owner);
        QRect shown;
        const auto answerNo = [&](QMessageBox* ABox) {
            shown = ABox->frameGeometry();
            ABox->button(QMessageBox::No)->click();
        };
        // Without a position: the centre of the screen, not of the owner.
        AnswerNextModal<QMessageBox>(answerNo);
        QVERIFY(!prompter.AskYesNo("Quit?", std::nullopt));
        const QPoint offCentre = shown.center() - owner.screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
        AnswerNextModal<QMessageBox>(answerNo);
        QVERIFY(!prompter.AskYesNo("New game?", TPoint{40, 50}));
        QCOMPARE(shown.topLeft(), QPoint(40, 50));
    }

    void holdKeysDiceClicksAndHeldLabels() {
        Rig rig;
        TfrmMain& w = rig.w();
        // Before the first roll a hold is refused by key, menu and mouse alike.
        const std::string refusal = "You have to shuffle at least once!";
        const auto refusedBeforeTheRoll = [&] {
            rig.errors.Clear();
            QTest::keyClick(&w, Qt::Key_F1);
            GameItem(w, 4)->trigger(); // Game, Hold 5
            QTest::mouseClick(Part<TVHDice>(w, "dice2"), Qt::LeftButton);
            QCOMPARE(rig.errors.Texts(), std::vector<std::string>(3, refusal));
            for (TVHDice* die : w.AllDice()) {
                QVERIFY(!die->Held());
            }
            QVERIFY(!Part<QLabel>(w, "lblHold1")->isVisible());
            QVERIFY(!Part<QLabel>(w, "lblHold5")->isVisible());
        };
        refusedBeforeTheRoll();
        rig.errors.Clear();

        QTest::mouseClick(Part<QPushButton>(w, "btnBrasser"), Qt::LeftButton); // 3 2 3 1 5
        QTest::keyClick(&w, Qt::Key_F1);
        QVERIFY(Part<TVHDice>(w, "dice1")->Held());
        QVERIFY(Part<QLabel>(w, "lblHold1")->isVisible());
        QTest::mouseClick(Part<QPushButton>(w, "btnBrasser"), Qt::LeftButton);
        QCOMPARE(Part<TVHDice>(w, "dice1")->DiceValue(), 3); // held through the roll
        QTest::mouseClick(Part<TVHDice>(w, "dice2"), Qt::LeftButton);
        QVERIFY(Part<TVHDice>(w, "dice2")->Held());
        QVERIFY(Part<QLabel>(w, "lblHold2")->isVisible());
        QTest::keyClick(&w, Qt::Key_F2);
        QVERIFY(!Part<TVHDice>(w, "dice2")->Held());
        QVERIFY(!Part<QLabel>(w, "lblHold2")->isVisible());
        QTest::keyClick(&w, Qt::Key_F5);
        QVERIFY(Part<QLabel>(w, "lblHold5")->isVisible());

        GameItem(w, 4)->trigger();
        QVERIFY(!Part<QLabel>(w, "lblHold5")->isVisible());
        QVERIFY(rig.errors.Texts().empty());

        // A write starts a new turn: every label goes with the held flags.
        QTest::keyClick(&w, Qt::Key_F1, Qt::ControlModifier);
        QVERIFY(!Part<QLabel>(w, "lblHold1")->isVisible());
        refusedBeforeTheRoll();
    }

    void writeWithEveryButtonAndTheCounters() {
        Rig rig;
        TfrmMain& w = rig.w();
        QTest::keyClick(&w, Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(rig.errors.Texts(),
                 std::vector<std::string>{"You have to shuffle at least once!"});
        QVERIFY(rig.Score(2).empty());

        QTest::mouseClick(Part<QPushButton>(w, "btnBrasser"), Qt::LeftButton); // 1 2 3 3 5
        QTest::mouseClick(Part<TScoreGrid>(w, "grdScore")->viewport(), Qt::RightButton, {},
                          rig.CellCentre(1, 2));
        QCOMPARE(rig.Score(2), std::string("6"));
        QCOMPARE(Part<QLabel>(w, "lblShuffleCount")->text(), QStringLiteral("0"));
        QCOMPARE(Part<QLabel>(w, "lblTotalCount")->text(), QStringLiteral("14"));
        QCOMPARE(Part<TVHDice>(w, "dice3")->DiceValue(), 6);
        QCOMPARE(w.focusWidget(), Part<QPushButton>(w, "btnBrasser"));
        for (int row = 0; row < 14; ++row) {
            QVERIFY(!Part<TScoreGrid>(w, "grdScore")->CellSelected(1, row));
        }

        // Presses on written, computed or label cells write nothing.
        QTest::mouseClick(Part<QPushButton>(w, "btnBrasser"), Qt::LeftButton);
        for (QPoint p : {rig.CellCentre(1, 2), rig.CellCentre(1, 6), rig.CellCentre(0, 4)}) {
            QTest::mouseClick(Part<TScoreGrid>(w, "grdScore")->viewport(), Qt::LeftButton, {}, p);
        }
        QCOMPARE(Part<QLabel>(w, "lblShuffleCount")->text(), QStringLiteral("1"));
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!rig.Score(8).empty());

        // Undo puts the turn back as it stood.
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(rig.Score(8).empty());
        QCOMPARE(Part<QLabel>(w, "lblShuffleCount")->text(), QStringLiteral("1"));
        QCOMPARE(rig.errors.Texts().size(), std::size_t(1));
    }

    void hintsForTheHandTwoToSix() {
        Rig rig;
        TfrmMain& w = rig.w();
        SetSetting(w.Settings(), Setting::ScoreHintColor, TSettingValue(int(0x000000FF)));
        for (int row = 0; row < 14; ++row) {
            QVERIFY(!w.HintFor(1, row));
        }
        rig.clock.time = kSixToTwoTime;
        QTest::mouseClick(Part<QPushButton>(w, "btnBrasser"), Qt::LeftButton);
        QCOMPARE(w.Session().Hand(), (TDiceHand{2, 3, 4, 5, 6}));
        const std::map<int, QString> expected = {{0, "0"},   {1, "2"},   {2, "3"},  {3, "4"},
                                                 {4, "5"},   {5, "6"},   {8, "30"}, {9, "0"},
                                                 {10, "20"}, {11, "20"}, {12, "0"}};
        for (int row = 0; row < 14; ++row) {
            const auto hint = w.HintFor(1, row);
            if (expected.count(row)) {
                QVERIFY2(hint, qPrintable(QString::number(row)));
                QCOMPARE(*hint, expected.at(row));
            } else {
                QVERIFY2(!hint, qPrintable(QString::number(row)));
            }
        }
        QVERIFY(!w.HintFor(0, 0));

        // The hint is painted in its colour inside its rectangle only.
        const QImage grid = Part<TScoreGrid>(w, "grdScore")->viewport()->grab().toImage();
        const auto isHint = [&](int x, int y) {
            const QColor c = grid.pixelColor(x, y);
            return c.red() > 150 && c.green() < 90 && c.blue() < 90;
        };
        for (int row : {1, 8, 12}) {
            const QRect r = w.HintRect(1, row);
            int inside = 0;
            for (int y = r.top(); y <= r.bottom(); ++y) {
                for (int x = r.left(); x <= r.right(); ++x) {
                    inside += isHint(x, y) ? 1 : 0;
                }
            }
            QVERIFY2(inside > 5, qPrintable(QString::number(row)));
        }
        for (int y = 0; y < grid.height(); ++y) {
            for (int x = 0; x < grid.width(); ++x) {
                const bool inSomeRect = x >= 103 && x <= 129 && (y % 25) <= 22;
                if (!inSomeRect) {
                    QVERIFY2(!isHint(x, y), qPrintable(QString("%1,%2").arg(x).arg(y)));
                }
            }
        }

        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(&w, Qt::Key(Qt::Key_F1 + i));
        }
        QTest::mouseClick(Part<QPushButton>(w, "btnBrasser"),
                          Qt::LeftButton); // second roll, all held
        QCOMPARE(*w.HintFor(1, 8), QStringLiteral("25"));
        SetSetting(w.Settings(), Setting::ShowScoreHints, TSettingValue(false));
        QVERIFY(!w.HintFor(1, 8));
    }

    void settingsRoundTripThroughTheHive() {
        {
            Rig rig;
            TfrmMain& w = rig.w();
            QCOMPARE(Part<TVHDice>(w, "dice1")->DiceStyle(), ds2D);
            QCOMPARE(Part<TVHDice>(w, "dice1")->DiceColor(), TColor(0xFFFFFF));
            for (TVHDice* die : w.AllDice()) {
                die->SetDiceStyle(ds3D);
                die->SetPipColor(0x123456);
            }
            QVERIFY(w.close());
            rig.window.reset(); // the store writes the hive as the window goes
        }
        const QString text = QString::fromStdString(FRegistry->Dump("Software\\Varnholt"));
        QVERIFY2(text.contains("\"DiceStyle\"=\"3\""), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("\"PipColor\"=\"%1\"").arg(0x123456)));
        {
            Rig rig;
            for (TVHDice* die : rig.w().AllDice()) {
                QCOMPARE(die->DiceStyle(), ds3D);
                QCOMPARE(die->PipColor(), TColor(0x123456));
            }
        }
    }

    void damagedSettingsFallBackToDefaults() {
        FRegistry->StoreHive(
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1]\r\n"
            "\"DiceStyle\"=\"7\"\r\n\"DiceColor\"=\"blue\"\r\n\"HeldColor\"=\"255\"\r\n");
        Rig rig;
        QCOMPARE(Part<TVHDice>(rig.w(), "dice3")->DiceStyle(), ds2D);
        QCOMPARE(Part<TVHDice>(rig.w(), "dice3")->DiceColor(), TColor(0xFFFFFF));
        QCOMPARE(Part<TVHDice>(rig.w(), "dice3")->HeldColor(), TColor(255));
    }

    void closeQuery() {
        Rig rig;
        TfrmMain& w = rig.w();
        QTest::mouseClick(Part<QPushButton>(w, "btnBrasser"), Qt::LeftButton);
        rig.prompter.answers = {false};
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(rig.prompter.questions.size(), std::size_t(1));
        QCOMPARE(rig.prompter.questions.back().text,
                 std::string("You have an ongoing game. Do you want to close the program?"));
        rig.prompter.answers = {true};
        QVERIFY(w.close());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
