// The zindozindo command. A shortcut runs it while the program runs already,
// often many times a day: it hands the request over without Qt, whose ~60
// libraries take longer to load than the picker takes to appear, and without
// the C++ library, which takes a millisecond or two more. Every other start
// becomes the program itself, which lies in libexec.
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/running_program.h"

namespace {

// Beside this command in the build tree; where it is installed, as the
// install's own layout puts it. Empty when the path is too long.
void findProgram(char (&path)[PATH_MAX]) {
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    char* end = length > 0 ? std::strrchr(path, '/') : nullptr;
    path[length > 0 ? length : 0] = '\0';
    if (end == nullptr) {
        path[0] = '\0';
        return;
    }
    const std::size_t room = sizeof path - static_cast<std::size_t>(end + 1 - path);
    for (const char* relative : {"libexec/zindozindo/zindozindo", ZINDO_PROGRAM_FROM_BINDIR}) {
        if (std::snprintf(end + 1, room, "%s", relative) >= static_cast<int>(room)) {
            path[0] = '\0';
            return;
        }
        if (::access(path, F_OK) == 0) return;
    }
}

// What the program's own command line reads as a picker request: no option,
// --show, --insert, or --show and --insert in either order.
bool asksForAPicker(int argc, char** argv, bool& insert) {
    const auto is = [&](int at, const char* option) { return std::strcmp(argv[at], option) == 0; };
    insert = (argc >= 2 && is(1, "--insert")) || (argc == 3 && is(2, "--insert"));
    if (argc == 1) return true;
    if (argc == 2) return is(1, "--show") || is(1, "--insert");
    return argc == 3 && ((is(1, "--show") && is(2, "--insert")) || (is(1, "--insert") && is(2, "--show")));
}

}  // namespace

int main(int argc, char** argv) {
    bool insert = false;
    if (asksForAPicker(argc, argv, insert) && zindo::platform::askRunningProgramToShow(insert)) return 0;
    char path[PATH_MAX];
    findProgram(path);
    ::execv(path, argv);
    std::fprintf(stderr, "zindozindo: cannot run %s: %s\n", path, std::strerror(errno));
    return 1;
}
