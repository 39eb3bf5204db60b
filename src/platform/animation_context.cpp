#include "platform/animation_context.h"

#include <algorithm>

#include "platform/application.h"
#include "platform/main_queue.h"
#include "platform/view.h"

namespace zindo::platform {
namespace {

AnimationContext* currentGroup = nullptr;  // main thread only

}  // namespace

void AnimationContext::runAnimationGroup(const std::function<void(AnimationContext&)>& changes,
                                         std::function<void()> completionHandler) {
    AnimationContext context;
    AnimationContext* const enclosing = currentGroup;
    currentGroup = &context;
    changes(context);
    currentGroup = enclosing;
    if (!completionHandler) return;
    MainQueue& queue = Application::shared().mainQueue();
    queue.asyncAfter(queue.now() + context.longestAnimation_, std::move(completionHandler));
}

void AnimationContext::animateAlpha(View& view, double alpha) {
    if (currentGroup == nullptr) {
        view.setAlphaValue(alpha);
        return;
    }
    currentGroup->longestAnimation_ = std::max(currentGroup->longestAnimation_, currentGroup->duration_);
    Application::shared().mainQueue().animateAlpha(view.shared_from_this(), alpha, currentGroup->duration_);
}

}  // namespace zindo::platform
