#include "game/GameRecord.h"

void TGameRecord::AddRoll(const TTurnPosition& APosition) {
    if (FTurns.empty() || FTurns.back().Row >= 0) {
        FTurns.emplace_back();
    }
    FTurns.back().Decisions.push_back({APosition, TDecisionKind::Roll, -1});
}

void TGameRecord::AddWrite(const TTurnPosition& APosition, int ARow, const TDiceHand& AHand,
                           const std::string& AScore) {
    if (FTurns.empty() || FTurns.back().Row >= 0) {
        FTurns.emplace_back();
    }
    TTurnRecord& turn = FTurns.back();
    turn.Decisions.push_back({APosition, TDecisionKind::Write, ARow});
    turn.Hand = AHand;
    turn.Row = ARow;
    turn.Score = AScore;
}

void TGameRecord::UndoWrite() {
    if (FTurns.empty() || FTurns.back().Row < 0) {
        return;
    }
    TTurnRecord& turn = FTurns.back();
    turn.Decisions.pop_back();
    turn.Row = -1;
    turn.Score.clear();
}
