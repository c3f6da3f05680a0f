// The advisor: the whole table computed from nothing, the advice for a
// position, and the table loaded from its cache file.
//
// The table's figure is the CPU time of the computing thread: the budget is
// one core's work, and on a shared machine the wall time also counts the waits
// for a core. The wall time and the table's size are reported beside it; a
// table of 8 MB or more fails the benchmark.

#include "bench/Budget.h"

#include "advisor/Advisor.h"

#include <array>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <random>

namespace {

constexpr double kTableBudgetNs = 5e9;
constexpr double kAdviceBudgetNs = 1e6;
constexpr std::size_t kTableBytesBudget = 8u << 20;

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

const TAdvisorTable& ComputedTable() {
    static const TAdvisorTable table = [] {
        TAdvisorTable computed;
        computed.Compute();
        return computed;
    }();
    return table;
}

void BM_AdvisorTable(benchmark::State& AState) {
    std::size_t bytes = 0;
    for (auto _ : AState) {
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuSeconds();
        TAdvisorTable table;
        table.Compute();
        AState.SetIterationTime(ThreadCpuSeconds() - cpuStart);
        AState.counters["wall_s"] =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        bytes = table.MemoryBytes();
        benchmark::DoNotOptimize(table.NewGameExpectation());
    }
    AState.counters["table_MB"] = static_cast<double>(bytes) / (1 << 20);
    if (bytes >= kTableBytesBudget) {
        AState.SkipWithError("the table takes 8 MB or more");
    }
}

// Mid-game positions after each of the three rolls, with a few lines written.
void BM_AdvisorAdvise(benchmark::State& AState) {
    const TAdvisorTable& table = ComputedTable();
    std::array<TTurnPosition, 3> positions{};
    for (std::size_t i = 0; i < positions.size(); ++i) {
        positions[i].Sheet.Cells[rowSixes] = "18";
        positions[i].Sheet.Cells[rowFull] = "25";
        positions[i].Sheet.Cells[rowLow] = "22";
        positions[i].Dice = {2, 5, 5, 3, 5};
        positions[i].RollCount = static_cast<int>(i) + 1;
    }
    std::size_t next = 0;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(table.Advise(positions[next]).Best().Expected);
        next = (next + 1) % positions.size();
    }
}

void BM_AdvisorCacheLoad(benchmark::State& AState) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("tolmir-bench-advisor-" + std::to_string(std::random_device{}())))
                                 .string();
    if (!ComputedTable().Save(path)) {
        AState.SkipWithError("the cache file could not be written");
        return;
    }
    for (auto _ : AState) {
        TAdvisorTable table;
        if (!table.Load(path)) {
            AState.SkipWithError("the cache file could not be read");
            break;
        }
    }
    std::filesystem::remove(path);
}

} // namespace

// Budgeted like the others, but timed by the manual (CPU) time set above.
[[maybe_unused]] static auto* const kAdvisorTable = [] {
    BenchBudgets().push_back({"AdvisorTable", kTableBudgetNs});
    return benchmark::RegisterBenchmark("AdvisorTable", BM_AdvisorTable)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}();
[[maybe_unused]] static auto* const kAdvisorAdvise =
    RegisterBudgeted("AdvisorAdvise", BM_AdvisorAdvise, kAdviceBudgetNs);
[[maybe_unused]] static auto* const kAdvisorCacheLoad =
    RegisterBudgeted("AdvisorCacheLoad", BM_AdvisorCacheLoad, kNoBudget)
        -> Unit(benchmark::kMillisecond);
