// The advisor in the main window: the question before the first hint of a game,
// the hint for a known position and its frames through holds, the wait for the
// table, a hinted game kept out of the high-score table and the review of a whole
// game; then the real table service: a damaged cache file, the first hint from
// the cache on disk, and a game played by its advice.

#include "../game/AdvisorFakes.h"
#include "../game/SessionFakes.h"
#include "ModalHelper.h"

#include "Accessibility.h"
#include "AdviceText.h"
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
    std::unique_ptr<TAdvisorService> FService; // goes after the window that uses it

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

    void Open(IAdvisorSource& AAdvisor) {
        FMain =
            std::make_unique<TfrmMain>(TfrmMainServices{&FPrompter, &FSound, &FClock, &AAdvisor});
        FHighScores = std::make_unique<TfrmHighScores>(FMain.get());
        FMain->SetHighScoresForm(FHighScores.get());
        FMain->show();
        FMain->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FMain.get()));
    }
    void Close() {
        FMain->SetHighScoresForm(nullptr);
        FHighScores.reset();
        FMain.reset();
    }
    // The real table's cache file, computed by the first case that needs it.
    bool CacheOnDisk() const {
        TAdvisorService service(CachePath());
        service.Request();
        QElapsedTimer timer;
        timer.start();
        while (!service.Ready() && timer.elapsed() < 240000) {
            QTest::qWait(50);
        }
        return service.Ready();
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
        FPrompter.questions.clear();
        FPrompter.answers.clear();
        FPrompter.confirmName = true;
        FClock = FakeClock();
        Open(FAdvisor);
    }

    void cleanup() {
        Close();
        FService.reset();
    }

    // The question comes first and once per game; the hint stays through holds,
    // its frames on the held dice of a value first; a roll takes it away.
    void hintAsksOnceAndFollowsTheHolds() {
        FPrompter.answers = {false};
        QTest::keyClick(FMain.get(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(FPrompter.questions.size(), std::size_t{1});
        QCOMPARE(FPrompter.questions[0].text, std::string(TGameSession::kMsgAskHint));
        QCOMPARE(Advice(), QString());
        QCOMPARE(FAdvisor.requests, 0);
        QVERIFY(FAdvisor.asked.empty());
        QVERIFY(!FMain->Session().HintShown());

        FPrompter.answers = {true};
        QTest::keyClick(FMain.get(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(Advice(), QStringLiteral("Roll all dice: expected total 100.0"));
        QCOMPARE(Marks(), QList<bool>({false, false, false, false, false}));
        QVERIFY(FMain->Session().HintShown());

        QTest::mouseClick(FMain->btnBrasser, Qt::LeftButton); // 3 2 3 1 5
        QCOMPARE(Advice(), QString());
        FAdvisor.bestKeep = std::array<int, 6>{0, 0, 1, 0, 0, 0}; // one of the two 3s
        const TTurnPosition before = FMain->Session().Position();
        FMain->mniHint->trigger();
        QCOMPARE(FPrompter.questions.size(), std::size_t{2});
        const QString hint =
            QStringLiteral("Keep 3: expected total 120.0; writing Tolmir now: 112.0");
        QCOMPARE(Advice(), hint);
        // A screen reader hears the move as it is shown.
        QCOMPARE(FMain->findChild<TAnnouncer*>()->LastAnnouncement(), hint);
        QCOMPARE(Marks(), QList<bool>({true, false, false, false, false}));
        QCOMPARE(FMain->Session().Position().Dice, before.Dice);
        QCOMPARE(Held(), QList<bool>({false, false, false, false, false}));

        QTest::keyClick(FMain.get(), Qt::Key_F3); // the other 3 held: the frame goes to it
        QCOMPARE(Marks(), QList<bool>({false, false, true, false, false}));
        QTest::mouseClick(FMain->dice5, Qt::LeftButton);
        QTest::keyClick(FMain.get(), Qt::Key_F1);
        QCOMPARE(Marks(), QList<bool>({true, false, false, false, false}));
        QTest::keyClick(FMain.get(), Qt::Key_F1);
        QCOMPARE(Marks(), QList<bool>({false, false, true, false, false}));
        FMain->mniUndo->trigger(); // nothing to undo: nothing changes
        QCOMPARE(Advice(), hint);
        QCOMPARE(FAdvisor.asked.size(), std::size_t{2});

        QTest::mouseClick(FMain->btnBrasser, Qt::LeftButton);
        QCOMPARE(FMain->Session().RollCount(), 2);
        QCOMPARE(Advice(), QString());
        QCOMPARE(Marks(), QList<bool>({false, false, false, false, false}));
        QCOMPARE(FPrompter.questions.size(), std::size_t{2});
    }

    // While the table is computed the game goes on; the hint then appears by
    // itself, unless the dice or the roll count changed meanwhile.
    void hintAppearsByItselfWhenTheTableIsReady() {
        FAdvisor.ready = false;
        FAdvisor.progress = 0.37;
        QTest::mouseClick(FMain->btnBrasser, Qt::LeftButton);
        FPrompter.answers = {true};
        FMain->mniHint->trigger();
        QCOMPARE(FAdvisor.requests, 1);
        QVERIFY(FMain->pnlAdvisor->pbrAdvisor->isVisible());
        QCOMPARE(FMain->pnlAdvisor->pbrAdvisor->value(), 37);
        QVERIFY(!FMain->Session().HintShown());
        QTest::keyClick(FMain.get(), Qt::Key_F2);
        QTest::mouseClick(FMain->btnBrasser, Qt::LeftButton);
        QVERIFY2(FMain->pnlAdvisor->pbrAdvisor->isVisible(), "a roll keeps the progress");

        FAdvisor.ready = true;
        FAdvisor.OnChanged();
        QVERIFY(!FMain->pnlAdvisor->pbrAdvisor->isVisible());
        QCOMPARE(Advice(), QString());
        QVERIFY(FAdvisor.asked.empty());
        QVERIFY(!FMain->Session().HintShown());

        FAdvisor.ready = false;
        FMain->mniHint->trigger();
        QVERIFY(FMain->pnlAdvisor->pbrAdvisor->isVisible());
        QTest::keyClick(FMain.get(), Qt::Key_F2); // a hold is no new position
        FAdvisor.ready = true;
        FAdvisor.OnChanged();
        QVERIFY2(Advice().startsWith(QStringLiteral("Write Tolmir now: expected total 112.0")),
                 qPrintable(Advice()));
        QCOMPARE(FMain->findChild<TAnnouncer*>()->LastAnnouncement(), Advice());
        QVERIFY(FMain->Session().HintShown());
        QCOMPARE(FPrompter.questions.size(), std::size_t{1});
    }

    void hintedGameEndsOutsideTheTableAndItsReviewAddsUp() {
        FPrompter.answers = {true};
        FMain->mniHint->trigger();
        QVERIFY(FMain->Session().HintShown());
        // Every line written with a first roll of five sixes.
        FClock.time = kFiveSixesTime;
        for (int tag = 11; tag <= 21; ++tag) {
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
        QCOMPARE(firstTurn,
                 QStringList({"6 6 6 6 6 in line 1: 0", "Write Tolmir", "Write line 1", "12.0"}));
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

    // With the table on disk, the first hint of a run comes with the request.
    void firstHintComesAtOnceFromTheCache() {
        QVERIFY(CacheOnDisk());
        Close();
        FService = std::make_unique<TAdvisorService>(CachePath());
        Open(*FService);
        QVERIFY(!FService->Ready());
        QTest::mouseClick(FMain->btnBrasser, Qt::LeftButton);
        FPrompter.answers = {true};
        QTest::keyClick(FMain.get(), Qt::Key_I, Qt::ControlModifier);
        QVERIFY(FService->LoadedFromCache());
        QVERIFY(!FMain->pnlAdvisor->pbrAdvisor->isVisible());
        const TTurnPosition position = FMain->Session().Position();
        const TAdvice advice = FService->Advise(position);
        const TAdviceOption* choice = HintChoice(advice);
        QVERIFY(choice != nullptr);
        const QString hint = QString::fromStdString(HintText(advice, position.Dice));
        QVERIFY(!hint.isEmpty());
        QCOMPARE(Advice(), hint);
        QList<bool> framed;
        for (bool keep : choice->Keep) {
            framed << (keep && choice->Kind == TAdviceKind::Roll);
        }
        QCOMPARE(Marks(), framed);

        QTest::keyClick(FMain.get(), Qt::Key_F4);
        QCOMPARE(Advice(), hint);
        QTest::mouseClick(FMain->btnBrasser, Qt::LeftButton);
        QCOMPARE(Advice(), QString());
    }

    // A whole game played by the real advisor's best moves through the window:
    // every write it offers scores what the sheet's hint shows, and the review
    // of the game finds no decision that cost anything.
    void followingTheAdviceCostsNothing() {
        QVERIFY(CacheOnDisk());
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
            // A new seed for each roll, as the clock moves on between rolls.
            FClock.time = TSystemTime{12, 34, decisions % 60, decisions * 37 % 1000};
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
