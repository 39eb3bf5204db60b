// The picker as a person sees it, from outside the process: an XTest key
// press to the end of the damage it causes on the grid (the search field's
// own clear-button fade lies outside the grid and is left out), and an exec
// of the program to the end of the first paint of its grid.
//   key_probe keys WINDOW WORD...   types each word and erases it; prints one
//                                   "key TERM MS" line per key, TERM the text after it
//   key_probe start PROGRAM ARG...  prints "start MS PID"
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <sys/select.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr XRectangle kGrid{20, 50, 460, 480};  // in the picker's window
constexpr auto kQuiet = std::chrono::milliseconds(60);
constexpr auto kLimit = std::chrono::seconds(10);

double millisecondsSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

bool touchesGrid(const XRectangle& area) {
    return area.x < kGrid.x + kGrid.width && area.x + area.width > kGrid.x && area.y < kGrid.y + kGrid.height &&
           area.y + area.height > kGrid.y;
}

// Waits for damage on the window's grid, then for the grid to stay quiet; the
// time of the last damage, or of nothing when none came within the limit.
Clock::time_point endOfGridDamage(Display* display, int damageEvent, Window window, Clock::time_point since) {
    Clock::time_point last{};
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const auto& damage = reinterpret_cast<XDamageNotifyEvent&>(event);
            if (event.type == damageEvent + XDamageNotify && damage.drawable == window && touchesGrid(damage.area))
                last = Clock::now();
        }
        const Clock::time_point now = Clock::now();
        if (last != Clock::time_point{} && now - last >= kQuiet) return last;
        if (now - since > kLimit) return last;
        const auto wait = last != Clock::time_point{} ? kQuiet - (now - last) : std::chrono::milliseconds(10);
        timeval timeout{0,
                        static_cast<suseconds_t>(std::chrono::duration_cast<std::chrono::microseconds>(wait).count())};
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        select(fd + 1, &readable, nullptr, nullptr, &timeout);
    }
}

void watch(Display* display, Window window) {
    XDamageCreate(display, window, XDamageReportRawRectangles);
    XSync(display, False);
}

void press(Display* display, KeySym symbol) {
    const KeyCode code = XKeysymToKeycode(display, symbol);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (display == nullptr || argc < 3 || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fputs("usage: key_probe keys WINDOW WORD... | key_probe start PROGRAM ARG...\n", stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "start") == 0) {
        // Every window is watched from its creation, so that no paint is missed.
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
        XSync(display, False);
        const Clock::time_point started = Clock::now();
        const pid_t child = fork();
        if (child == 0) {
            // Not the probe's output: whoever reads that waits for it to close.
            const int nowhere = open("/dev/null", O_WRONLY);
            dup2(nowhere, STDOUT_FILENO);
            dup2(nowhere, STDERR_FILENO);
            execv(argv[2], argv + 2);
            _exit(127);
        }
        // The picker is the window whose damage first covers the whole grid.
        Window picker = 0;
        while (picker == 0 && Clock::now() - started < kLimit) {
            if (XPending(display) == 0) {
                usleep(200);
                continue;
            }
            XEvent event;
            XNextEvent(display, &event);
            const auto& damage = reinterpret_cast<XDamageNotifyEvent&>(event);
            if (event.type == CreateNotify) {
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
            } else if (event.type == damageEvent + XDamageNotify && damage.area.x <= kGrid.x &&
                       damage.area.y <= kGrid.y && damage.area.x + damage.area.width >= kGrid.x + kGrid.width &&
                       damage.area.y + damage.area.height >= kGrid.y + kGrid.height) {
                picker = damage.drawable;
            }
        }
        const Clock::time_point painted = endOfGridDamage(display, damageEvent, picker, started);
        std::printf("start %.1f %d\n", millisecondsSince(started, painted), static_cast<int>(child));
        return 0;
    }
    const Window window = std::strtoul(argv[2], nullptr, 0);
    watch(display, window);
    std::string term;
    const auto timeKey = [&](KeySym symbol) {
        const Clock::time_point pressed = Clock::now();
        press(display, symbol);
        std::printf("key %s %.2f\n", term.empty() ? "-" : term.c_str(),
                    millisecondsSince(pressed, endOfGridDamage(display, damageEvent, window, pressed)));
        std::fflush(stdout);
    };
    for (int word = 3; word < argc; ++word) {
        for (const char* letter = argv[word]; *letter != '\0'; ++letter) {
            term += *letter;
            timeKey(XStringToKeysym(std::string(1, *letter).c_str()));
        }
        while (!term.empty()) {
            term.pop_back();
            timeKey(XK_BackSpace);
        }
    }
    XCloseDisplay(display);
    return 0;
}
