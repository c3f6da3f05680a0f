// The advisor in the main window: the hint for a known position, the wait for
// the table, a hinted game kept out of the high-score table and the review of a
// whole game; then the real table service with a damaged cache file.

#include "../game/AdvisorFakes.h"
#include "../game/SessionFakes.h"
#include "ModalHelper.h"

#include "Accessibility.h"
#include "AdvisorPanel.h"
#include "AdvisorService.h"
#include "Application.h"
#include "ScoreGrid.h"
#include "VHDice.h"
#include "uHighScores.h"
#include "uMain.h"
#include "uReviewGame.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>

class TestAdvisorWindow : public QObject {
    Q_OBJECT

    QTemporaryDir FHome;
    QTemporaryDir FCache; // the real table's cache file, computed once
    EventLog FLog;
    FakePrompter FPrompter{FLog};
    FakeSound FSound{FLog};
    FakeClock FClock;
    RuleAdvisor FAdvisor;
    std::unique_ptr<TfrmMain> FMain;
    std::unique_ptr<TfrmHighScores> FHighScores;

    QString CachePath() const { return FCache.path() + QStringLiteral("/sub/advisor.table"); }
    QString Advice() const { return FMain->pnlAdvisor->lblAdvice->text(); }
    QList<bool> Marks() const {
        QList<bool> marks;
        for (QFrame* mark : FMain->pnlAdvisor->FKeepMarks) {
            marks << mark->isVisible();
        }
        return marks;
    }
    QList<bool> Held() const {
        QList<bool> held;
        for (TVHDice* die : FMain->AllDice()) {
            held << die->Held();
        }
        return held;
    }
    void Write(int ATag) {
        for (QAction* item : FMain->FGameItems) {
            if (item->data().toInt() == ATag) {
                item->trigger();
            }
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(FHome.isValid());
        qputenv("XDG_CONFIG_HOME", FHome.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }

    void init() {
        QFile::remove(FHome.path() + QStringLiteral("/Varnholt/Tolmir.reg"));
        FAdvisor = RuleAdvisor();
        FPrompter.informations.clear();
        FPrompter.prompts.clear();
        FPrompter.confirmName = true;
        FMain =
            std::make_unique<TfrmMain>(TfrmMainServices{&FPrompter, &FSound, &FClock, &FAdvisor});
        FHighScores = std::make_unique<TfrmHighScores>(FMain.get());
        FMain->SetHighScoresForm(FHighScores.get());
        FMain->show();
        FMain->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FMain.get()));
    }

    void cleanup() {
        FMain->SetHighScoresForm(nullptr);
        FHighScores.reset();
        FMain.reset();
    }

    void hintShowsTheBestMoveAndChangesNothingElse() {
        QTest::keyClick(FMain.get(), Qt::Key_F2); // a six held before the first roll
        QTRY_VERIFY(!FMain->findChild<TAnnouncer*>()->Pending()); // its announcement is out
        const TTurnPosition before = FMain->Session().Position();
        QTest::keyClick(FMain.get(), Qt::Key_I, Qt::ControlModifier);

        QCOMPARE(Advice(), QStringLiteral("Keep 6 6 6 6 6: expected total 105.0"));
        // A screen reader hears the move as it is shown.
        QCOMPARE(FMain->findChild<TAnnouncer*>()->LastAnnouncement(), Advice());
        QCOMPARE(Marks(), QList<bool>({true, true, true, true, true}));
        QVERIFY(FMain->Session().HintShown());
        QCOMPARE(FAdvisor.asked.size(), std::size_t{1});
        QCOMPARE(FAdvisor.asked[0].Held, (std::array<bool, 5>{false, true, false, false, false}));
        QCOMPARE(FMain->Session().Position().Held, before.Held);
        QCOMPARE(FMain->Session().Position().Dice, before.Dice);
        QCOMPARE(FMain->Session().RollCount(), 0);
        QCOMPARE(Held(), QList<bool>({false, true, false, false, false}));

        // The next action takes the shown move away; after a roll the best is a write.
        QTest::mouseClick(FMain->btnBrasser, Qt::LeftButton);
        QCOMPARE(Advice(), QString());
        QCOMPARE(Marks(), QList<bool>({false, false, false, false, false}));
        FMain->mniHint->trigger();
        QVERIFY2(Advice().startsWith(QStringLiteral("Write Tolmir now: expected total 112.0; "
                                                    "keeping ")),
                 qPrintable(Advice()));
        QCOMPARE(Marks(), QList<bool>({false, false, false, false, false}));
        QCOMPARE(FAdvisor.asked.back().RollCount, 1);
        QCOMPARE(FMain->Session().RollCount(), 1);
    }

