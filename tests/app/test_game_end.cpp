// Whole games in the real window with the real name prompt and high-score
// dialog, answered as a player would, and what reaches the hive.

#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/MainWindowParts.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/SessionFakes.h"

#include "app/AdvisorPanel.h"
#include "app/ScoreGrid.h"
#include "app/uMain.h"
#include "controls/VHDice.h"
#include "controls/VHListView.h"
#include "dialogs/uDiceOptions.h"
#include "dialogs/uHighScores.h"
#include "dialogs/uInputQuery.h"
#include "platform/Application.h"
#include "storage/MainSettings.h"
#include "storage/VHRegistry.h"
#include "tests/support/PrivateRegistry.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestGameEnd : public QObject {
    Q_OBJECT

    TErrorBoxGuard FErrorBoxes; // a box is a failure, reported at once

    std::unique_ptr<TPrivateRegistry> FRegistry;
    EventLog FLog;
    FakeSound FSound{FLog};
    FakeClock FClock;
    std::unique_ptr<TfrmMain> FMain;
    std::unique_ptr<TfrmHighScores> FHighScores;

    QString StoredText() const {
        return QString::fromStdString(FRegistry->Dump("Software\\Varnholt"));
    }

    // The high-score dialog goes before the main window, as at program end.
    void EndRun() {
        if (FMain) {
            FMain->SetHighScoresForm(nullptr);
        }
        FHighScores.reset();
        FMain.reset();
    }

    // Rolls five sixes and writes every line with them: a total of 125.
    void PlayAllSixes() {
        FClock.time = kFiveSixesTime;
        for (int tag = 11; tag <= 21; ++tag) {
            QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton);
            for (QAction* item : GameItems(*FMain)) {
                if (item->data().toInt() == tag) {
                    item->trigger();
                }
            }
        }
    }

