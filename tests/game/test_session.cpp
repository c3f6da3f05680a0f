#include "game/GameSession.h"
#include "game/TolmirError.h"
#include "tests/support/SessionFakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class Session : public ::testing::Test {
protected:
    Session() {
        for (int i = 0; i < 5; ++i) {
            dice.emplace_back(log, i + 1);
        }
        TGameSessionParts parts;
        for (std::size_t i = 0; i < 5; ++i) {
            parts.Dice[i] = &dice[i];
        }
        parts.Sheet = &sheet;
        parts.View = &view;
        parts.Prompter = &prompter;
        parts.Sound = &sound;
        parts.Settings = &settings;
        parts.HighScores = &highScores;
        parts.Clock = &clock;
        parts.Announcer = &announcer;
        session = std::make_unique<TGameSession>(parts);
        session->LabelSheet();
    }

    std::vector<int> DiceValues() const {
        std::vector<int> values;
        for (const FakeDie& d : dice) {
            values.push_back(d.value);
        }
        return values;
    }
    std::vector<bool> HeldFlags() const {
        std::vector<bool> flags;
        for (const FakeDie& d : dice) {
            flags.push_back(d.held);
        }
        return flags;
    }
    std::string Score(int row) const { return sheet.cells[kScoreCol][row]; }
    void PressRow(int row) { session->grdScoreMouseDown(100, row * 25 + 12); }
    void HoldAll() {
        for (int tag = 1; tag <= 5; ++tag) {
            session->mniJeuClick(tag);
        }
    }
    // From now on every roll of five dice shows five sixes.
    void RollSixes() { clock.time = kFiveSixesTime; }
    // Ten lines written with a first-roll five sixes, then the sheet tuned so
    // that writing the five-of-a-kind line (35 on a first roll) gives ATotal.
    void PlayToLastLine(int ATotal) {
        RollSixes();
        for (int row : {0, 1, 2, 3, 4, 5, 8, 9, 10, 11}) {
            session->btnBrasserClick();
            PressRow(row);
        }
        ASSERT_EQ(session->FilledLines(), 10);
        for (int row : {0, 1, 2, 3, 4, 5, 9, 10, 11}) {
            sheet.cells[kScoreCol][row] = "0";
        }
        sheet.cells[kScoreCol][rowStraight] = std::to_string(ATotal - 35);
        session->btnBrasserClick();
        log.clear();
    }
    template <typename Action> std::string ErrorOf(Action action) {
        try {
            action();
        } catch (const TolmirError& e) {
            return e.what();
        }
        return {};
    }

    EventLog log;
    std::vector<FakeDie> dice;
    FakeSheet sheet{log};
    FakeView view{log};
    FakePrompter prompter{log};
    FakeSound sound{log};
    FakeSettings settings;
    FakeHighScores highScores{log};
    FakeClock clock;
    FakeAnnouncer announcer;
    std::unique_ptr<TGameSession> session;
};

TEST_F(Session, StartsWithLabelledSheetAndNoGame) {
    EXPECT_EQ(sheet.cells[kLabelCol][0], "1");
    EXPECT_EQ(sheet.cells[kLabelCol][rowJubo], "Tolmir");
    for (int row = 0; row < rowTotal; ++row) {
        EXPECT_EQ(Score(row), "") << row;
    }
    EXPECT_EQ(Score(rowTotal), "0");
    EXPECT_FALSE(session->GameInProgress());
    EXPECT_TRUE(session->FormCloseQuery());
    EXPECT_TRUE(prompter.questions.empty());
}