    void hintWaitsForTheTableWhileTheGameGoesOn() {
        FAdvisor.ready = false;
        FAdvisor.progress = 0.37;
        FMain->mniHint->trigger();
        QCOMPARE(FAdvisor.requests, 1);
        QVERIFY(FMain->pnlAdvisor->pbrAdvisor->isVisible());
        QCOMPARE(FMain->pnlAdvisor->pbrAdvisor->value(), 37);
        QVERIFY(!FMain->Session().HintShown());

        QTest::mouseClick(FMain->btnBrasser, Qt::LeftButton);
        QCOMPARE(FMain->Session().RollCount(), 1);
        QVERIFY2(FMain->pnlAdvisor->pbrAdvisor->isVisible(), "a roll keeps the progress");

        FAdvisor.ready = true;
        FAdvisor.OnChanged();
        QVERIFY(!FMain->pnlAdvisor->pbrAdvisor->isVisible());
        QCOMPARE(Advice(), QString::fromLatin1(TAdvisorPanel::kMsgReady));
        QVERIFY2(!FMain->Session().HintShown(), "no move was shown yet");
        FMain->mniHint->trigger();
        QVERIFY(FMain->Session().HintShown());
    }

    void hintedGameEndsOutsideTheTableAndItsReviewAddsUp() {
        FMain->mniHint->trigger();
        // Every line written with five sixes held before the first roll.
        for (int tag = 11; tag <= 21; ++tag) {
            for (int key = Qt::Key_F1; key <= Qt::Key_F5; ++key) {
                QTest::keyClick(FMain.get(), Qt::Key(key));
            }
            QTest::mouseClick(FMain->btnBrasser, Qt::LeftButton);
            Write(tag);
            if (tag == 11) {
                FMain->mniUndo->trigger(); // the review keeps only the write that stayed
                Write(tag);
            }
        }
        QCOMPARE(FMain->grdScore->Cell(1, rowTotal), std::string("125"));
        QCOMPARE(FPrompter.informations, std::vector<std::string>{TGameSession::kMsgHintedGame});
        QVERIFY(FPrompter.prompts.empty());

        int turns = 0;
        double lostSum = 0.0;
        QStringList firstTurn;
        QString summary;
        AnswerNextModal<TfrmReviewGame>([&](TfrmReviewGame* dialog) {
            turns = dialog->tvwTurns->topLevelItemCount();
            for (int i = 0; i < turns; ++i) {
                lostSum += dialog->tvwTurns->topLevelItem(i)->text(3).toDouble();
            }
            const QTreeWidgetItem* first = dialog->tvwTurns->topLevelItem(0);
            firstTurn << first->text(1) << first->text(2);
            for (int i = 0; i < first->childCount(); ++i) {
                firstTurn << first->child(i)->text(1) << first->child(i)->text(3);
            }
            summary = dialog->lblSummary->text();
            dialog->btnOk->click();
        });
        FMain->mniReviewGame->trigger();
        QCOMPARE(turns, 11);
        // Line 12 beat each earlier line by 12 minus its row: 12+11+...+7 + 4+3+2+1.
        QCOMPARE(lostSum, 67.0);
        QCOMPARE(firstTurn, QStringList({"6 6 6 6 6 in line 1: 0", "Write Tolmir",
                                         "Roll 1: Keep 6 6 6 6 6", "0.0", "Write line 1", "12.0"}));
        QCOMPARE(summary, QStringLiteral("Your decisions cost 67.0 points of expected score; "
                                         "optimal play from the start expects 187.1"));

        // A new game starts unhinted.
        FPrompter.answers = {true};
        FMain->mniNouvellePartie->trigger();
        QVERIFY(!FMain->Session().HintShown());
        QVERIFY(FMain->Session().Record().Turns().empty());
    }

