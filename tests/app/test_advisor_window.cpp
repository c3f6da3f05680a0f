// The advisor in the main window: the question before the first hint of a game,
// the hint for a known position and its frames through holds, the wait for the
// table, a hinted game kept out of the high-score table and the review of a whole
// game; then the real table service: a damaged cache file, the first hint from
// the cache on disk, and a game played by its advice.

#include "tests/support/AdvisorFakes.h"
#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/MainWindowParts.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/SessionFakes.h"

#include "advisor/AdviceText.h"
#include "app/Accessibility.h"
#include "app/AdvisorPanel.h"
#include "app/ScoreGrid.h"
#include "app/uMain.h"
#include "controls/VHDice.h"
#include "dialogs/uHighScores.h"
#include "dialogs/uReviewGame.h"
#include "platform/AdvisorService.h"
#include "platform/Application.h"
#include "platform/SpokenNotice.h"
#include "tests/support/PrivateRegistry.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <atomic>
#include <stdexcept>

class TestAdvisorWindow : public QObject {
    Q_OBJECT

    TErrorBoxGuard FErrorBoxes; // a box is a failure, reported at once

    std::unique_ptr<TPrivateRegistry> FRegistry;
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
    static std::filesystem::path Native(const QString& APath) {
        return QFileInfo(APath).filesystemFilePath();
    }
    static QByteArray FileBytes(const QString& APath) {
        QFile file(APath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString Advice() const { return Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->lblAdvice->text(); }
    QList<bool> Marks() const {
        QList<bool> marks;
        for (QFrame* mark : Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->FKeepMarks) {
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
        for (QAction* item : GameItems(*FMain)) {
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
        TAdvisorService service(Native(CachePath()));
        service.Request();
        QElapsedTimer timer;
        timer.start();
        while (!service.Ready() && timer.elapsed() < 240000) {
            QTest::qWait(50);
        }
        return service.Ready();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        FRegistry = std::make_unique<TPrivateRegistry>();
        FAdvisor = RuleAdvisor();
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
        FRegistry.reset();
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

        QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton); // 3 2 3 1 5
        QCOMPARE(Advice(), QString());
        QTRY_VERIFY(!FMain->findChild<TAnnouncer*>()->Pending()); // the roll has been said
        FAdvisor.bestKeep = std::array<int, 6>{0, 0, 1, 0, 0, 0}; // one of the two 3s
        const TTurnPosition before = FMain->Session().Position();
        Part<QAction>(*FMain, "mniHint")->trigger();
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
        QTest::mouseClick(Part<TVHDice>(*FMain, "dice5"), Qt::LeftButton);
        QTest::keyClick(FMain.get(), Qt::Key_F1);
        QCOMPARE(Marks(), QList<bool>({true, false, false, false, false}));
        QTest::keyClick(FMain.get(), Qt::Key_F1);
        QCOMPARE(Marks(), QList<bool>({false, false, true, false, false}));
        Part<QAction>(*FMain, "mniUndo")->trigger(); // nothing to undo: nothing changes
        QCOMPARE(Advice(), hint);
        QCOMPARE(FAdvisor.asked.size(), std::size_t{2});

        QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton);
        QCOMPARE(FMain->Session().RollCount(), 2);
        QCOMPARE(Advice(), QString());
        QCOMPARE(Marks(), QList<bool>({false, false, false, false, false}));
        QCOMPARE(FPrompter.questions.size(), std::size_t{2});
    }

    // The marks draw the move that the text says: a screen reader meets no
    // unnamed frames among the dice.
    void keepMarksStayOutOfTheAccessibilityTree() {
        QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton); // 3 2 3 1 5
        FAdvisor.bestKeep = std::array<int, 6>{0, 0, 1, 0, 0, 0};
        FPrompter.answers = {true};
        Part<QAction>(*FMain, "mniHint")->trigger();
        QCOMPARE(Marks(), QList<bool>({true, false, false, false, false}));
        QAccessibleInterface* group =
            QAccessible::queryAccessibleInterface(Part<QGroupBox>(*FMain, "pnlJuboHand"));
        QVERIFY(group != nullptr);
        QStringList exposed;
        for (int i = 0; i < group->childCount(); ++i) {
            QAccessibleInterface* child = group->child(i);
            QVERIFY(child != nullptr);
            exposed << child->object()->objectName();
        }
        for (const QString& name : exposed) {
            QVERIFY2(!name.startsWith(QStringLiteral("shpKeep")), qPrintable(exposed.join(' ')));
        }
        QVERIFY2(exposed.size() >= 5, qPrintable(exposed.join(' ')));
    }

    // While the table is computed the game goes on; the hint then appears by
    // itself, unless the dice or the roll count changed meanwhile.
    void hintAppearsByItselfWhenTheTableIsReady() {
        FAdvisor.ready = false;
        FAdvisor.progress = 0.37;
        QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton);
        FPrompter.answers = {true};
        Part<QAction>(*FMain, "mniHint")->trigger();
        QCOMPARE(FAdvisor.requests, 1);
        QVERIFY(Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->pbrAdvisor->isVisible());
        QCOMPARE(Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->pbrAdvisor->value(), 35);
        QVERIFY(!FMain->Session().HintShown());
        QTest::keyClick(FMain.get(), Qt::Key_F2);
        QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton);
        QVERIFY2(Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->pbrAdvisor->isVisible(),
                 "a roll keeps the progress");

