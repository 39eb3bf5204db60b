#include "platform/running_program.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace zindo::platform {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Closes the descriptor when it goes.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

std::string runningProgramPath(std::string_view runtimeDirectory, std::string_view display, std::string_view suffix) {
    std::string name(display);
    const auto safe = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
    };
    for (char& c : name) {
        if (!safe(c)) c = '_';
    }
    std::string path(runtimeDirectory);
    if (!path.empty() && path.back() != '/') path += '/';
    return path + "zindozindo-" + name + "." + std::string(suffix);
}

bool isPrintableAscii(std::string_view text) {
    for (const char c : text) {
        if (c <= ' ' || c > '~') return false;
    }
    return true;
}

std::string showRequest(std::string_view token) {
    return token.empty() || !isPrintableAscii(token) ? "show\n" : "show " + std::string(token) + "\n";
}

bool askRunningProgramToShow() {
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    if (runtime.empty()) return false;
    // Wayland's display where both are set, as the program names its files.
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const std::string display = wayland != nullptr ? wayland : environment("DISPLAY");

    // The program holds the lock for its life: one that can be taken here means none runs.
    const Descriptor lock{::open(runningProgramPath(runtime, display, "lock").c_str(), O_RDWR | O_CLOEXEC)};
    if (lock.fd < 0 || ::flock(lock.fd, LOCK_EX | LOCK_NB) == 0) return false;

    const std::string socketPath = runningProgramPath(runtime, display, "socket");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const Descriptor socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)};
    if (socket.fd < 0 || ::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return false;

    const std::string token = environment("XDG_ACTIVATION_TOKEN");
    const std::string request = showRequest(token.empty() ? environment("DESKTOP_STARTUP_ID") : token);
    return ::send(socket.fd, request.data(), request.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(request.size());
}

}  // namespace zindo::platform