    // The real service: a computation under way stops when its owner goes; a
    // damaged cache file is computed again and replaced by two copies at once;
    // the next copy loads it.
    void serviceReplacesADamagedCacheAndStopsOnRequest() {
        const QString path = CachePath();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(QByteArray(4096, 'x'));
        }
        auto stopped = std::make_unique<TAdvisorService>(path);
        stopped->Request();
        QTest::qWait(50);
        QElapsedTimer timer;
        timer.start();
        stopped.reset(); // cancels and joins the worker
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));

        // Two copies compute at once and both replace the damaged file.
        TAdvisorService other(path);
        other.Request();
        TAdvisorService service(path);
        int changes = 0;
        service.OnChanged = [&] { ++changes; };
        service.Request();
        QTRY_VERIFY_WITH_TIMEOUT(service.Ready() && other.Ready(), 240000);
        QVERIFY(!service.LoadedFromCache());
        QVERIFY(!other.LoadedFromCache());
        QVERIFY2(changes > 1, "progress was reported on the way");
        const double e0 = service.NewGameExpectation();

        TAdvisorService second(path);
        second.Request();
        QTRY_VERIFY_WITH_TIMEOUT(second.Ready(), 20000);
        QVERIFY(second.LoadedFromCache());
        QCOMPARE(second.NewGameExpectation(), e0);
    }

    // A whole game played by the real advisor's best moves through the window:
    // every write it offers scores what the sheet's hint shows, and the review
    // of the game finds no decision that cost anything.
    void followingTheAdviceCostsNothing() {
        FPrompter.confirmName = false; // the high-score dialog stays closed
        TAdvisorService service(CachePath());
        service.Request();
        QTRY_VERIFY_WITH_TIMEOUT(service.Ready(), 240000);
        TGameSession& session = FMain->Session();
        const QList<int> keys = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5};
        int decisions = 0;
        while (!session.GameOver() && decisions < 50) {
            ++decisions;
            const TAdvice advice = service.Advise(session.Position());
            QVERIFY(!advice.Options.empty());
            for (const TAdviceOption& option : advice.Options) {
                if (option.Kind == TAdviceKind::Write) {
                    QCOMPARE(std::to_string(option.Score), session.LineScore(option.Row));
                }
            }
            const TAdviceOption& best = advice.Best();
            if (best.Kind == TAdviceKind::Write) {
                Write(best.Row <= rowSixes ? 11 + best.Row : 17 + best.Row - rowStraight);
                continue;
            }
            for (int i = 0; i < 5; ++i) {
                if (Held()[i] != best.Keep[static_cast<std::size_t>(i)]) {
                    QTest::keyClick(FMain.get(), Qt::Key(keys[i]));
                }
            }
            QTest::mouseClick(FMain->btnBrasser, Qt::LeftButton);
        }
        QVERIFY(session.GameOver());
        // Without a hint the game ends as ever: it asks for the name.
        QCOMPARE(FPrompter.informations.size(), std::size_t{0});
        QCOMPARE(FPrompter.prompts.size(), std::size_t{1});

        const TGameReview review = ReviewGame(session.Record(), service);
        QCOMPARE(static_cast<int>(review.Turns.size()), 11);
        QVERIFY2(std::abs(review.Lost) < 1e-9, qPrintable(QString::number(review.Lost)));
        QCOMPARE(review.Optimal, service.NewGameExpectation());
    }
};

QTEST_MAIN(TestAdvisorWindow)
#include "test_advisor_window.moc"
