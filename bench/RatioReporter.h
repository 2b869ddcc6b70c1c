#pragma once
// A console reporter that also keeps each benchmark's real time (the median
// when the runs are repeated) and, at the end, prints comparisons of pairs
// measured in the same run as ratios against their goals:
//   ratio = time(subject) / time(peer), the goal met when ratio <= goal;
// or, with a counter named, the subject's counter (divided by the peer's,
// if one is named) against the goal.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace quorvix::bench {

struct Comparison {
    std::string label;
    std::string subject;  // benchmark names
    std::string peer;
    double goal;               // the largest acceptable time(subject) / time(peer)
    std::string counter = {};  // compare this counter instead of the time
    bool cpuTime = false;      // compare CPU times (in-process work) instead of real times
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, as the library's own reporter does.
    explicit RatioReporter(std::vector<Comparison> comparisons)
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular),
          comparisons_(std::move(comparisons)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.aggregate_name == "median";
            if (!median && !run.aggregate_name.empty()) continue;
            const std::string name = run.run_name.function_name;
            const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
            // A median replaces the single runs it summarises.
            if (median || !medians_.count(name)) {
                times_[name] = run.GetAdjustedRealTime() / unit;
                cpuTimes_[name] = run.GetAdjustedCPUTime() / unit;
                for (const auto& [counter, value] : run.counters) counters_[name + "/" + counter] = value;
            }
            if (median) medians_[name] = true;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-44s %12s %12s %7s %7s\n", "comparison", "subject", "peer", "ratio", "goal");
        for (const Comparison& c : comparisons_) {
            if (!c.counter.empty()) {
                const auto s = counters_.find(c.subject + "/" + c.counter);
                const auto p = counters_.find(c.peer + "/" + c.counter);
                if (s == counters_.end()) continue;
                const bool hasPeer = !c.peer.empty() && p != counters_.end();
                const double ratio = hasPeer ? s->second / p->second : s->second;
                std::printf("%-44s %12.0f %12s %7.2f %6s%.2f %s\n", c.label.c_str(), s->second,
                            hasPeer ? std::to_string(static_cast<long>(p->second)).c_str() : "-", ratio,
                            "<=", c.goal, ratio <= c.goal ? "met" : "MISSED");
                continue;
            }
            const std::map<std::string, double>& times = c.cpuTime ? cpuTimes_ : times_;
            const auto s = times.find(c.subject);
            const auto p = times.find(c.peer);
            if (s == times.end() || p == times.end()) continue;
            const double ratio = s->second / p->second;
            std::printf("%-44s %12s %12s %7.2f %6s%.2f %s\n", c.label.c_str(), Format(s->second).c_str(),
                        Format(p->second).c_str(), ratio, "<=", c.goal, ratio <= c.goal ? "met" : "MISSED");
        }
        std::fflush(stdout);
    }

private:
    static std::string Format(double seconds) {
        char buffer[32];
        if (seconds >= 1e-4)
            std::snprintf(buffer, sizeof buffer, "%.2f ms", seconds * 1e3);
        else if (seconds >= 1e-7)
            std::snprintf(buffer, sizeof buffer, "%.2f us", seconds * 1e6);
        else
            std::snprintf(buffer, sizeof buffer, "%.1f ns", seconds * 1e9);
        return buffer;
    }

    std::vector<Comparison> comparisons_;
    std::map<std::string, double> times_;
    std::map<std::string, double> cpuTimes_;
    std::map<std::string, bool> medians_;
    std::map<std::string, double> counters_;
};

// Runs the registered benchmarks with the reporter above.
inline int RunWithRatios(int argc, char** argv, std::vector<Comparison> comparisons) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter(std::move(comparisons));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace quorvix::bench
