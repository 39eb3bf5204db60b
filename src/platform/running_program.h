// How a later start reaches the one running program of a user's display
// session: the names of its lock and socket, the request it sends, and that
// request sent by the zindozindo command. That runs at every press of a
// shortcut, so this needs the C library alone: no C++ library to load.
#pragma once

#include <sys/un.h>

#include <array>
#include <string_view>

namespace zindo::platform {

// A path that fits a Unix socket's address, ending in a NUL.
using RuntimePath = std::array<char, sizeof(sockaddr_un::sun_path)>;

// "zindozindo-DISPLAY.SUFFIX" in the runtime directory, the display's name
// made safe for a file name (":0" is "_0", "wayland-0" stays); false when
// it would not fit a socket's address.
bool runningProgramPath(std::string_view runtimeDirectory, std::string_view display, std::string_view suffix,
                        RuntimePath& path);

// "show", or "show TOKEN" with the launcher's activation token, on one line,
// in the parts it is sent in; "insert" in place of "show" for a picker whose
// choice is typed too. A token that is not printable ASCII is left out.
std::array<std::string_view, 3> showRequest(std::string_view token, bool insert);
bool isPrintableAscii(std::string_view text);

// Hands a picker request to the program that runs, as a plain start or
// --show does, and reports whether it took it. False whenever this cannot
// be sure: no program runs, it does not serve yet, or no runtime directory is
// set. The program itself then decides, with the whole of its start-up logic.
bool askRunningProgramToShow(bool insert);

}  // namespace zindo::platform
