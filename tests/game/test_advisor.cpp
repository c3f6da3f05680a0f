#include "advisor/Advisor.h"
#include "game/ScoreSheet.h"
#include "game/TextNumbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <random>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using TCells = std::array<std::string, kSheetRowCount>;

// The table is computed once for all tests of this file.
const TAdvisorTable& Table() {
    static const TAdvisorTable table = [] {
        TAdvisorTable computed;
        computed.Compute();
        return computed;
    }();
    return table;
}

const std::array<int, 11> kWritableRows = {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12};

TDiceHand Sorted(TDiceHand AHand) {
    std::sort(AHand.begin(), AHand.end());
    return AHand;
}

// Optimal play found the slow way, by trying every keep of dice positions and
// every ordered outcome of the dice rolled, with nothing but the scoring rules.
class TBruteForce {
public:
    double TurnStart(const TCells& ACells) {
        bool full = true;
        for (int row : kWritableRows) {
            full = full && !ACells[static_cast<std::size_t>(row)].empty();
        }
        if (full) {
            return SheetTotalOf(ACells);
        }
        std::string key;
        for (const std::string& cell : ACells) {
            key += cell + "|";
        }
        if (const auto known = FTurns.find(key); known != FTurns.end()) {
            return known->second;
        }
        TTurn turn{ACells, {}, {}};
        const double value = Value(turn, 0, {6, 6, 6, 6, 6});
        FTurns[key] = value;
        return value;
    }

    // The expected final Total with the sorted dice AHand after ARollCount rolls.
    double Value(const TCells& ACells, int ARollCount, const TDiceHand& AHand) {
        TTurn turn{ACells, {}, {}};
        return Value(turn, ARollCount, AHand);
    }

private:
    struct TTurn {
        TCells Cells;
        std::map<std::pair<int, TDiceHand>, double> Hands;
        std::map<std::pair<int, std::vector<int>>, double> Keeps;
    };

    double Value(TTurn& ATurn, int ARollCount, const TDiceHand& AHand) {
        const auto key = std::make_pair(ARollCount, AHand);
        if (const auto known = ATurn.Hands.find(key); known != ATurn.Hands.end()) {
            return known->second;
        }
        double best = -1;
        if (ARollCount >= 1) {
            for (int row : kWritableRows) {
                if (!ATurn.Cells[static_cast<std::size_t>(row)].empty()) {
                    continue;
                }
                TCells next = ATurn.Cells;
                next[static_cast<std::size_t>(row)] = IntToText(
                    ScoreOfLine(row, AHand, ARollCount, ATurn.Cells[rowHigh], ATurn.Cells[rowLow]));
                best = std::max(best, TurnStart(next));
            }
        }
        if (ARollCount < 3) {
            // The first roll of a turn rolls all five dice.
            for (int held = 0; held < (ARollCount == 0 ? 1 : 32); ++held) {
                std::vector<int> kept;
                for (int d = 0; d < 5; ++d) {
                    if ((held >> d & 1) != 0) {
                        kept.push_back(AHand[static_cast<std::size_t>(d)]);
                    }
                }
                best = std::max(best, KeepValue(ATurn, ARollCount + 1, kept));
            }
        }
        ATurn.Hands[key] = best;
        return best;
    }

    double KeepValue(TTurn& ATurn, int ARollCount, const std::vector<int>& AKept) {
        const auto key = std::make_pair(ARollCount, AKept);
        if (const auto known = ATurn.Keeps.find(key); known != ATurn.Keeps.end()) {
            return known->second;
        }
        const int rolled = 5 - static_cast<int>(AKept.size());
        int outcomes = 1;
        for (int i = 0; i < rolled; ++i) {
            outcomes *= 6;
        }
        double sum = 0;
        for (int outcome = 0; outcome < outcomes; ++outcome) {
            TDiceHand hand{};
            std::copy(AKept.begin(), AKept.end(), hand.begin());
            for (int i = 0, rest = outcome; i < rolled; ++i, rest /= 6) {
                hand[AKept.size() + static_cast<std::size_t>(i)] = 1 + rest % 6;
            }
            sum += Value(ATurn, ARollCount, Sorted(hand));
        }
        const double value = sum / outcomes;
        ATurn.Keeps[key] = value;
        return value;
    }

