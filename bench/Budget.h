#pragma once
// Registration of a benchmark together with the time it must stay under. The
// benchmark executable prints every figure beside its budget when it is done.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

struct TBenchBudget {
    std::string Name;
    double LimitNs; // kNoBudget: the figure is reported only
};

inline constexpr double kNoBudget = 0;

// Budgets of the registered benchmarks, in registration order.
std::vector<TBenchBudget>& BenchBudgets();

// Registers AFunction under AName with a wall-clock budget per iteration.
benchmark::internal::Benchmark*
RegisterBudgeted(const char* AName, void (*AFunction)(benchmark::State&), double ALimitNs);
