#include "platform/window.h"

#include "platform/view.h"

namespace zindo::platform {

std::shared_ptr<Window> Window::create(WindowServer& server, Rect contentRect, unsigned styleMask, BackingStore backing,
                                       bool defer) {
    auto window = std::shared_ptr<Window>(new Window(server, contentRect, styleMask, backing, defer));
    window->setContentView(std::make_shared<View>(Rect{0.0, 0.0, contentRect.size.width, contentRect.size.height}));
    return window;
}

Window::Window(WindowServer& server, Rect contentRect, unsigned styleMask, BackingStore backing, bool defer)
    : server_(server), contentRect_(contentRect), styleMask_(styleMask), backing_(backing), defer_(defer) {}

Window::~Window() {
    if (contentView_ != nullptr) contentView_->window_ = nullptr;
}

void Window::center() {
    const Rect screen = server_.screenFrame();
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
    server_.windowDidOrderFront(*this);
}

void Window::close() {
    if (!visible_) return;
    const std::shared_ptr<Window> keepAliveUntilReturn = shared_from_this();
    if (delegate_ != nullptr) delegate_->windowWillClose(*this);
    visible_ = false;
    server_.windowDidClose(*this);
}

}  // namespace zindo::platform