TEST_F(Session, RollPlaysSoundFirstThenShufflesInOrderAndCounts) {
    session->btnBrasserClick();
    // Seed 45296789 (12:34:56.789 UTC) draws 3, 2, 3, 1, 5.
    EXPECT_EQ(DiceValues(), (std::vector<int>{3, 2, 3, 1, 5}));
    EXPECT_EQ(session->Hand(), (TDiceHand{1, 2, 3, 3, 5}));
    EXPECT_EQ(log, (EventLog{"sound:DiceRoll", "shuffle1", "shuffle2", "shuffle3", "shuffle4",
                             "shuffle5", "hints", "processMessages"}));
    EXPECT_EQ(session->RollCount(), 1);
    EXPECT_EQ(view.shuffleCount, "1");
    EXPECT_EQ(view.totalCount, "14");
    EXPECT_EQ(Score(rowSubTotal), "0");
    EXPECT_EQ(Score(rowBonus), "0");
    EXPECT_EQ(Score(rowTotal), "0");
}

TEST_F(Session, HeldDiceDrawNothingAndSoundCanBeOff) {
    settings.sound = false;
    session->btnBrasserClick(); // 3 2 3 1 5
    session->mniJeuClick(2);
    session->mniJeuClick(4);
    log.clear();
    session->btnBrasserClick();
    // The three free dice take the first three draws of the seed.
    EXPECT_EQ(DiceValues(), (std::vector<int>{3, 2, 2, 1, 3}));
    EXPECT_EQ(log, (EventLog{"shuffle1", "shuffle3", "shuffle5", "hints", "processMessages"}));
}

TEST_F(Session, FourthRollIsRefusedSilentlyWithoutChange) {
    for (int i = 0; i < 3; ++i) {
        session->btnBrasserClick();
    }
    const auto before = DiceValues();
    log.clear();
    EXPECT_EQ(ErrorOf([&] { session->btnBrasserClick(); }), TGameSession::kMsgNoMoreRolls);
    EXPECT_TRUE(log.empty()) << "no sound, no shuffle";
    EXPECT_EQ(DiceValues(), before);
    EXPECT_EQ(session->RollCount(), 3);
}

TEST_F(Session, FiveOfAKindPlaysTheFanfareAfterThePaint) {
    RollSixes();
    session->btnBrasserClick();
    EXPECT_EQ(DiceValues(), (std::vector<int>{6, 6, 6, 6, 6}));
    EXPECT_EQ(session->RollCount(), 1);
    EXPECT_EQ(session->LineScore(rowJubo), "35");
    EXPECT_EQ(session->LineScore(rowFull), "30");
    EXPECT_EQ(log, (EventLog{"sound:DiceRoll", "shuffle1", "shuffle2", "shuffle3", "shuffle4",
                             "shuffle5", "hints", "processMessages", "sound:Tada"}));
    // A roll with all five held is still a roll: no die is drawn, the premium goes.
    HoldAll();
    log.clear();
    session->btnBrasserClick();
    EXPECT_EQ(session->RollCount(), 2);
    EXPECT_EQ(DiceValues(), (std::vector<int>{6, 6, 6, 6, 6}));
    EXPECT_EQ(session->LineScore(rowJubo), "30");
    EXPECT_EQ(session->LineScore(rowFull), "25");
    EXPECT_EQ(log, (EventLog{"sound:DiceRoll", "hints", "processMessages", "sound:Tada"}));
}

TEST_F(Session, RefusalsBeforeTheFirstRollOfATurn) {
    EXPECT_EQ(ErrorOf([&] { PressRow(0); }), TGameSession::kMsgRollFirst);
    EXPECT_EQ(ErrorOf([&] { session->mniJeuClick(11); }), TGameSession::kMsgRollFirst);
    EXPECT_EQ(ErrorOf([&] { session->DiceClick(); }), TGameSession::kMsgRollFirst);
    EXPECT_EQ(Score(0), "");
    EXPECT_EQ(session->FilledLines(), 0);
    session->btnBrasserClick();
    EXPECT_NO_THROW(session->DiceClick());
}

