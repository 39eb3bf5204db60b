// How a later start reaches the one running program of a user's display
// session: the names of its lock and socket, the request it sends, and that
// request sent without Qt, so that a shortcut pressed while the program runs
// costs the few milliseconds of a small process.
#pragma once

#include <string>
#include <string_view>

namespace zindo::platform {

// "zindozindo-DISPLAY.SUFFIX" in the runtime directory, the display's name
// made safe for a file name (":0" is "_0", "wayland-0" stays).
std::string runningProgramPath(std::string_view runtimeDirectory, std::string_view display, std::string_view suffix);

// "show", or "show TOKEN" with the launcher's activation token, on one line;
// a token that is not printable ASCII is left out.
std::string showRequest(std::string_view token);
bool isPrintableAscii(std::string_view text);

// Hands a picker request to the program that runs, as a plain start or
// --show does, and reports whether it took it. False whenever this cannot
// be sure: no program runs, it does not serve yet, or no runtime directory is
// set. The program itself then decides, with the whole of its start-up logic.
bool askRunningProgramToShow();

}  // namespace zindo::platform