private slots:
    void init() {
        FRegistry = std::make_unique<TPrivateRegistry>();
        FMain = std::make_unique<TfrmMain>(TfrmMainServices{nullptr, &FSound, &FClock});
        FHighScores = std::make_unique<TfrmHighScores>(FMain.get());
        FMain->SetHighScoresForm(FHighScores.get());
        FMain->show();
        FMain->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FMain.get()));
    }

    void cleanup() {
        EndRun();
        FRegistry.reset();
    }

    void qualifyingGameEndsWithPromptAndSelectedRow() {
        const QString name = QStringLiteral("Zoë \"Q\" Σ");
        QString promptCaption, promptLabel, promptValue;
        bool selectedAll = false;
        AnswerNextModal<TfrmInputQuery>([&](TfrmInputQuery* prompt) {
            promptCaption = prompt->windowTitle();
            promptLabel = prompt->Label1->text();
            promptValue = prompt->Edit1->text();
            selectedAll = prompt->Edit1->selectedText() == prompt->Edit1->text();
            prompt->Edit1->setText(name);
            QTest::keyClick(prompt->Edit1, Qt::Key_Return);
        });
        QString selectedName, selectedScore;
        AnswerNextModal<TfrmHighScores>([&](TfrmHighScores* dialog) {
            if (QTreeWidgetItem* row = dialog->lvwHighScores->currentItem();
                row && row->isSelected()) {
                selectedName = row->text(0);
                selectedScore = row->text(1);
            }
            dialog->close(); // the close box stores the table like Ok
        });
        PlayAllSixes();
        QCOMPARE(QString::fromStdString(Part<TScoreGrid>(*FMain, "grdScore")->Cell(1, 13)),
                 QStringLiteral("125"));
        QCOMPARE(promptCaption, QStringLiteral("Tolmir"));
        QCOMPARE(promptLabel, QStringLiteral("Player: "));
        QCOMPARE(promptValue, QString());
        QVERIFY(selectedAll);
        QCOMPARE(selectedName, name);
        QCOMPARE(selectedScore, QStringLiteral("125"));
        QCOMPARE(Part<QLabel>(*FMain, "lblTotalCount")->text(), QStringLiteral("0"));
        QCOMPARE(QString::fromStdString(SettingText(FMain->Settings(), Setting::Player)), name);

        const QString hive = StoredText();
        QVERIFY2(hive.contains("\"ItemCount\"=dword:00000001"), qPrintable(hive));
        QVERIFY(hive.contains("\"ColumnCount\"=dword:00000003"));
        QVERIFY(hive.contains("\"Name0\"=\"Zoë \\\"Q\\\" Σ\""));
        QVERIFY(hive.contains("\"Score0\"=\"125\""));
    }

    void cancelledPromptChangesNothing() {
        SetSetting(FMain->Settings(), Setting::Player, TSettingValue(std::string("Ann")));
        QString proposed;
        AnswerNextModal<TfrmInputQuery>([&](TfrmInputQuery* prompt) {
            proposed = prompt->Edit1->text();
            QTest::keyClick(prompt, Qt::Key_Escape);
        });
        PlayAllSixes();
        QCOMPARE(proposed, QStringLiteral("Ann"));
        QVERIFY(!FRegistry->StoresAnyValue());
        QCOMPARE(QString::fromStdString(SettingText(FMain->Settings(), Setting::Player)),
                 QStringLiteral("Ann"));
        QCOMPARE(Part<QLabel>(*FMain, "lblTotalCount")->text(), QStringLiteral("0"));
    }

    // A game that does not enter the table ends without a box: the window says
    // so where the advisor's text stands, until a new game starts.
    void gameOutsideTheTableEndsInTheWindow() {
        FMain->Session().MarkHintShown();
        PlayAllSixes();
        const QString ended = QStringLiteral("Game over. Total 125: a hint was shown, so it does "
                                             "not enter the high-score table.");
        QCOMPARE(Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->lblAdvice->text(), ended);
        QVERIFY(Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->lblAdvice->isVisible());
        QVERIFY(!FRegistry->StoresAnyValue());
        AnswerNextModal<QMessageBox>(
            [](QMessageBox* AQuestion) { AQuestion->button(QMessageBox::No)->click(); });
        QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"),
                          Qt::LeftButton); // the game is over: no roll
        QCOMPARE(Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->lblAdvice->text(), ended);
        AnswerNextModal<QMessageBox>(
            [](QMessageBox* AQuestion) { AQuestion->button(QMessageBox::Yes)->click(); });
        QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton);
        QCOMPARE(Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->lblAdvice->text(), QString());
    }

    void highScoresMenuShowsTheStoredTableAndAnEmptyOneWritesNothing() {
        int rows = -1;
        AnswerNextModal<TfrmHighScores>([&](TfrmHighScores* dialog) {
            rows = dialog->lvwHighScores->topLevelItemCount();
            QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
        });
        Part<QAction>(*FMain, "mniBestScores")->trigger();
        QCOMPARE(rows, 0);
        QVERIFY(!FRegistry->StoresAnyValue());
    }

    void optionsReachTheGameAtOnceAndTheHiveAtExit() {
        QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton);
        QVERIFY(FMain->HintFor(1, 5).has_value());
        AnswerNextModal<TfrmDiceOptions>([](TfrmDiceOptions* dialog) {
            dialog->ckShowScoreHints->setChecked(false);
            dialog->ckDiceRollSound->setChecked(false);
            dialog->rbDiceStyle3D->click();
            QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
        });
        Part<QAction>(*FMain, "mniGameOptions")->trigger();
        QVERIFY(!FMain->HintFor(1, 5).has_value());
        QCOMPARE(Part<TVHDice>(*FMain, "dice4")->DiceStyle(), ds3D);
        EndRun(); // the main window goes and its store writes the settings
        const QString hive = StoredText();
        QVERIFY2(hive.contains("\"ShowScoreHints\"=\"0\""), qPrintable(hive));
        QVERIFY(hive.contains("\"PlayDiceRollSound\"=\"0\""));
        QVERIFY(hive.contains("\"DiceStyle\"=\"3\""));
    }
};

QTEST_MAIN(TestGameEnd)
#include "test_game_end.moc"
