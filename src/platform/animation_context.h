// Animation groups: the changes run at once, the completion after every
// animation the changes started has ended.
#pragma once

#include <functional>

#include "platform/view.h"

namespace zindo::platform {

class AnimationContext : public AnimationGroup {
public:
    double duration() const { return duration_; }
    void setDuration(double seconds) { duration_ = seconds; }

    static void runAnimationGroup(const std::function<void(AnimationContext&)>& changes,
                                  std::function<void()> completionHandler);
    // Runs the view's alpha to its new value over the group's duration, on the main queue.
    void animateAlpha(View& view, double alpha) override;

private:
    double duration_ = 0.25;
    double longestAnimation_ = 0.0;
};

}  // namespace zindo::platform
