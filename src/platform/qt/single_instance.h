// One running program per user and display session. Later starts hand it
// their request over a local socket in the user's runtime directory and exit.
#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QString>
#include <functional>

namespace zindo::platform::qt {

class SingleInstance {
public:
    // $XDG_RUNTIME_DIR (user-only) and the display this session draws on.
    static QString socketPath();

    // Asks the running program to open a picker, passing on the launcher's
    // activation token; false when none answers. Needs no QApplication.
    static bool askRunningToShow();

    // What the bytes a later start has sent so far ask for: nothing yet,
    // a picker with the launcher's token (empty when there was none), or
    // nothing ever (ill-formed, or no line end within 1 KiB).
    struct Request {
        enum class Kind { incomplete, show, refused } kind;
        QByteArray token;
    };
    static Request readRequest(const QByteArray& received);

    // Serves later starts: `show` runs once for every well-formed request,
    // with its activation token (empty when there was none). False, with the
    // reason on stderr, when the socket cannot be had.
    bool serve(std::function<void(const QByteArray& token)> show);

private:
    QLocalServer server_;
};

}  // namespace zindo::platform::qt
