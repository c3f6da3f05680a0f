#pragma once
// The decisions of one game as they were made: for every turn the dice held at
// each roll and the line written.
// The review compares each decision with the advisor's best.

#include "game/TurnPosition.h"
#include "game/uJuboUtils.h"

#include <string>
#include <vector>

struct TDecision {
    TTurnPosition Position; // just before the decision
    TDecisionKind Kind = TDecisionKind::Roll;
    int Row = -1; // Write: the row written; Roll: the dice held are Position.Held
};

struct TTurnRecord {
    std::vector<TDecision> Decisions;
    TDiceHand Hand{};  // the sorted hand as written
    int Row = -1;      // -1 while the turn is under way
    std::string Score; // the text written
};

class TGameRecord {
public:
    void Clear() { FTurns.clear(); }
    void AddRoll(const TTurnPosition& APosition);
    void AddWrite(const TTurnPosition& APosition, int ARow, const TDiceHand& AHand,
                  const std::string& AScore);
    // Takes back the last write; the rolls of that turn stay, the turn goes on.
    void UndoWrite();
    const std::vector<TTurnRecord>& Turns() const { return FTurns; }

private:
    std::vector<TTurnRecord> FTurns;
};
