#pragma once
// The dice side of the advisor: every multiset of up to five dice (a "keep",
// 462 of them), the 252 full hands among them first, and the links the turn
// solver walks: one more die of each face (rolling a die) and one die less.

#include "game/uJuboUtils.h"

#include <array>
#include <cstdint>
#include <vector>

inline constexpr int kFaceCount = 6;
inline constexpr int kHandCount = 252;
inline constexpr int kKeepCount = 462;
inline constexpr int kEmptyKeep = kKeepCount - 1;

using TFaceCounts = std::array<int, kFaceCount>; // dice per face 1..6

struct TKeep {
    TFaceCounts Counts{};
    int Size = 0;
    // The keep with one more die of face f + 1; unused for a full hand.
    std::array<std::int16_t, kFaceCount> Children{};
    // The keeps with one die less, one per face this keep holds.
    std::array<std::int16_t, 5> Parents{};
    int ParentCount = 0;
};

// Keeps are ordered by size, largest first: indices 0..251 are the full hands,
// 461 is the empty keep. A keep's children therefore come before it and its
// parents after it.
class TDiceKeeps {
public:
    static const TDiceKeeps& Instance();

    const TKeep& Keep(int AIndex) const { return FKeeps[static_cast<std::size_t>(AIndex)]; }
    // -1 when the counts hold more than five dice.
    int IndexOf(const TFaceCounts& ACounts) const;
    int HandIndex(const TDiceHand& AHand) const;
    // The hand of AHandIndex, sorted ascending.
    const TDiceHand& Hand(int AHandIndex) const {
        return FHands[static_cast<std::size_t>(AHandIndex)];
    }

private:
    TDiceKeeps();
    static int Code(const TFaceCounts& ACounts);

    std::vector<TKeep> FKeeps;
    std::vector<TDiceHand> FHands;
    std::vector<std::int16_t> FIndexByCode;
};

TFaceCounts FaceCounts(const TDiceHand& AHand);
// How many of each face the dice marked in AKeep show: two holds that keep the
// same values have the same counts.
TFaceCounts KeptFaceCounts(const std::array<int, 5>& ADice, const std::array<bool, 5>& AKeep);
