// Lets go of what only an open picker needs once none has been open for a
// while: a tray program spends most of its life waiting, and what it holds
// then is what it costs. A picker opened again soon finds everything kept.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/main_queue.h"

namespace zindo::platform {

class IdleRelease {
public:
    IdleRelease(MainQueue& queue, double waitSeconds, std::function<void()> release);

    void pickerOpened();
    // The last picker's close starts the wait; a picker opened meanwhile ends it.
    void pickerClosed();

private:
    MainQueue& queue_;
    double waitSeconds_;
    std::function<void()> release_;
    int open_ = 0;
    std::uint64_t waits_ = 0;  // the current wait's number: an earlier one's work does nothing
};

}  // namespace zindo::platform
