#include "game/GameSession.h"

#include "game/HighScoreRules.h"
#include "game/ScoreSheet.h"
#include "game/TextNumbers.h"
#include "game/TolmirError.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kGameOverBoxWidth = 321;
constexpr int kNewGameBoxWidth = 269;
constexpr int kHintQuestionBoxWidth = 420;
constexpr int kQuestionBoxHeight = 122;
constexpr int kJuboMin = 30;
constexpr int kJuboMax = 35;

} // namespace

TGameSession::TGameSession(const TGameSessionParts& AParts) : FParts(AParts) {}

void TGameSession::LabelSheet() {
    for (int row = 0; row < kSheetRowCount; ++row) {
        FParts.Sheet->SetCell(kLabelCol, row, RowLabel(row));
    }
    FFilledLines = 0;
    FParts.Sheet->SetCell(kScoreCol, rowTotal, "0");
}

void TGameSession::btnBrasserClick() {
    // The roll sound accompanies exactly the rolls that go ahead.
    if (FParts.Settings->PlayDiceRollSound() && FFilledLines != kWritableLineCount &&
        FRollCount != 3) {
        FParts.Sound->PlayWaveResource("DiceRoll");
    }
    if (FFilledLines == kWritableLineCount) {
        if (FParts.Prompter->AskYesNo(Tx("GameSession", kMsgGameOver),
                                      QuestionPos(kGameOverBoxWidth, kQuestionBoxHeight))) {
            NewGame();
        }
        return;
    }
    if (FRollCount == 3) {
        throw TolmirError(Tx("GameSession", kMsgNoMoreRolls));
    }
    FRecord.AddRoll(Position());
    SeedFromClock(*FParts.Clock);
    SaveDiceSnapshot();
    for (IDie* die : FParts.Dice) {
        die->Shuffle();
    }
    for (std::size_t i = 0; i < FParts.Dice.size(); ++i) {
        FHand[i] = FParts.Dice[i]->DiceValue();
    }
    SortHand();
    ++FRollCount;
    FSavedRollCount = FRollCount;
    UpdateTotals();
    FParts.View->DrawScoreHints();
    FParts.View->ProcessPendingMessages();
    Announce(RollText());
    const int jubo = ScoreJubo(FRollCount, FHand);
    if (jubo >= kJuboMin && jubo <= kJuboMax) {
        FParts.Sound->PlayWaveResource("Tada");
    }
}

void TGameSession::grdScoreMouseDown(int AX, int AY) {
    if (FRollCount == 0) {
        throw TolmirError(Tx("GameSession", kMsgRollFirst));
    }
    int col = -1;
    int row = -1;
    if (FParts.Sheet->MouseToCell(AX, AY, col, row) && IsFreeLine(col, row)) {
        const TTurnPosition before = Position();
        const std::string score = LineScore(row);
        SaveDiceSnapshot();
        FParts.Sheet->SetCell(col, row, score);
        FRecord.AddWrite(before, row, FHand, score);
        StartTurn();
        UpdateTotals();
        ++FFilledLines;
        FLastCol = col;
        FLastRow = row;
        // Before the end of the game, whose questions follow it.
        Announce(
            TxArgs(Tx("GameSession", "%1: %2 written. %3"), {RowLabel(row), score, TotalText()}));
    } else if (col == kScoreCol && IsWritableRow(row)) {
        Announce(TxArgs(Tx("GameSession", "%1 is already written"), {RowLabel(row)}));
    } else if (col == kScoreCol) {
        Announce(TxArgs(Tx("GameSession", "%1 is counted, not written"), {RowLabel(row)}));
    }
    if (FFilledLines == kWritableLineCount) {
        EndGame(TextToIntOr(FParts.Sheet->Cell(kScoreCol, rowTotal), 0));
    }
}

void TGameSession::DiceClick() {
    if (FRollCount == 0) {
        throw TolmirError(Tx("GameSession", kMsgRollFirst));
    }
}