    std::map<std::string, double> FTurns;
};

// A sheet with every line written (upper Sub-Total 59, Total 194), then the
// given rows set to the given texts ("" frees a line).
TSheetPosition Sheet(const std::map<int, std::string>& ARows) {
    TSheetPosition sheet;
    const std::map<int, std::string> written = {{0, "3"},   {1, "6"},   {2, "9"},  {3, "8"},
                                                {4, "15"},  {5, "18"},  {8, "25"}, {9, "30"},
                                                {10, "28"}, {11, "22"}, {12, "30"}};
    for (const auto& [row, text] : written) {
        sheet.Cells[static_cast<std::size_t>(row)] = text;
    }
    for (const auto& [row, text] : ARows) {
        sheet.Cells[static_cast<std::size_t>(row)] = text;
    }
    return sheet;
}

TEST(Advisor, EndgamesMatchAnIndependentEnumeration) {
    const std::vector<TSheetPosition> sheets = {
        Sheet({{rowJubo, ""}}),
        Sheet({{rowHigh, ""}, {rowLow, ""}}),
        Sheet({{rowLow, ""}, {rowHigh, "25"}}),
        Sheet({{rowHigh, ""}, {rowLow, "0"}}),
        Sheet({{rowHigh, ""}, {rowLow, "21"}}),
        Sheet({{rowStraight, ""}, {rowJubo, ""}}),
        Sheet({{rowFull, ""}, {3, ""}}),        // three 4s complete the Bonus
        Sheet({{rowOnes, ""}, {3, "12"}}),      // three 1s complete the Bonus
        Sheet({{rowSixes, ""}, {rowHigh, ""}}), // a Bonus within reach of the sixes
        Sheet({{2, ""}, {rowJubo, ""}}),
    };
    TBruteForce brute;
    for (const TSheetPosition& sheet : sheets) {
        const double expected = brute.TurnStart(sheet.Cells);
        EXPECT_NEAR(Table().TurnStartExpectation(sheet), expected, 1e-9);
    }
    // Within a turn too: after a first and a second roll, the best choice.
    for (int rollCount : {1, 2}) {
        TTurnPosition position;
        position.Sheet = Sheet({{rowHigh, ""}, {rowLow, ""}});
        position.Dice = {5, 2, 6, 5, 4};
        position.RollCount = rollCount;
        const double expected = brute.Value(position.Sheet.Cells, rollCount, {2, 4, 5, 5, 6});
        EXPECT_NEAR(Table().Advise(position).Best().Expected, expected, 1e-9);
    }
}

// Plays the advised policy with seeded dice. Along the way every piece of
// advice must agree with what the grid paints and with the turn-start table.
TEST(Advisor, AdvisedPlayAveragesTheNewGameExpectation) {
    const TAdvisorTable& table = Table();
    const double e0 = table.NewGameExpectation();
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> face(1, 6);
    // A fixed number of games from a fixed seed: the same games on every run.
    constexpr std::size_t kGames = 2000;
    std::vector<int> totals;
    for (std::size_t game = 0; game < kGames; ++game) {
        TSheetPosition sheet;
        for (int turn = 0; turn < kWritableLineCount; ++turn) {
            TTurnPosition position;
            position.Sheet = sheet;
            for (bool written = false; !written;) {
                const TAdvice advice = table.Advise(position);
                ASSERT_FALSE(advice.Options.empty());
                const TAdviceOption best = advice.Best();
                if (position.RollCount == 0) {
                    ASSERT_NEAR(best.Expected, table.TurnStartExpectation(sheet), 1e-9);
                }
                for (const TAdviceOption& option : advice.Options) {
                    ASSERT_LE(option.Expected, best.Expected);
                    if (option.Kind != TAdviceKind::Write) {
                        continue;
                    }
                    TSheetPosition after = sheet;
                    const TDiceHand hand =
                        Sorted({position.Dice[0], position.Dice[1], position.Dice[2],
                                position.Dice[3], position.Dice[4]});
                    ASSERT_EQ(option.Score, ScoreOfLine(option.Row, hand, position.RollCount,
                                                        sheet.Cells[rowHigh], sheet.Cells[rowLow]));
                    after.Cells[static_cast<std::size_t>(option.Row)] = IntToText(option.Score);
                    ASSERT_NEAR(option.Expected, table.TurnStartExpectation(after), 1e-9);
                }
                if (best.Kind == TAdviceKind::Write) {
                    sheet.Cells[static_cast<std::size_t>(best.Row)] = IntToText(best.Score);
                    written = true;
                } else {
                    for (std::size_t d = 0; d < 5; ++d) {
                        if (!best.Keep[d]) {
                            position.Dice[d] = face(random);
                        }
                    }
                    position.Held = best.Keep;
                    ++position.RollCount;
                }
            }
        }
        totals.push_back(SheetTotalOf(sheet.Cells));
    }
    double sum = 0;
    double squares = 0;
    for (int total : totals) {
        sum += total;
        squares += static_cast<double>(total) * total;
    }
    const double n = static_cast<double>(totals.size());
    const double mean = sum / n;
    const double standardError = std::sqrt((squares / n - mean * mean) / (n - 1));
    std::printf("%zu advised games: mean %.3f, standard error %.3f, E0 %.6f\n", totals.size(), mean,
                standardError, e0);
    EXPECT_NEAR(mean, e0, 3 * standardError);
}

