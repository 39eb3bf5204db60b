#include "platform/window.h"

#include "platform/application.h"
#include "platform/host.h"
#include "platform/view.h"

namespace zindo::platform {

std::shared_ptr<Window> Window::create(Rect contentRect, unsigned styleMask, BackingStore backing, bool defer) {
    auto window = std::shared_ptr<Window>(new Window(contentRect, styleMask, backing, defer));
    window->setContentView(std::make_shared<View>(Rect{0.0, 0.0, contentRect.size.width, contentRect.size.height}));
    return window;
}

Window::Window(Rect contentRect, unsigned styleMask, BackingStore backing, bool defer)
    : contentRect_(contentRect), styleMask_(styleMask), backing_(backing), defer_(defer) {}

Window::~Window() {
    if (contentView_ != nullptr) contentView_->window_ = nullptr;
}

void Window::center() {
    const Rect screen = Application::shared().host().screenFrame();
    contentRect_.origin = Point{screen.origin.x + (screen.size.width - contentRect_.size.width) / 2.0,
                                screen.origin.y + (screen.size.height - contentRect_.size.height) / 2.0};
}

void Window::setContentView(std::shared_ptr<View> view) {
    if (contentView_ != nullptr) contentView_->window_ = nullptr;
    contentView_ = std::move(view);
    if (contentView_ != nullptr) contentView_->window_ = this;
}

void Window::makeKeyAndOrderFront() {
    visible_ = true;
    Application::shared().windowDidOrderFront(*this);
}

void Window::close() {
    if (!visible_) return;
    const std::shared_ptr<Window> keepAliveUntilReturn = shared_from_this();
    if (delegate_ != nullptr) delegate_->windowWillClose(*this);
    visible_ = false;
    Application::shared().windowDidClose(*this);
}

}  // namespace zindo::platform