// A hold command is refused where a click on a die is: at a game's start, after
// a write and after the last line. Otherwise it toggles.
TEST_F(Session, HoldCommandsNeedARollOfTheTurn) {
    const auto refusedEverywhere = [&] {
        for (int tag = 1; tag <= 5; ++tag) {
            EXPECT_EQ(ErrorOf([&] { session->mniJeuClick(tag); }), TGameSession::kMsgRollFirst)
                << tag;
        }
        EXPECT_EQ(HeldFlags(), std::vector<bool>(5, false));
    };
    refusedEverywhere();
    EXPECT_TRUE(announcer.said.empty());
    session->btnBrasserClick();
    session->mniJeuClick(1);
    session->mniJeuClick(5);
    EXPECT_EQ(HeldFlags(), (std::vector<bool>{true, false, false, false, true}));
    session->mniJeuClick(5);
    EXPECT_EQ(HeldFlags(), (std::vector<bool>{true, false, false, false, false}));
    PressRow(0);
    refusedEverywhere();
    PlayToLastLine(120);
    session->mniJeuClick(21);
    ASSERT_TRUE(session->GameOver());
    refusedEverywhere();
}

TEST_F(Session, WritingALineStartsANewTurn) {
    session->btnBrasserClick(); // 1 2 3 3 5
    session->mniJeuClick(3);
    log.clear();
    PressRow(2); // "3"
    EXPECT_EQ(Score(2), "6");
    EXPECT_EQ(DiceValues(), (std::vector<int>{6, 6, 6, 6, 6}));
    EXPECT_EQ(HeldFlags(), std::vector<bool>(5, false));
    EXPECT_EQ(session->RollCount(), 0);
    EXPECT_EQ(view.shuffleCount, "0");
    EXPECT_EQ(view.totalCount, "14") << "the hand just written";
    EXPECT_EQ(Score(rowSubTotal), "6");
    EXPECT_EQ(Score(rowTotal), "6");
    EXPECT_EQ(session->FilledLines(), 1);
    EXPECT_NE(std::find(log.begin(), log.end(), "invalidate"), log.end());
    EXPECT_TRUE(session->GameInProgress());
}

TEST_F(Session, PressesOutsideAFreeLineWriteNothing) {
    session->btnBrasserClick();
    PressRow(2);
    session->btnBrasserClick();
    const auto cells = sheet.cells;
    for (auto [x, y] : std::vector<std::pair<int, int>>{{100, 2 * 25 + 5},
                                                        {100, rowSubTotal * 25 + 5},
                                                        {100, rowBonus * 25 + 5},
                                                        {100, rowTotal * 25 + 5},
                                                        {10, 5},
                                                        {10, rowJubo * 25},
                                                        {500, 5},
                                                        {100, 1000}}) {
        session->grdScoreMouseDown(x, y);
    }
    EXPECT_EQ(sheet.cells, cells);
    EXPECT_EQ(session->RollCount(), 1);
    EXPECT_EQ(session->FilledLines(), 1);
}

TEST_F(Session, WriteCommandsReachTheirRows) {
    const std::vector<int> rows = {0,           1,       2,       3,      4,      5,
                                   rowStraight, rowFull, rowHigh, rowLow, rowJubo};
    for (int tag = 11; tag <= 21; ++tag) {
        session->btnBrasserClick();
        session->mniJeuClick(tag);
        const int row = rows[static_cast<std::size_t>(tag - 11)];
        EXPECT_NE(Score(row), "") << "tag " << tag;
        EXPECT_EQ(session->FilledLines(), tag - 10);
    }
    session->mniJeuClick(22); // other tags do nothing
    session->mniJeuClick(0);
    EXPECT_EQ(session->FilledLines(), 11);
}

