#include <iostream>
#include <string_view>
#include <vector>

#include "app/command_line.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const zindo::CommandLineOutcome outcome = zindo::runCommandLine(arguments, std::cout, std::cerr);
    if (!outcome.startPicker) return outcome.exitStatus;
    // The tray picker arrives with the desktop host; until then, say how to use the rest.
    const std::vector<std::string_view> help{"--help"};
    return zindo::runCommandLine(help, std::cout, std::cerr).exitStatus;
}
