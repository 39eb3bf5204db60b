// Grid rebuilds on the testing host: what one full grid and one keystroke cost.
#include <benchmark/benchmark.h>

#include <string>

#include "app/zindo_app.h"
#include "figures.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/testing/testing_host.h"

namespace {

class OpenPicker {
public:
    OpenPicker() {
        application.setDelegate(&zindo);
        application.run();
        zindo.duckClicked();
    }
    zindo::platform::testing::TestingHost host;
    zindo::platform::Application application{host};
    zindo::ZindoApp zindo;
};

// Catalogue, filter and 932 buttons into a fresh document view.
void full_grid_rebuild(benchmark::State& state) {
    OpenPicker picker;
    for (auto _ : state) picker.zindo.createEmojiGrid(*picker.zindo.scrollView(), "");
}
BENCHMARK(full_grid_rebuild)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly();

// One edit of the field: the delegate's rebuild and the observer's.
void keystroke(benchmark::State& state, std::string text) {
    OpenPicker picker;
    for (auto _ : state) picker.zindo.searchField()->userDidEditText(text);
}
BENCHMARK_CAPTURE(keystroke, _empty, std::string())
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(keystroke, _face, std::string("face"))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) { return zindo::bench::runAndPrintFigures(argc, argv); }