void TGameSession::mniJeuClick(int ATag) {
    if (ATag >= 1 && ATag <= 5) {
        // As for a click: a die held before the first roll would keep the 6 every
        // turn starts with, and a roll of five held dice would be paid as a first roll.
        DiceClick();
        IDie* die = FParts.Dice[static_cast<std::size_t>(ATag - 1)];
        die->SetHeld(!die->Held());
        AnnounceHold(ATag, die->Held());
    } else if (const TSheetLine* line = LineOfWriteCommand(ATag)) {
        grdScoreMouseDown(kWriteCommandX, line->CommandY);
    }
}

void TGameSession::mniUndoClick() {
    if (!UndoPossible()) {
        Announce(Tx("GameSession", "Nothing to undo"));
        return;
    }
    --FFilledLines;
    const std::string undone = FParts.Sheet->Cell(FLastCol, FLastRow);
    FParts.Sheet->SetCell(FLastCol, FLastRow, "");
    FRecord.UndoWrite();
    RestoreDiceSnapshot();
    UpdateTotals();
    FParts.View->DrawScoreHints();
    Announce(TxArgs(Tx("GameSession", "%1: %2 undone. %3. %4"),
                    {RowLabel(FLastRow), undone, TotalText(), RollText()}));
}

void TGameSession::mniNouvellePartieClick() {
    if (FParts.Prompter->AskYesNo(Tx("GameSession", kMsgNewGame),
                                  QuestionPos(kNewGameBoxWidth, kQuestionBoxHeight))) {
        NewGame();
    }
}

bool TGameSession::FormCloseQuery() {
    if (!GameInProgress() || FFilledLines == kWritableLineCount) {
        return true;
    }
    return FParts.Prompter->AskYesNo(Tx("GameSession", kMsgCloseDuringGame), std::nullopt);
}

bool TGameSession::IsFreeLine(int ACol, int ARow) const {
    return ACol == kScoreCol && IsWritableRow(ARow) && FParts.Sheet->Cell(ACol, ARow).empty();
}

std::string TGameSession::LineScore(int ARow) const {
    return IntToText(ScoreOfLine(ARow, FHand, FRollCount, FParts.Sheet->Cell(kScoreCol, rowHigh),
                                 FParts.Sheet->Cell(kScoreCol, rowLow)));
}

bool TGameSession::ConfirmHint() {
    if (!FHintAgreed) {
        FHintAgreed = FParts.Prompter->AskYesNo(
            Tx("GameSession", kMsgAskHint), QuestionPos(kHintQuestionBoxWidth, kQuestionBoxHeight));
    }
    return FHintAgreed;
}

TTurnPosition TGameSession::Position() const {
    TTurnPosition position;
    for (int row = 0; row < kSheetRowCount; ++row) {
        position.Sheet.Cells[static_cast<std::size_t>(row)] = FParts.Sheet->Cell(kScoreCol, row);
    }
    for (std::size_t i = 0; i < FParts.Dice.size(); ++i) {
        position.Dice[i] = FParts.Dice[i]->DiceValue();
        position.Held[i] = FParts.Dice[i]->Held();
    }
    position.RollCount = FRollCount;
    return position;
}

void TGameSession::SortHand() {
    std::sort(FHand.begin(), FHand.end());
}

void TGameSession::UpdateTotals() {
    const TSheetCells cells = Position().Sheet.Cells;
    const int s = UpperSubTotalOf(cells);
    FParts.Sheet->SetCell(kScoreCol, rowBonus, IntToText(BonusOf(s)));
    FParts.Sheet->SetCell(kScoreCol, rowSubTotal, IntToText(s));
    FParts.Sheet->SetCell(kScoreCol, rowTotal, IntToText(SheetTotalOf(cells)));
    FParts.View->SetTotalCountText(IntToText(SumOfDice(FHand)));
    FParts.View->SetShuffleCountText(IntToText(FRollCount));
}

void TGameSession::StartTurn() {
    for (IDie* die : FParts.Dice) {
        die->SetDiceValue(6);
        die->SetHeld(false);
    }
    FRollCount = 0;
    FParts.View->SetShuffleCountText("0");
    FParts.View->SetTotalCountText("0");
    FParts.Sheet->Invalidate();
}

