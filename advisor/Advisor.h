#pragma once
// The advisor: the greatest expected final Total under optimal play from any
// position of a game, and the choices that reach it. The table behind it is
// computed once on a worker thread, kept in memory and cached in a file.
// Toolkit-free: the window, the worker thread and the cache folder live above.

#include "advisor/AdvisorDice.h"
#include "game/ScoreSheet.h"
#include "game/TurnPosition.h"
#include "game/uJuboUtils.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Roll: hold exactly the dice in Keep, then roll; Write: write the hand into Row.
using TAdviceKind = TDecisionKind;

struct TAdviceOption {
    TAdviceKind Kind = TAdviceKind::Write;
    std::array<bool, 5> Keep{}; // Roll: the dice (by position) to hold
    int Row = -1;               // Write: the sheet row
    int Score = 0;              // Write: what the line scores now
    double Expected = 0.0;      // expected final Total after this choice, then optimal play
};

// The dice (by position) that keep AKept[f] dice of face f + 1: the held ones
// first, then the leftmost, so that no die is chosen beside a held one of the
// same value.
std::array<bool, 5> KeepPositions(const TTurnPosition& APosition, const TFaceCounts& AKept);

struct TAdvice {
    // Every choice the rules allow now, best first. Holds that keep the same
    // values appear once (their dice chosen by KeepPositions). Before the first
    // roll the one choice is to roll all dice; after the third only writes.
    std::vector<TAdviceOption> Options;
    const TAdviceOption& Best() const { return Options.front(); }
};

class TAdvisorTable {
public:
    TAdvisorTable();
    ~TAdvisorTable();
    TAdvisorTable(TAdvisorTable&&) noexcept;
    TAdvisorTable& operator=(TAdvisorTable&&) noexcept;

    // Computes the whole table. AProgress (may be empty) is called now and then
    // with the share done, 0..1, from the computing thread. Returns false when
    // ACancel became true; the table is then not ready.
    bool Compute(const std::function<void(double)>& AProgress = {},
                 const std::atomic<bool>* ACancel = nullptr);
    bool Ready() const;

    // Expected final Total of a new game under optimal play.
    double NewGameExpectation() const;
    // Expected final Total from the start of a turn (dice all 6, none held, no roll yet).
    double TurnStartExpectation(const TSheetPosition& ASheet) const;
    // The choices at APosition with their expected final Totals. Under 1 ms.
    TAdvice Advise(const TTurnPosition& APosition) const;

    // The cache file: a format version and a checksum guard it. Load returns false
    // for a missing, damaged or foreign file and leaves the table as it was. Save
    // writes a temporary file of its own and renames it into place, so copies
    // saving at once never leave a damaged file. A symbolic link at APath is never
    // followed: Load refuses it, and Save replaces the link itself with the file.
    // Save writes nothing into a folder that others can write to, and makes a
    // missing folder readable by the user alone.
    bool Load(const std::filesystem::path& APath);
    bool Save(const std::filesystem::path& APath) const;

    std::size_t MemoryBytes() const;

private:
    struct TData;
    std::unique_ptr<TData> FData;
};
