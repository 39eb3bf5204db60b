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

}  // namespace

int main(int argc, char** argv) {
    const bool asksForAPicker = argc == 1 || (argc == 2 && std::strcmp(argv[1], "--show") == 0);
    if (asksForAPicker && zindo::platform::askRunningProgramToShow()) return 0;
    char path[PATH_MAX];
    findProgram(path);
    ::execv(path, argv);
    std::fprintf(stderr, "zindozindo: cannot run %s: %s\n", path, std::strerror(errno));
    return 1;
}