TEST_F(Session, UndoRestoresTheTurnOnceOnlyBeforeTheNextRoll) {
    session->btnBrasserClick(); // 3 2 3 1 5
    session->mniJeuClick(2);
    PressRow(rowFull);
    EXPECT_EQ(Score(rowFull), "0");
    log.clear();
    session->mniUndoClick();
    EXPECT_EQ(Score(rowFull), "");
    EXPECT_EQ(DiceValues(), (std::vector<int>{3, 2, 3, 1, 5}));
    EXPECT_EQ(HeldFlags(), (std::vector<bool>{false, true, false, false, false}));
    EXPECT_EQ(session->RollCount(), 1);
    EXPECT_EQ(view.shuffleCount, "1");
    EXPECT_EQ(Score(rowTotal), "0");
    EXPECT_EQ(log.back(), "hints");
    EXPECT_EQ(session->FilledLines(), 0);

    session->mniUndoClick(); // a second undo does nothing
    EXPECT_EQ(session->RollCount(), 1);
    session->btnBrasserClick();
    session->btnBrasserClick();
    EXPECT_EQ(ErrorOf([&] { session->btnBrasserClick(); }), TGameSession::kMsgNoMoreRolls);

    PressRow(0);
    session->btnBrasserClick();
    session->mniUndoClick(); // after the next roll: nothing
    EXPECT_NE(Score(0), "");
}

// The texts themselves are checked with the window; here, what says nothing: a
// refusal that its box says already, a press beside the scores, a question
// answered No. A press on a sum says that it is counted.
TEST_F(Session, RefusalsInABoxAndMissedPressesAnnounceNothing) {
    for (int roll = 0; roll < 3; ++roll) {
        session->btnBrasserClick();
    }
    announcer.said.clear();
    ErrorOf([&] { session->btnBrasserClick(); });
    session->grdScoreMouseDown(20, 12); // the label of line "1"
    prompter.answers = {false, true};
    session->mniNouvellePartieClick();
    EXPECT_TRUE(announcer.said.empty());
    PressRow(rowTotal);
    EXPECT_EQ(announcer.said, std::vector<std::string>{"Total is counted, not written"});
    session->mniNouvellePartieClick();
    EXPECT_EQ(announcer.said.back(), "New game");
}

TEST_F(Session, LastLineIsAnnouncedBeforeTheNamePrompt) {
    PlayToLastLine(130);
    announcer.log = &log;
    session->mniJeuClick(21);
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(log[1], "announce:Tolmir: 35 written. Total 130");
    EXPECT_EQ(log[3], "announce:Game over. Total 130, a new high score");
    EXPECT_EQ(log[4], "prompt");
    // The prompt itself tells a screen reader why it asks.
    EXPECT_EQ(prompter.spokenNotes, std::vector<std::string>{"New high score: 130"});
}

// Every end of a game says its total and whether it enters the table.
TEST_F(Session, EndOfGameSaysWhetherTheTotalEntersTheTable) {
    const auto endWith = [&](int ATotal) {
        prompter.answers = {true};
        session->mniNouvellePartieClick();
        PlayToLastLine(ATotal);
        announcer.said.clear();
        session->mniJeuClick(21);
        return announcer.said.back();
    };
    EXPECT_EQ(endWith(100), "Game over. Total 100: not enough for the high-score table.");
    // The window shows it too, as no question follows.
    EXPECT_EQ(log.back(), "end:Game over. Total 100: not enough for the high-score table.");
    highScores.stored = {300, 290, 280, 270, 260, 250, 240, 230, 220, 210};
    EXPECT_EQ(endWith(210), "Game over. Total 210: not enough for the high-score table.");
    EXPECT_EQ(endWith(211), "Game over. Total 211, a new high score");
    prompter.answers = {true};
    session->mniNouvellePartieClick();
    session->MarkHintShown();
    PlayToLastLine(250);
    announcer.said.clear();
    session->mniJeuClick(21);
    EXPECT_EQ(announcer.said.back(), "Game over. Total 250: a hint was shown, so it does not "
                                     "enter the high-score table.");
    EXPECT_EQ(prompter.prompts.size(), 1u); // the prompt came only for 211
}

