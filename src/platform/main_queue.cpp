#include "platform/main_queue.h"

#include <algorithm>
#include <cassert>

#include "platform/view.h"

namespace zindo::platform {
namespace {

MainQueue* mainQueue = nullptr;

// The platform's default pacing for a group: ease in, ease out.
double eased(double progress) { return progress * progress * (3.0 - 2.0 * progress); }

}  // namespace

MainQueue::MainQueue(const Clock& clock) : clock_(clock) {
    assert(mainQueue == nullptr && "one main queue at a time");
    mainQueue = this;
}

MainQueue::~MainQueue() { mainQueue = nullptr; }

MainQueue& MainQueue::main() {
    assert(mainQueue != nullptr && "no main queue");
    return *mainQueue;
}

void MainQueue::asyncAfter(double deadline, Work work) {
    work_.push_back(Pending{deadline, nextSequence_++, std::move(work)});
}

void MainQueue::animateAlpha(std::shared_ptr<View> view, double targetAlpha, double durationSeconds) {
    // A new animation of the same view takes over from the present value.
    std::erase_if(animations_, [&view](const Animation& animation) { return animation.view == view; });
    const double from = view->alphaValue();
    animations_.push_back(Animation{std::move(view), from, targetAlpha, now(), durationSeconds});
}

void MainQueue::stepAnimations(double time) {
    std::erase_if(animations_, [time](const Animation& animation) {
        const double elapsed = time - animation.start;
        if (animation.duration <= 0.0 || elapsed >= animation.duration) {
            animation.view->setAlphaValue(animation.toAlpha);
            return true;
        }
        const double progress = eased(std::max(elapsed, 0.0) / animation.duration);
        animation.view->setAlphaValue(animation.fromAlpha + (animation.toAlpha - animation.fromAlpha) * progress);
        return false;
    });
}

void MainQueue::runDue() {
    const double time = now();
    for (;;) {
        stepAnimations(time);
        const auto next = std::min_element(work_.begin(), work_.end(), [](const Pending& a, const Pending& b) {
            return a.deadline < b.deadline || (a.deadline == b.deadline && a.sequence < b.sequence);
        });
        if (next == work_.end() || next->deadline > time) return;
        const Work work = std::move(next->work);
        work_.erase(next);
        work();
    }
}

std::optional<double> MainQueue::nextDeadline() const {
    if (work_.empty()) return std::nullopt;
    return std::min_element(work_.begin(), work_.end(),
                            [](const Pending& a, const Pending& b) { return a.deadline < b.deadline; })
        ->deadline;
}

}  // namespace zindo::platform
