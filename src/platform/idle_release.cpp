#include "platform/idle_release.h"

#include <utility>

namespace zindo::platform {

IdleRelease::IdleRelease(MainQueue& queue, double waitSeconds, std::function<void()> release)
    : queue_(queue), waitSeconds_(waitSeconds), release_(std::move(release)) {}

void IdleRelease::pickerOpened() {
    ++open_;
    ++waits_;
}

void IdleRelease::pickerClosed() {
    if (open_ == 0 || --open_ > 0) return;
    const std::uint64_t wait = ++waits_;
    queue_.asyncAfter(queue_.now() + waitSeconds_, [this, wait] {
        if (wait == waits_) release_();
    });
}

}  // namespace zindo::platform