TEST(Advisor, TheFirstRollRollsEveryDieAndKeepsPreferHeldDice) {
    const TAdvice advice = Table().Advise(TTurnPosition{});
    ASSERT_EQ(advice.Options.size(), 1u);
    EXPECT_EQ(advice.Best().Kind, TAdviceKind::Roll);
    EXPECT_EQ(advice.Best().Keep, (std::array<bool, 5>{}));
    EXPECT_NEAR(advice.Best().Expected, Table().NewGameExpectation(), 1e-9);

    // Keeping two of the three 5s takes the held one first, then the leftmost.
    TTurnPosition position;
    position.Dice = {5, 5, 3, 5, 2};
    position.Held = {false, false, true, true, false};
    position.RollCount = 1;
    const std::array<int, 6> twoFives = {0, 0, 0, 0, 2, 0};
    const std::array<bool, 5> expected = {true, false, false, true, false};
    EXPECT_EQ(KeepPositions(position, twoFives), expected);
    const TAdvice keeps = Table().Advise(position);
    const auto found = std::find_if(keeps.Options.begin(), keeps.Options.end(), [&](const auto& o) {
        return o.Kind == TAdviceKind::Roll && KeptFaceCounts(position.Dice, o.Keep) == twoFives;
    });
    ASSERT_NE(found, keeps.Options.end());
    EXPECT_EQ(found->Keep, expected);
}

TEST(Advisor, RejectsSheetsNoGameCanReach) {
    EXPECT_THROW(Table().TurnStartExpectation(Sheet({{rowOnes, "7"}})), std::invalid_argument);
    EXPECT_THROW(Table().TurnStartExpectation(Sheet({{rowHigh, "12"}})), std::invalid_argument);
    EXPECT_THROW(Table().TurnStartExpectation(Sheet({{rowFull, "x"}})), std::invalid_argument);
    TTurnPosition position;
    position.RollCount = 4;
    EXPECT_THROW(Table().Advise(position), std::invalid_argument);
    EXPECT_THROW(TAdvisorTable().NewGameExpectation(), std::logic_error);
}

TEST(Advisor, ReportsProgressAndStopsWhenCancelled) {
    std::vector<double> shares;
    std::atomic<bool> cancel{false};
    TAdvisorTable table;
    EXPECT_FALSE(table.Compute(
        [&](double AShare) {
            shares.push_back(AShare);
            cancel = shares.size() == 3;
        },
        &cancel));
    EXPECT_FALSE(table.Ready());
    ASSERT_EQ(shares.size(), 3u);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_GT(shares.front(), 0.0);
    EXPECT_LT(shares.back(), 1.0);
}

class AdvisorCache : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("tolmir-advisor-" + std::to_string(std::random_device{}()));
        path = (folder / "sub" / "advisor.cache").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Bytes() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Write(const std::string& ABytes) const {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << ABytes;
    }

    std::filesystem::path folder;
    std::string path;
};