TEST_F(Session, UndoImpossibleAfterNewGameAndAfterTheLastLine) {
    session->btnBrasserClick();
    PressRow(0);
    prompter.answers = {true};
    session->mniNouvellePartieClick();
    session->mniUndoClick();
    EXPECT_EQ(session->RollCount(), 0);
    EXPECT_EQ(Score(0), "");

    PlayToLastLine(120);
    session->mniJeuClick(21);
    ASSERT_EQ(session->FilledLines(), 11);
    session->mniUndoClick();
    EXPECT_EQ(session->FilledLines(), 11);
    EXPECT_EQ(Score(rowJubo), "35");
}

TEST_F(Session, BonusFromSixtyThree) {
    for (auto [upper, bonus, total] : std::vector<std::tuple<int, std::string, std::string>>{
             {62, "0", "72"}, {63, "25", "98"}}) {
        sheet.cells[kScoreCol][0] = std::to_string(upper);
        sheet.cells[kScoreCol][rowHigh] = "10";
        session->mniUndoClick(); // impossible, so it must not recompute
        session->btnBrasserClick();
        EXPECT_EQ(Score(rowSubTotal), std::to_string(upper));
        EXPECT_EQ(Score(rowBonus), bonus);
        EXPECT_EQ(Score(rowTotal), total);
        PressRow(1);
        sheet.cells[kScoreCol][1] = "";
    }
}

struct EndCase {
    int total;
    std::vector<int> stored;
    bool prompted;
};

TEST_F(Session, EndOfGameThresholds) {
    const std::vector<EndCase> cases = {
        {100, {}, false},
        {101, {}, true},
        {101, {300, 200}, true},
        {150, std::vector<int>(10, 150), false},
        {151, std::vector<int>(10, 150), true},
        {120, {200, 190, 180, 170, 160, 150, 140, 130, 125, 110}, true},
    };
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.total);
        prompter.answers = {true};
        session->mniNouvellePartieClick();
        highScores.stored = c.stored;
        PlayToLastLine(c.total);
        session->mniJeuClick(21);
        EXPECT_EQ(Score(rowTotal), std::to_string(c.total));
        if (c.prompted) {
            EXPECT_EQ(log, (EventLog{"invalidate", "reload", "prompt",
                                     "add:" + std::to_string(c.total) + ":Ann", "showHighScores",
                                     "hideSelection"}));
            EXPECT_EQ(prompter.prompts.back(), (std::array<std::string, 3>{"Player: ", "Bob", ""}));
            EXPECT_EQ(settings.player, "Ann");
            EXPECT_EQ(view.totalCount, "0");
        } else {
            EXPECT_EQ(log, (EventLog{"invalidate", "reload",
                                     "end:Game over. Total " + std::to_string(c.total) +
                                         ": not enough for the high-score table."}));
            EXPECT_EQ(view.totalCount, "30") << "the written hand's sum stays";
        }
        settings.player = "Bob";
    }
}

TEST_F(Session, CancelledNamePromptChangesNothing) {
    prompter.confirmName = false;
    PlayToLastLine(130);
    session->mniJeuClick(21);
    EXPECT_EQ(log, (EventLog{"invalidate", "reload", "prompt", "hideSelection"}));
    EXPECT_EQ(settings.player, "Bob");
    EXPECT_EQ(view.totalCount, "0");
}

TEST_F(Session, RollAfterTheGameAsksForANewGameAtItsPlace) {
    PlayToLastLine(100);
    session->mniJeuClick(21);
    log.clear();
    prompter.answers = {false};
    session->btnBrasserClick();
    const TPoint expected = CenteredPos(200, 100, 499, 580, 321, 122);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].text, TGameSession::kMsgGameOver);
    EXPECT_EQ(prompter.questions[0].pos, expected);
    EXPECT_EQ(log, (EventLog{"ask"})) << "no sound";
    EXPECT_EQ(Score(rowJubo), "35") << "the finished sheet stays";
    EXPECT_EQ(ErrorOf([&] { PressRow(rowJubo); }), TGameSession::kMsgRollFirst);

    prompter.answers = {true};
    session->btnBrasserClick();
    EXPECT_EQ(Score(rowJubo), "");
    EXPECT_EQ(Score(rowTotal), "0");
    EXPECT_EQ(session->FilledLines(), 0);
    EXPECT_EQ(session->RollCount(), 0);
}

