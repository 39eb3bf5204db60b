// Runs the registered benchmarks and prints, last, one line per benchmark:
// "figure <name> <median> <unit>".
#pragma once

namespace zindo::bench {

int runAndPrintFigures(int argc, char** argv);

}  // namespace zindo::bench
