// SIGINT and SIGTERM end the event loop as a quit does. The handler only
// writes a byte to a socket pair, all a handler may safely do; the loop reads
// it. The pair and the handlers belong to this object: when it goes, the
// handlers it found are back and both ends are closed.
#pragma once

#include <csignal>
#include <memory>

class QSocketNotifier;

namespace zindo::platform::qt {

class QuitOnSignals {
public:
    QuitOnSignals();
    ~QuitOnSignals();
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

private:
    int pair_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previousInterrupt_ = {};
    struct sigaction previousTerminate_ = {};
};

}  // namespace zindo::platform::qt
