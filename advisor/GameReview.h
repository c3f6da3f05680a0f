#pragma once
// The review of a finished game: each decision of the record beside the
// advisor's best choice in the same position and the expected total it cost.

#include "advisor/AdvisorSource.h"
#include "game/GameRecord.h"

#include <array>
#include <string>
#include <vector>

struct TDecisionReview {
    int Roll = 0;              // the roll whose dice the choice was made on, 1..3
    std::array<int, 5> Dice{}; // those dice, as they lay
    std::string Chosen;        // "Keep 6 6", "Write Full"
    std::string Best;
    double Lost = 0.0; // best expected final Total minus the chosen one's
};

struct TTurnReview {
    TDiceHand Hand{};
    int Row = -1;
    std::string Score;
    std::vector<TDecisionReview> Decisions;
    double Lost = 0.0;
};

struct TGameReview {
    std::vector<TTurnReview> Turns;
    double Lost = 0.0;    // over all decisions
    double Optimal = 0.0; // expected final Total of a new game under optimal play
};

// The advisor must be ready. Throws TolmirError when a recorded decision is not
// among the choices the advisor knows for its position.
TGameReview ReviewGame(const TGameRecord& ARecord, const IAdvisorSource& AAdvisor);

// "Your decisions cost 23.4 points of expected score; optimal play from the start expects 187.1"
std::string ReviewSummary(const TGameReview& AReview);
