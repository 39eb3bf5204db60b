#include "figures.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace zindo::bench {
namespace {

// Keeps the console output and remembers each benchmark's median.
class FigureReporter : public benchmark::ConsoleReporter {
public:
    // No colour codes: the figure lines must start at the start of a line.
    FigureReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                figures_.push_back({run.run_name.function_name + run.run_name.args, run.GetAdjustedRealTime(),
                                    benchmark::GetTimeUnitString(run.time_unit)});
            }
        }
    }

    void printFigures() const {
        for (const Figure& f : figures_) std::printf("figure %s %.4g %s\n", f.name.c_str(), f.median, f.unit);
    }

private:
    struct Figure {
        std::string name;
        double median;
        const char* unit;
    };
    std::vector<Figure> figures_;
};

}  // namespace

int runAndPrintFigures(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::fflush(stdout);
    reporter.printFigures();
    return 0;
}

}  // namespace zindo::bench
