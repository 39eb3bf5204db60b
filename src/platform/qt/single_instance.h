// One running program per user and display session. A lock held for the
// program's life decides which start that is; later starts hand it their
// request over a local socket in the user's runtime directory and exit.
#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QString>
#include <functional>

namespace zindo::platform::qt {

class SingleInstance {
public:
    SingleInstance() = default;
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    static QString socketPath();

    // Decides, before anything costly starts, whether this start is the one
    // program: `run` when it now holds the lock. Otherwise the holder has the
    // request: a picker when it serves already (a later start) or, for
    // `--show` and `--insert`, as soon as it does; a plain start that raced another at
    // launch asks nothing, and a start in the background never asks.
    // `unanswered` when a holder never served within ten seconds. Needs no
    // QApplication.
    enum class Start { plain, show, insert, background };
    enum class Claim { run, handedOver, unanswered };
    Claim claim(Start start);

    // What the bytes a later start has sent so far ask for: nothing yet,
    // a picker with the launcher's token (empty when there was none), whose
    // choice is typed too for "insert", or nothing ever (ill-formed, or no
    // line end within 1 KiB).
    struct Request {
        enum class Kind { incomplete, show, refused } kind;
        QByteArray token;
        bool insert = false;
    };
    static Request readRequest(const QByteArray& received);

    // Serves later starts: `show` runs once for every well-formed request.
    // False, with the reason on stderr, when the socket cannot be had.
    bool serve(std::function<void(const Request& request)> show);

private:
    int lock_ = -1;
    QLocalServer server_;
};

}  // namespace zindo::platform::qt