TEST_F(Session, NewGameAlwaysAsksAtItsPlace) {
    prompter.answers = {false};
    session->mniNouvellePartieClick();
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].text, TGameSession::kMsgNewGame);
    EXPECT_EQ(prompter.questions[0].pos, CenteredPos(200, 100, 499, 580, 269, 122));

    session->btnBrasserClick();
    PressRow(0);
    session->btnBrasserClick();
    prompter.answers = {false};
    session->mniNouvellePartieClick();
    EXPECT_EQ(session->RollCount(), 1);
    EXPECT_NE(Score(0), "");
    prompter.answers = {true};
    session->mniNouvellePartieClick();
    EXPECT_EQ(session->RollCount(), 0);
    EXPECT_EQ(Score(0), "");
    EXPECT_EQ(DiceValues(), (std::vector<int>{6, 6, 6, 6, 6}));
}

TEST_F(Session, CloseQueryAsksOnlyDuringAGame) {
    EXPECT_TRUE(session->FormCloseQuery());
    session->btnBrasserClick();
    prompter.answers = {false, true};
    EXPECT_FALSE(session->FormCloseQuery());
    EXPECT_TRUE(session->FormCloseQuery());
    EXPECT_EQ(prompter.questions.back().text, TGameSession::kMsgCloseDuringGame);
    EXPECT_FALSE(prompter.questions.back().pos.has_value());

    const std::size_t asked = prompter.questions.size();
    PlayToLastLine(100);
    session->mniJeuClick(21);
    EXPECT_TRUE(session->FormCloseQuery());
    EXPECT_EQ(prompter.questions.size(), asked);
}

} // namespace

TEST_F(Session, HintedGameStaysOutOfTheTableAndTheNextGameDoesNot) {
    highScores.stored = {150, 120};
    session->MarkHintShown();
    // Undo cannot clear the mark, a new game does.
    session->btnBrasserClick();
    PressRow(0);
    session->mniUndoClick();
    ASSERT_EQ(session->FilledLines(), 0);
    EXPECT_TRUE(session->HintShown());
    PlayToLastLine(130);
    session->mniJeuClick(21);
    EXPECT_EQ(log,
              (EventLog{"invalidate", "reload",
                        "end:Game over. Total 130: " + std::string(TGameSession::kMsgHintedGame),
                        "hideSelection"}));
    EXPECT_EQ(settings.player, "Bob");

    prompter.answers = {true};
    session->btnBrasserClick();
    EXPECT_FALSE(session->HintShown());
    log.clear();
    PlayToLastLine(130);
    session->mniJeuClick(21);
    EXPECT_EQ(log, (EventLog{"invalidate", "reload", "prompt", "add:130:Ann", "showHighScores",
                             "hideSelection"}));
}

TEST_F(Session, TheHintQuestionComesOncePerGameUntilItIsAnsweredYes) {
    prompter.answers = {false};
    EXPECT_FALSE(session->ConfirmHint());
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].text, TGameSession::kMsgAskHint);
    EXPECT_NE(std::string(TGameSession::kMsgAskHint).find("high-score table"), std::string::npos);
    EXPECT_EQ(prompter.questions[0].pos, CenteredPos(200, 100, 499, 580, 420, 122));
    EXPECT_FALSE(session->HintShown()) << "No changes nothing";

    prompter.answers = {true};
    EXPECT_TRUE(session->ConfirmHint());
    EXPECT_TRUE(session->ConfirmHint());
    EXPECT_EQ(prompter.questions.size(), 2u);

    prompter.answers = {true, false};
    session->mniNouvellePartieClick();
    EXPECT_FALSE(session->ConfirmHint());
    EXPECT_EQ(prompter.questions.size(), 4u);
    EXPECT_EQ(prompter.questions.back().text, TGameSession::kMsgAskHint);
}
