#include "platform/view.h"

#include <algorithm>

namespace zindo::platform {

void Animator::setAlphaValue(double alpha) {
    if (AnimationGroup* group = AnimationGroup::open()) {
        group->animateAlpha(view_, alpha);
    } else {
        view_.setAlphaValue(alpha);
    }
}

View::~View() {
    for (const auto& subview : subviews_) subview->superview_ = nullptr;
}

void View::addSubview(std::shared_ptr<View> view) {
    view->removeFromSuperview();
    view->superview_ = this;
    subviews_.push_back(std::move(view));
}

void View::removeFromSuperview() {
    if (superview_ == nullptr) return;
    auto& siblings = superview_->subviews_;
    superview_ = nullptr;
    const auto found =
        std::find_if(siblings.begin(), siblings.end(), [this](const auto& v) { return v.get() == this; });
    if (found == siblings.end()) return;
    const std::shared_ptr<View> keepAliveUntilReturn = std::move(*found);
    siblings.erase(found);
}

Window* View::window() const {
    const View* view = this;
    while (view->superview_ != nullptr) view = view->superview_;
    return view->window_;
}

}  // namespace zindo::platform
