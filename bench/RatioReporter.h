#pragma once
// A console reporter that also keeps each benchmark's times, so a benchmark
// program can print its results against a yardstick (an operation against
// memcpy, a drawing against a bare QPainter loop) after the run.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Time {
        double cpu = 0;
        double real = 0;
    };

    // Colour only on a terminal, as the library's own reporter does.
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}

    void ReportRuns(const std::vector<Run>& reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports) {
            if (run.error_occurred)
                continue;
            Times& times = times_[run.run_name.str()];
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median")
                    times.median = Time{run.GetAdjustedCPUTime(), run.GetAdjustedRealTime()};
            } else {
                times.sum.cpu += run.GetAdjustedCPUTime();
                times.sum.real += run.GetAdjustedRealTime();
                ++times.runs;
            }
        }
    }

    // A benchmark's times by its name ("BM_ReplaceIn/rgb24", "BM_Pattern/2"),
    // whatever options follow it: the median when the run has repetitions,
    // else the mean of its runs.
    std::optional<Time> timeOf(const std::string& name) const
    {
        for (const auto& [key, times] : times_) {
            if (key != name && key.rfind(name + "/", 0) != 0)
                continue;
            if (times.median)
                return times.median;
            if (times.runs > 0)
                return Time{times.sum.cpu / times.runs, times.sum.real / times.runs};
        }
        return std::nullopt;
    }

private:
    struct Times {
        std::optional<Time> median;
        Time sum;
        int runs = 0;
    };

    std::map<std::string, Times> times_;
};

// main() of a benchmark program that prints ratios after the usual report.
inline int runBenchmarksWithRatios(int argc, char** argv, const std::function<void(const RatioReporter&)>& printRatios)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
