// The zindozindo command. A shortcut runs it while the program runs already,
// often many times a day: it hands the request over without Qt, whose ~60
// libraries take longer to load than the picker takes to appear. Every other
// start becomes the program itself, which lies in libexec.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/running_program.h"

namespace {

// Beside this command in the build tree; where it is installed, as the
// install's own layout puts it.
std::filesystem::path program() {
    std::error_code error;
    const std::filesystem::path here = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path built = here / "libexec/zindozindo/zindozindo";
    return std::filesystem::exists(built, error) ? built : here / ZINDO_PROGRAM_FROM_BINDIR;
}

}  // namespace

int main(int argc, char** argv) {
    const bool asksForAPicker = argc == 1 || (argc == 2 && std::strcmp(argv[1], "--show") == 0);
    if (asksForAPicker && zindo::platform::askRunningProgramToShow()) return 0;
    const std::filesystem::path path = program();
    execv(path.c_str(), argv);
    std::fprintf(stderr, "zindozindo: cannot run %s: %s\n", path.c_str(), std::strerror(errno));
    return 1;
}