TEST_F(AdvisorCache, RoundTripsAndRefusesMissingDamagedOrForeignFiles) {
    TAdvisorTable loaded;
    EXPECT_FALSE(loaded.Load(path));
    ASSERT_TRUE(Table().Save(path));
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded.NewGameExpectation(), Table().NewGameExpectation());
    TTurnPosition position;
    position.Sheet = Sheet({{rowHigh, ""}, {3, ""}, {rowStraight, ""}});
    position.Dice = {3, 4, 4, 5, 6};
    position.RollCount = 2;
    EXPECT_EQ(loaded.Advise(position).Best().Expected, Table().Advise(position).Best().Expected);

    const std::string good = Bytes();
    std::string flipped = good;
    flipped[good.size() / 2] = static_cast<char>(flipped[good.size() / 2] ^ 0x10);
    std::string newerFormat = good;
    newerFormat[8] = static_cast<char>(newerFormat[8] + 1);
    for (const std::string& bad : {good.substr(0, good.size() - 1), good + "x", flipped,
                                   newerFormat, std::string("Windows Registry Editor")}) {
        Write(bad);
        TAdvisorTable fresh;
        EXPECT_FALSE(fresh.Load(path));
        EXPECT_FALSE(fresh.Ready());
        EXPECT_FALSE(loaded.Load(path));
        EXPECT_TRUE(loaded.Ready()); // the table it held stays
    }
}

#ifndef _WIN32
// A FIFO in place of the cache file (its open would wait for a writer) is a
// damaged cache: it is not waited on, and the next save replaces it.
TEST_F(AdvisorCache, AFifoInPlaceOfTheFileIsNotWaitedOnAndIsReplaced) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    TAdvisorTable loaded;
    auto load = std::async(std::launch::async, [&] { return loaded.Load(path); });
    if (load.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
        const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK); // lets it go on
        load.wait();
        ::close(writer);
        FAIL() << "the load waited on the FIFO";
    }
    EXPECT_FALSE(load.get());
    ASSERT_TRUE(Table().Save(path));
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_TRUE(loaded.Load(path));
}

// The cache never follows a link: a link planted at its name is no cache, even
// to a good table, and the next save puts a file in its place, leaving the
// file it led to alone. Nothing is cached in a folder others can write to.
TEST_F(AdvisorCache, ALinkAtItsNameIsReplacedAndItsTargetStays) {
    const std::filesystem::path victim = folder / "document";
    ASSERT_TRUE(Table().Save(victim));
    EXPECT_EQ(std::filesystem::status(folder).permissions(), std::filesystem::perms::owner_all);
    const std::string before = [&] {
        std::ifstream in(victim, std::ios::binary);
        return std::string{std::istreambuf_iterator<char>(in), {}};
    }();
    std::filesystem::create_directories(folder / "sub");
    std::filesystem::create_symlink(victim, path);
    TAdvisorTable loaded;
    EXPECT_FALSE(loaded.Load(path));
    ASSERT_TRUE(Table().Save(path));
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)));
    EXPECT_TRUE(loaded.Load(path));
    std::ifstream in(victim, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), before);

    std::filesystem::permissions(folder / "sub", std::filesystem::perms::all);
    std::filesystem::remove(path);
    EXPECT_FALSE(Table().Save(path));
    EXPECT_FALSE(std::filesystem::exists(path));
}
#endif

TEST_F(AdvisorCache, CopiesSavingAtOnceLeaveAGoodFile) {
    std::vector<std::thread> savers;
    std::atomic<int> failures{0};
    for (int i = 0; i < 4; ++i) {
        savers.emplace_back([&] {
            for (int round = 0; round < 5; ++round) {
                if (!Table().Save(path)) {
                    ++failures;
                }
            }
        });
    }
    std::atomic<bool> damaged{false};
    std::thread reader([&] {
        for (int round = 0; round < 20; ++round) {
            TAdvisorTable copy;
            // Each reader sees either no file yet or a whole one.
            if (std::filesystem::exists(path) && !copy.Load(path)) {
                damaged = true;
            }
        }
    });
    for (std::thread& saver : savers) {
        saver.join();
    }
    reader.join();
#ifndef _WIN32
    EXPECT_EQ(failures, 0);
#else
    // Windows refuses to replace a file that a reader holds open; that save fails cleanly.
    EXPECT_LT(failures, 20);
#endif
    EXPECT_FALSE(damaged);
    TAdvisorTable copy;
    EXPECT_TRUE(copy.Load(path));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "sub"),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
