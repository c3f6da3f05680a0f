// The benchmark executable: runs every benchmark headless, with a private
// configuration folder, then prints each figure beside its budget. The exit
// status is 1 when a budget is missed, unless --budgets=report is given.

#include "bench/Budget.h"

#include <QApplication>
#include <QFont>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

std::vector<TBenchBudget>& BenchBudgets() {
    static std::vector<TBenchBudget> budgets;
    return budgets;
}

benchmark::internal::Benchmark*
RegisterBudgeted(const char* AName, void (*AFunction)(benchmark::State&), double ALimitNs) {
    BenchBudgets().push_back({AName, ALimitNs});
    return benchmark::RegisterBenchmark(AName, AFunction)->UseRealTime();
}

namespace {

// The console output, plus the wall time per iteration of each benchmark: the
// median when repetitions were asked for, else the single run.
class TBudgetReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& AReports) override {
        for (const Run& run : AReports) {
            if (run.error_occurred) {
                FFailed[run.run_name.function_name] = run.error_message;
                continue;
            }
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single) {
                FTimesNs[run.run_name.function_name] =
                    run.GetAdjustedRealTime() *
                    benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
        ConsoleReporter::ReportRuns(AReports);
    }

    // Prints the table; false when a benchmark failed or missed its budget.
    bool PrintBudgets() const {
        bool allHeld = true;
        std::printf("\n%-28s %14s %14s  %s\n", "Benchmark", "Median", "Budget", "Result");
        for (const TBenchBudget& budget : BenchBudgets()) {
            const auto failed = FFailed.find(budget.Name);
            const auto time = FTimesNs.find(budget.Name);
            if (failed != FFailed.end()) {
                std::printf("%-28s %14s %14s  error: %s\n", budget.Name.c_str(), "-",
                            Format(budget.LimitNs).c_str(), failed->second.c_str());
                allHeld = false;
            } else if (time != FTimesNs.end() && budget.LimitNs == kNoBudget) {
                std::printf("%-28s %14s %14s  %s\n", budget.Name.c_str(),
                            Format(time->second).c_str(), "-", "-");
            } else if (time != FTimesNs.end()) {
                const bool held = time->second < budget.LimitNs;
                allHeld = allHeld && held;
                std::printf("%-28s %14s %14s  %s\n", budget.Name.c_str(),
                            Format(time->second).c_str(), Format(budget.LimitNs).c_str(),
                            held ? "pass" : "FAIL");
            }
        }
        return allHeld;
    }

private:
    static std::string Format(double ANs) {
        char text[32];
        if (ANs < 1e3) {
            std::snprintf(text, sizeof text, "%.1f ns", ANs);
        } else if (ANs < 1e6) {
            std::snprintf(text, sizeof text, "%.2f us", ANs / 1e3);
        } else {
            std::snprintf(text, sizeof text, "%.3f ms", ANs / 1e6);
        }
        return text;
    }

    std::map<std::string, double> FTimesNs;
    std::map<std::string, std::string> FFailed;
};

} // namespace

int main(int argc, char* argv[]) {
    bool enforce = true;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--budgets=report") == 0) {
            enforce = false;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;

    // Headless, and never the player's own settings.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "tolmir_bench: no temporary folder\n");
        return 2;
    }
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());

    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    TBudgetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool held = reporter.PrintBudgets();
    return (held || !enforce) ? 0 : 1;
}
