// The command line, for launchers (rofi, dmenu) and scripts.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace zindo {

struct CommandLineOutcome {
    bool startPicker = false;
    bool showPicker = false;  // open a picker at once, in the running program if there is one
    bool insert = false;      // and type its choice into the window that had the keyboard
    bool background = false;  // never open a picker unasked, even without a tray
    int exitStatus = 0;
};

// Arguments without the program name. Commands print to `out` and leave the
// process an exit status; mistakes get one line on `err` and status 2.
CommandLineOutcome runCommandLine(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

}  // namespace zindo