        FAdvisor.ready = true;
        FAdvisor.OnChanged();
        QVERIFY(!Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->pbrAdvisor->isVisible());
        QCOMPARE(Advice(), QString());
        QVERIFY(FAdvisor.asked.empty());
        QVERIFY(!FMain->Session().HintShown());

        FAdvisor.ready = false;
        Part<QAction>(*FMain, "mniHint")->trigger();
        QVERIFY(Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->pbrAdvisor->isVisible());
        QTest::keyClick(FMain.get(), Qt::Key_F2);                 // a hold is no new position
        QTRY_VERIFY(!FMain->findChild<TAnnouncer*>()->Pending()); // the hold has been said
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
        Part<QAction>(*FMain, "mniHint")->trigger();
        QVERIFY(FMain->Session().HintShown());
        // Every line written with a first roll of five sixes.
        FClock.time = kFiveSixesTime;
        for (int tag = 11; tag <= 21; ++tag) {
            QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton);
            Write(tag);
            if (tag == 11) {
                Part<QAction>(*FMain, "mniUndo")
                    ->trigger(); // the review keeps only the write that stayed
                Write(tag);
            }
        }
        QCOMPARE(Part<TScoreGrid>(*FMain, "grdScore")->Cell(1, rowTotal), std::string("125"));
        QVERIFY(FPrompter.prompts.empty());

        // The table must be worked out first: the review then opens by itself.
        FAdvisor.ready = false;
        Part<QAction>(*FMain, "mniReviewGame")->trigger();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        int turns = 0;
        double lostSum = 0.0;
        QStringList headers;
        QStringList firstTurn;
        QString summary;
        QString name;
        bool listFocused = false;
        QString spokenFirst;
        AnswerNextModal<TfrmReviewGame>([&](TfrmReviewGame* dialog) {
            spokenFirst = dialog->findChild<TSpokenNotice*>()->Text();
            QTreeWidget* tree = dialog->tvwTurns;
            name = tree->accessibleName();
            listFocused = tree->hasFocus();
            for (int column = 0; column < tree->columnCount(); ++column) {
                headers << tree->headerItem()->text(column);
            }
            for (int i = 0; i < tree->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* row = tree->topLevelItem(i);
                if (row->text(0).startsWith(QStringLiteral("Turn"))) {
                    ++turns;
                    lostSum += row->text(4).toDouble();
                }
                for (int column = 0; i < 2 && column < tree->columnCount(); ++column) {
                    firstTurn << row->data(column, Qt::AccessibleTextRole).toString();
                }
            }
            summary = dialog->lblSummary->text();
            dialog->btnOk->click();
        });
        FAdvisor.ready = true;
        FAdvisor.OnChanged();
        QCOMPARE(turns, 11);
        QVERIFY(!name.isEmpty());
        QVERIFY(listFocused);
        QCOMPARE(headers, QStringList({"Roll", "Dice", "Your move", "Best move", "Points lost"}));
        // Line 12 beat each earlier line by 12 minus its row: 12+11+...+7 + 4+3+2+1.
        QCOMPARE(lostSum, 67.0);
        // A screen reader hears each cell with its column.
        QCOMPARE(firstTurn,
                 QStringList({"", "Dice 6 6 6 6 6", "Your move line 1: 0", "Best move Write Tolmir",
                              "Points lost 12.0", "", "Dice 6 6 6 6 6", "Your move Write line 1",
                              "Best move Write Tolmir", "Points lost 12.0"}));
        // As the review opens, its first row is said.
        QCOMPARE(spokenFirst,
                 QStringLiteral("Turn 1, Dice 6 6 6 6 6, Your move line 1: 0, Best move "
                                "Write Tolmir, Points lost 12.0"));
        QCOMPARE(summary, QStringLiteral("Your decisions cost 67.0 points of expected score; "
                                         "optimal play from the start expects 187.1"));
        QCOMPARE(Advice(), QString());

        // A new game starts unhinted.
        FPrompter.answers = {true};
        Part<QAction>(*FMain, "mniNouvellePartie")->trigger();
        QVERIFY(!FMain->Session().HintShown());
        QVERIFY(FMain->Session().Record().Turns().empty());
    }

    // The real service: a computation under way stops when its owner goes and
    // leaves the cache file as it was; a damaged cache file is computed again
    // and replaced; the next copy loads it. The only computation of the table in
    // this file: the next test loads what it cached.
    void serviceReplacesADamagedCacheAndStopsOnRequest() {
        const QString path = CachePath();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        const QByteArray damage(4096, 'x');
        {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(damage);
        }
        auto stopped = std::make_unique<TAdvisorService>(Native(path));
        stopped->Request();
        QTRY_VERIFY(stopped->Progress() > 0.0);
        stopped.reset(); // cancels and joins the worker, which saves nothing
        QCOMPARE(FileBytes(path), damage);

        TAdvisorService service(Native(path));
        int changes = 0;
        service.OnChanged = [&] { ++changes; };
        service.Request();
        QTRY_VERIFY_WITH_TIMEOUT(service.Ready() || !service.Failure().empty(), 240000);
        QCOMPARE(service.Failure(), std::string());
        QVERIFY(!service.LoadedFromCache());
        QVERIFY2(changes > 1, "progress was reported on the way");
        QVERIFY(FileBytes(path) != damage);
        const double e0 = service.NewGameExpectation();

        TAdvisorService second(Native(path));
        second.Request();
        QTRY_VERIFY_WITH_TIMEOUT(second.Ready() || !second.Failure().empty(), 20000);
        QVERIFY(second.LoadedFromCache());
        QCOMPARE(second.NewGameExpectation(), e0);
    }

    // With the table on disk, the first hint of a run comes with the request.
    void firstHintComesAtOnceFromTheCache() {
        QVERIFY(CacheOnDisk());
        Close();
        FService = std::make_unique<TAdvisorService>(Native(CachePath()));
        Open(*FService);
        QVERIFY(!FService->Ready());
        QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton);
        FPrompter.answers = {true};
        QTest::keyClick(FMain.get(), Qt::Key_I, Qt::ControlModifier);
        QVERIFY(FService->LoadedFromCache());
        QVERIFY(!Part<TAdvisorPanel>(*FMain, "pnlAdvisor")->pbrAdvisor->isVisible());
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
        QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton);
        QCOMPARE(Advice(), QString());
    }

    // The default cache path keeps a folder name from the environment that is no
    // UTF-8 byte for byte: the table cached there is found there.
    void theCacheFolderKeepsTheEnvironmentsBytes() {
#ifdef Q_OS_WIN
        QSKIP("Windows takes the folder from its own wide-character API");
#else
        QVERIFY(CacheOnDisk());
        const std::filesystem::path folder = Native(FCache.path()) / "caf\xe9";
        const std::filesystem::path file = folder / "Varnholt" / "Tolmir" / "advisor.table";
        std::filesystem::create_directories(file.parent_path());
        std::filesystem::copy_file(Native(CachePath()), file);
        const QByteArray old = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", QByteArray(folder.c_str()));
        const std::filesystem::path path = TAdvisorService::DefaultCachePath();
        TAdvisorService service;
        service.Request();
        if (old.isNull()) {
            qunsetenv("XDG_CACHE_HOME");
        } else {
            qputenv("XDG_CACHE_HOME", old);
        }
        // Qt cannot name the folder to remove it with the temporary one.
        std::filesystem::remove_all(folder);
        QVERIFY2(path == file, path.c_str());
        QVERIFY(service.LoadedFromCache());
#endif
    }

    // Whatever the worker throws stays on the worker: the panel says in one
    // sentence what went wrong, and asking again tries again.
    void aFailingWorkerIsShownAndTriedAgain() {
        std::atomic<int> builds{0};
        // No cache file there: the request goes to the worker.
        TAdvisorService service(Native(FCache.path() + QStringLiteral("/none/advisor.table")),
                                nullptr,
                                [&](TAdvisorTable&, const std::function<void(double)>&,
                                    const std::atomic<bool>*) -> bool {
                                    if (++builds == 1) {
                                        throw std::runtime_error("the disk is full");
                                    }
                                    throw 42;
                                });
        FPrompter.answers = {true, true};
        // The window's own advisor is a fake: a panel of its own drives the service.
        TAdvisorPanel own(FMain->centralWidget(), service, FMain->Session(),
                          {FMain->AllDice()[0], FMain->AllDice()[1], FMain->AllDice()[2],
                           FMain->AllDice()[3], FMain->AllDice()[4]});
        own.ShowHint();
        QTRY_VERIFY(!service.Failure().empty());
        QTRY_COMPARE(own.lblAdvice->text(),
                     QStringLiteral("The advisor could not work out the best moves "
                                    "(the disk is full); ask again to retry."));
        QVERIFY(!own.pbrAdvisor->isVisible());
        QVERIFY(!service.Ready());

        own.ShowHint();
        QTRY_COMPARE(builds.load(), 2);
        QTRY_COMPARE(own.lblAdvice->text(),
                     QStringLiteral("The advisor could not work out the best moves "
                                    "(Unknown error); ask again to retry."));
    }

    // A whole game played by the real advisor's best moves through the window:
    // every write it offers scores what the sheet's hint shows, the game ends
    // with the total those scores make, and the game's record holds the moves
    // as they were made.
    void followingTheAdviceScoresWhatItSays() {
        FPrompter.confirmName = false; // the high-score dialog stays closed
        TAdvisorService service(Native(CachePath()));
        service.Request();
        QTRY_VERIFY_WITH_TIMEOUT(service.Ready() || !service.Failure().empty(), 240000);
        QCOMPARE(service.Failure(), std::string());
        TGameSession& session = FMain->Session();
        const QList<int> keys = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5};
        std::vector<TDecision> made;
        int upper = 0;
        int lower = 0;
        while (!session.GameOver() && made.size() < 50) {
            const TAdvice advice = service.Advise(session.Position());
            QVERIFY(!advice.Options.empty());
            for (const TAdviceOption& option : advice.Options) {
                if (option.Kind == TAdviceKind::Write) {
                    QCOMPARE(std::to_string(option.Score), session.LineScore(option.Row));
                }
            }
            const TAdviceOption& best = advice.Best();
            if (best.Kind == TAdviceKind::Write) {
                made.push_back({session.Position(), TAdviceKind::Write, best.Row});
                (best.Row <= rowSixes ? upper : lower) += best.Score;
                Write(best.Row <= rowSixes ? 11 + best.Row : 17 + best.Row - rowStraight);
                continue;
            }
            for (int i = 0; i < 5; ++i) {
                if (Held()[i] != best.Keep[static_cast<std::size_t>(i)]) {
                    QTest::keyClick(FMain.get(), Qt::Key(keys[i]));
                }
            }
            made.push_back({session.Position(), TAdviceKind::Roll, -1});
            QCOMPARE(made.back().Position.Held, best.Keep);
            // A new seed for each roll, as the clock moves on between rolls.
            const int rolls = static_cast<int>(made.size());
            FClock.time = TSystemTime{12, 34, rolls % 60, rolls * 37 % 1000};
            QTest::mouseClick(Part<QPushButton>(*FMain, "btnBrasser"), Qt::LeftButton);
        }
        QVERIFY(session.GameOver());
        QCOMPARE(Part<TScoreGrid>(*FMain, "grdScore")->Cell(1, rowTotal),
                 std::to_string(upper + BonusOf(upper) + lower));
        // Without a hint the game ends as ever: it asks for the name.
        QCOMPARE(FPrompter.prompts.size(), std::size_t{1});

        std::vector<TDecision> recorded;
        for (const TTurnRecord& turn : session.Record().Turns()) {
            recorded.insert(recorded.end(), turn.Decisions.begin(), turn.Decisions.end());
        }
        // The review prices every one of those moves among the advisor's choices.
        QCOMPARE(ReviewGame(session.Record(), service).Turns.size(), std::size_t{11});
        QCOMPARE(recorded.size(), made.size());
        for (std::size_t i = 0; i < made.size(); ++i) {
            QCOMPARE(recorded[i].Kind, made[i].Kind);
            QCOMPARE(recorded[i].Row, made[i].Row);
            QCOMPARE(recorded[i].Position.Held, made[i].Position.Held);
            QCOMPARE(recorded[i].Position.Dice, made[i].Position.Dice);
            QCOMPARE(recorded[i].Position.RollCount, made[i].Position.RollCount);
        }
    }
};

QTEST_MAIN(TestAdvisorWindow)
#include "test_advisor_window.moc"
