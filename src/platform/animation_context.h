// Animation groups: the changes run at once, the completion after every
// animation the changes started has ended.
#pragma once

#include <functional>

namespace zindo::platform {

class View;

class AnimationContext {
public:
    double duration() const { return duration_; }
    void setDuration(double seconds) { duration_ = seconds; }

    static void runAnimationGroup(const std::function<void(AnimationContext&)>& changes,
                                  std::function<void()> completionHandler);
    // What a view's animator does: animates inside a group, applies at once outside.
    static void animateAlpha(View& view, double alpha);

private:
    double duration_ = 0.25;
    double longestAnimation_ = 0.0;
};

}  // namespace zindo::platform
