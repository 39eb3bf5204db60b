// The main queue: delayed work and running animations, both off one clock.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/clock.h"

namespace zindo::platform {

class View;

class MainQueue {
public:
    using Work = std::function<void()>;

    // There is one at a time; main() reaches it while it exists, as Dispatch's main queue.
    explicit MainQueue(const Clock& clock);
    ~MainQueue();
    MainQueue(const MainQueue&) = delete;
    MainQueue& operator=(const MainQueue&) = delete;
    static MainQueue& main();

    double now() const { return clock_.now(); }
    // Runs once, no earlier than the deadline, and never inside this call.
    void asyncAfter(double deadline, Work work);
    // Moves the view's alpha from its present value to the target over the duration.
    void animateAlpha(std::shared_ptr<View> view, double targetAlpha, double durationSeconds);

    // Brings animations to the clock's time, then runs the work that is
    // due, earliest deadline first and in queuing order among equals.
    void runDue();
    std::optional<double> nextDeadline() const;
    bool isAnimating() const { return !animations_.empty(); }
    std::size_t pendingWorkCount() const { return work_.size(); }

private:
    struct Pending {
        double deadline;
        std::uint64_t sequence;
        Work work;
    };
    struct Animation {
        std::shared_ptr<View> view;
        double fromAlpha;
        double toAlpha;
        double start;
        double duration;
    };
    void stepAnimations(double time);

    const Clock& clock_;
    std::vector<Pending> work_;
    std::vector<Animation> animations_;
    std::uint64_t nextSequence_ = 0;
};

}  // namespace zindo::platform
