#include <iostream>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/start_up.h"
#include "platform/qt/qt_host.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const zindo::CommandLineOutcome outcome = zindo::runCommandLine(arguments, std::cout, std::cerr);
    if (!outcome.startPicker) return outcome.exitStatus;
    // Already running: that program opens the picker, and no second duck appears.
    if (zindo::platform::qt::SingleInstance::askRunningToShow()) return 0;
    zindo::platform::qt::QtHost host(argc, argv);
    if (outcome.showPicker) host.showPickerAtStart();
    return zindo::runPicker(host);
}
