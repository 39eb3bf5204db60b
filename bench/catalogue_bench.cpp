// One catalogue build, and a build plus the filter, as every grid build does.
#include <benchmark/benchmark.h>

#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/search_filter.h"
#include "figures.h"

namespace {

void catalogue_build(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(zindo::buildCatalogue());
}
BENCHMARK(catalogue_build)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly();

void catalogue_build_and_filter(benchmark::State& state, std::string term) {
    for (auto _ : state) {
        const zindo::Catalogue catalogue = zindo::buildCatalogue();
        benchmark::DoNotOptimize(zindo::filteredEmojis(term, catalogue));
    }
}
BENCHMARK_CAPTURE(catalogue_build_and_filter, _empty, std::string())
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(catalogue_build_and_filter, _a, std::string("a"))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(catalogue_build_and_filter, _face, std::string("face"))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(catalogue_build_and_filter, _zzq, std::string("zzq"))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(catalogue_build_and_filter, _32_chars, std::string(32, 'q'))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(catalogue_build_and_filter, _emoji, std::string("\xF0\x9F\x90\xB6"))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(catalogue_build_and_filter, _1000_chars, std::string(1000, 'e'))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) { return zindo::bench::runAndPrintFigures(argc, argv); }
