#include <malloc.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/start_up.h"
#include "platform/qt/input_module.h"
#include "platform/qt/qt_host.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const zindo::CommandLineOutcome outcome = zindo::runCommandLine(arguments, std::cout, std::cerr);
    if (!outcome.startPicker) return outcome.exitStatus;
    // Decided before Qt starts, so that a start that is not the one program costs little.
    using zindo::platform::qt::SingleInstance;
    SingleInstance instance;
    const SingleInstance::Start start = outcome.insert       ? SingleInstance::Start::insert
                                        : outcome.showPicker ? SingleInstance::Start::show
                                        : outcome.background ? SingleInstance::Start::background
                                                             : SingleInstance::Start::plain;
    switch (instance.claim(start)) {
        case SingleInstance::Claim::handedOver:
            return 0;
        case SingleInstance::Claim::unanswered:
            return 1;
        case SingleInstance::Claim::run:
            break;
    }
    zindo::platform::qt::chooseInputModule();
    // Large blocks always in mappings of their own, given back when freed.
    // glibc otherwise raises this bar to the largest block freed so far: the
    // first picker after an idle time then grew the heap by a grid's worth
    // of drawings again, as large as the first picker's was.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    zindo::platform::qt::QtHost host(argc, argv, instance);
    if (outcome.showPicker) host.showPickerAtStart(outcome.insert);
    if (outcome.background) host.startInBackground();
    return zindo::runPicker(host);
}
