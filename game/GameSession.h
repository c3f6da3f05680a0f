#pragma once
// The state of one game and every operation that changes it: rolling, holding,
// writing a line, undo, new game, the end of a game and the close question.
// The main window owns one session and routes its handlers here; the session
// reaches the dice, the sheet, the questions, the sound and the high-score table
// only through the interfaces of GameInterfaces.h.

#include "game/GameInterfaces.h"
#include "game/GameRecord.h"
#include "game/Random.h"
#include "game/Texts.h"
#include "game/TurnPosition.h"
#include "game/uJuboUtils.h"

#include <array>
#include <string>

struct TDiceSnapshotEntry {
    bool Held = false;
    int Value = 0;
};

struct TGameSessionParts {
    std::array<IDie*, 5> Dice{}; // dice1..dice5, left to right
    IScoreSheet* Sheet = nullptr;
    IGameView* View = nullptr;
    IPrompter* Prompter = nullptr;
    ISoundPlayer* Sound = nullptr;
    ISessionSettings* Settings = nullptr;
    IHighScoreEntry* HighScores = nullptr;
    const IClock* Clock = nullptr;
    IAnnouncer* Announcer = nullptr; // optional: nothing is announced without one
};

class TGameSession {
public:
    static constexpr const char* kMsgGameOver =
        TX_NOOP("GameSession", "This game is over. Do you wish to start a new one?");
    static constexpr const char* kMsgNoMoreRolls =
        TX_NOOP("GameSession", "You can't shuffle more than three times!");
    static constexpr const char* kMsgRollFirst =
        TX_NOOP("GameSession", "You have to shuffle at least once!");
    static constexpr const char* kMsgNewGame =
        TX_NOOP("GameSession", "Do you really want to start a new game?");
    static constexpr const char* kMsgCloseDuringGame =
        TX_NOOP("GameSession", "You have an ongoing game. Do you want to close the program?");
    static constexpr const char* kPlayerPrompt = TX_NOOP("GameSession", "Player: ");
    // After "Game over. Total N: ", why the total does not enter the table.
    static constexpr const char* kMsgNotEnough =
        TX_NOOP("GameSession", "not enough for the high-score table.");
    static constexpr const char* kMsgHintedGame =
        TX_NOOP("GameSession", "a hint was shown, so it does not enter the high-score table.");
    static constexpr const char* kMsgAskHint =
        TX_NOOP("GameSession",
                "Show the advisor's hint? A game in which a hint is shown does not enter the "
                "high-score table.");

    explicit TGameSession(const TGameSessionParts& AParts);

    // Labels the sheet and sets Total to "0"; the window calls it from FormCreate.
    void LabelSheet();

    // Player actions. Refusals throw TolmirError before any state changes.
    void btnBrasserClick();
    void grdScoreMouseDown(int AX, int AY);
    void DiceClick();
    void mniJeuClick(int ATag);
    void mniUndoClick();
    void mniNouvellePartieClick();
    bool FormCloseQuery();

    // Says that die ATag (1..5) is now held or released; a click on a die toggles
    // it after the window's handler, which therefore announces it.
    void AnnounceHold(int ATag, bool AHeld) const;

    // Routines the window's hint painter shares with writing.
    bool IsFreeLine(int ACol, int ARow) const;
    std::string LineScore(int ARow) const;
    void SortHand();

    int RollCount() const { return FRollCount; }
    int FilledLines() const { return FFilledLines; }
    const TDiceHand& Hand() const { return FHand; }
    bool GameInProgress() const { return !(FFilledLines == 0 && FRollCount == 0); }
    bool UndoPossible() const { return FFilledLines >= 1 && FFilledLines <= 10 && FRollCount == 0; }
    bool GameOver() const { return FFilledLines == kWritableLineCount; }

    // The position as the advisor sees it: the sheet, the dice, the holds, the rolls.
    TTurnPosition Position() const;
    // Asks, once per game, whether to show hints at all; true once the player
    // said Yes in this game. No changes nothing and asks again next time.
    bool ConfirmHint();
    // A game in which the advisor showed a move stays out of the high-score table.
    void MarkHintShown() { FHintShown = true; }
    bool HintShown() const { return FHintShown; }
    // This game's rolls and writes, for the review at its end.
    const TGameRecord& Record() const { return FRecord; }

private:
    void UpdateTotals();
    void StartTurn();
    void ClearSheet();
    void NewGame();
    void SaveDiceSnapshot();
    void RestoreDiceSnapshot();
    void EndGame(int ATotal);
    TPoint QuestionPos(int AWidth, int AHeight) const;
    void Announce(const std::string& AText) const;
    std::string DiceText() const;
    std::string RollText() const; // "Roll 2: 2 3 3 5 6, total 19; held 3 3"
    std::string TotalText() const;

    TGameSessionParts FParts;
    TDiceHand FHand{};
    int FRollCount = 0;
    int FSavedRollCount = 0;
    int FFilledLines = 0;
    std::array<TDiceSnapshotEntry, 5> FDiceSnapshot{};
    int FLastCol = 0;
    int FLastRow = 0;
    bool FHintShown = false;
    bool FHintAgreed = false;
    TGameRecord FRecord;
};
