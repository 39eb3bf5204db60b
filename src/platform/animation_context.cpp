#include "platform/animation_context.h"

#include <algorithm>

#include "platform/main_queue.h"

namespace zindo::platform {

void AnimationContext::runAnimationGroup(const std::function<void(AnimationContext&)>& changes,
                                         std::function<void()> completionHandler) {
    AnimationContext context;
    AnimationGroup* const enclosing = open_;
    open_ = &context;
    changes(context);
    open_ = enclosing;
    if (!completionHandler) return;
    MainQueue& queue = MainQueue::main();
    queue.asyncAfter(queue.now() + context.longestAnimation_, std::move(completionHandler));
}

void AnimationContext::animateAlpha(View& view, double alpha) {
    longestAnimation_ = std::max(longestAnimation_, duration_);
    MainQueue::main().animateAlpha(view.shared_from_this(), alpha, duration_);
}

}  // namespace zindo::platform
