// The view tree: the truth that tests read and the desktop host renders.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/geometry.h"

namespace zindo::platform {

class View;
class Window;

// An animation group in progress: while one is open, a view's animator
// hands it the changes instead of applying them at once.
class AnimationGroup {
public:
    static AnimationGroup* open() { return open_; }
    virtual void animateAlpha(View& view, double alpha) = 0;

protected:
    AnimationGroup() = default;
    ~AnimationGroup() = default;
    static inline AnimationGroup* open_ = nullptr;  // main thread only
};

// A view's animator: setters through it animate when called inside an
// animation group and apply at once otherwise.
class Animator {
public:
    explicit Animator(View& view) : view_(view) {}
    void setAlphaValue(double alpha);

private:
    View& view_;
};

// Views are made with std::make_shared: a parent owns its subviews, and a
// subview knows its parent without owning it.
class View : public std::enable_shared_from_this<View> {
public:
    View() = default;
    explicit View(Rect frame) : frame_(frame) {}
    virtual ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    Rect frame() const { return frame_; }
    void setFrame(Rect frame) { frame_ = frame; }
    Rect bounds() const { return Rect{0.0, 0.0, frame_.size.width, frame_.size.height}; }

    View* superview() const { return superview_; }
    // Later subviews lie above earlier ones.
    const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
    void addSubview(std::shared_ptr<View> view);
    // Does nothing for a view that has no superview.
    void removeFromSuperview();

    double alphaValue() const { return alpha_; }
    void setAlphaValue(double alpha) { alpha_ = alpha; }
    Animator animator() { return Animator(*this); }

    // Shown on hover, and what assistive technologies read as the description.
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string toolTip) { toolTip_ = std::move(toolTip); }

    // The window whose content view this view lies in, or null.
    Window* window() const;

private:
    friend class Window;
    Rect frame_;
    View* superview_ = nullptr;
    std::vector<std::shared_ptr<View>> subviews_;
    double alpha_ = 1.0;
    std::string toolTip_;
    Window* window_ = nullptr;  // set on a window's content view only
};

}  // namespace zindo::platform