void TGameSession::ClearSheet() {
    for (int row = 0; row < kSheetRowCount; ++row) {
        FParts.Sheet->SetCell(kScoreCol, row, "");
    }
    FParts.Sheet->SetCell(kScoreCol, rowTotal, "0");
    FFilledLines = 0;
}

void TGameSession::NewGame() {
    StartTurn();
    ClearSheet();
    FFilledLines = 0;
    FHintShown = false;
    FHintAgreed = false;
    FRecord.Clear();
    Announce(Tx("GameSession", "New game"));
}

void TGameSession::SaveDiceSnapshot() {
    for (std::size_t i = 0; i < FParts.Dice.size(); ++i) {
        FDiceSnapshot[i] = {FParts.Dice[i]->Held(), FParts.Dice[i]->DiceValue()};
    }
}

void TGameSession::RestoreDiceSnapshot() {
    for (std::size_t i = 0; i < FParts.Dice.size(); ++i) {
        FParts.Dice[i]->SetDiceValue(FDiceSnapshot[i].Value);
        FParts.Dice[i]->SetHeld(FDiceSnapshot[i].Held);
    }
    FRollCount = FSavedRollCount;
}

void TGameSession::EndGame(int ATotal) {
    IHighScoreEntry& table = *FParts.HighScores;
    table.ReloadTable();
    // Said and shown in the window: no question follows.
    const auto ended = [&](const char* AReason) {
        const std::string text = TxArgs(Tx("GameSession", "Game over. Total %1: %2"),
                                        {IntToText(ATotal), Tx("GameSession", AReason)});
        Announce(text);
        FParts.View->ShowGameEnd(text);
    };
    if (!QualifiesForHighScores(ATotal, table.RowCount(), table.LowestScore())) {
        ended(kMsgNotEnough);
        return;
    }
    if (FHintShown) {
        ended(kMsgHintedGame);
    } else {
        std::string name = FParts.Settings->Player();
        Announce(TxArgs(Tx("GameSession", "Game over. Total %1, a new high score"),
                        {IntToText(ATotal)}));
        if (FParts.Prompter->InputQuery(
                Tx("GameSession", kPlayerPrompt), name, "",
                TxArgs(Tx("GameSession", "New high score: %1"), {IntToText(ATotal)}))) {
            table.AddScoreAndSelect(ATotal, name);
            FParts.Settings->SetPlayer(name);
            table.ShowHighScores();
        }
    }
    FParts.View->SetTotalCountText("0");
    FParts.View->HideGridSelection();
}

TPoint TGameSession::QuestionPos(int AWidth, int AHeight) const {
    const TFormBounds b = FParts.View->FormBounds();
    return CenteredPos(b.Left, b.Top, b.Width, b.Height, AWidth, AHeight);
}

void TGameSession::AnnounceHold(int ATag, bool AHeld) const {
    if (ATag >= 1 && ATag <= 5) {
        const IDie* die = FParts.Dice[static_cast<std::size_t>(ATag - 1)];
        Announce(TxArgs(AHeld ? Tx("GameSession", "Die %1, %2, held")
                              : Tx("GameSession", "Die %1, %2, released"),
                        {IntToText(ATag), IntToText(die->DiceValue())}));
    }
}

void TGameSession::Announce(const std::string& AText) const {
    if (FParts.Announcer) {
        FParts.Announcer->Announce(AText);
    }
}

// The dice left to right, as the hold keys F1 to F5 number them.
std::string TGameSession::DiceText() const {
    return JoinedNumbers(Position().Dice);
}

std::string TGameSession::RollText() const {
    const std::string roll =
        TxArgs(Tx("GameSession", "Roll %1: %2, total %3"),
               {IntToText(FRollCount), DiceText(), IntToText(SumOfDice(FHand))});
    std::vector<int> held;
    for (const IDie* die : FParts.Dice) {
        if (die->Held()) {
            held.push_back(die->DiceValue());
        }
    }
    if (held.empty()) {
        return roll;
    }
    return TxArgs(Tx("GameSession", "%1; held %2"), {roll, JoinedNumbers(held)});
}

std::string TGameSession::TotalText() const {
    return TxArgs(Tx("GameSession", "Total %1"), {FParts.Sheet->Cell(kScoreCol, rowTotal)});
}
