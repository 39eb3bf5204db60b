#include "platform/running_program.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace zindo::platform {
namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

bool runningProgramPath(std::string_view runtimeDirectory, std::string_view display, std::string_view suffix,
                        RuntimePath& path) {
    std::size_t length = 0;
    const auto append = [&](std::string_view text, bool safe) {
        for (char c : text) {
            if (length + 1 >= path.size()) return false;
            const bool plain =
                (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
            path[length++] = safe && !plain ? '_' : c;
        }
        return true;
    };
    const bool fits = append(runtimeDirectory, false) &&
                      (runtimeDirectory.empty() || runtimeDirectory.back() == '/' || append("/", false)) &&
                      append("zindozindo-", false) && append(display, true) && append(".", false) &&
                      append(suffix, false);
    path[length] = '\0';
    return fits;
}

bool isPrintableAscii(std::string_view text) {
    for (const char c : text) {
        if (c <= ' ' || c > '~') return false;
    }
    return true;
}

std::array<std::string_view, 3> showRequest(std::string_view token, bool insert) {
    const bool sent = !token.empty() && isPrintableAscii(token);
    if (insert) return {sent ? "insert " : "insert", sent ? token : "", "\n"};
    return {sent ? "show " : "show", sent ? token : "", "\n"};
}

bool askRunningProgramToShow(bool insert) {
    const std::string_view runtime = environment("XDG_RUNTIME_DIR");
    if (runtime.empty()) return false;
    // Wayland's display where both are set, as the program names its files.
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const std::string_view display = wayland != nullptr ? wayland : environment("DISPLAY");

    // The program holds the lock for its life: one that can be taken here means none runs.
    RuntimePath lockPath{};
    if (!runningProgramPath(runtime, display, "lock", lockPath)) return false;
    const int lock = ::open(lockPath.data(), O_RDWR | O_CLOEXEC);
    if (lock < 0) return false;
    const bool running = ::flock(lock, LOCK_EX | LOCK_NB) != 0;
    ::close(lock);
    if (!running) return false;

    RuntimePath socketPath{};
    if (!runningProgramPath(runtime, display, "socket", socketPath)) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.data(), socketPath.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) return false;
    bool sent = false;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        std::string_view token = environment("XDG_ACTIVATION_TOKEN");
        if (token.empty()) token = environment("DESKTOP_STARTUP_ID");
        const std::array<std::string_view, 3> parts = showRequest(token, insert);
        std::array<iovec, 3> pieces{};
        std::size_t total = 0;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            pieces[i] = {const_cast<char*>(parts[i].data()), parts[i].size()};
            total += parts[i].size();
        }
        const msghdr message{nullptr, 0, pieces.data(), pieces.size(), nullptr, 0, 0};
        sent = ::sendmsg(socket, &message, MSG_NOSIGNAL) == static_cast<ssize_t>(total);
    }
    ::close(socket);
    return sent;
}

}  // namespace zindo::platform
