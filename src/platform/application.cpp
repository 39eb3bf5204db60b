#include "platform/application.h"

#include <algorithm>
#include <cassert>

#include "platform/host.h"
#include "platform/pasteboard.h"

namespace zindo::platform {
namespace {

Application* sharedApplication = nullptr;

}  // namespace

Application::Application(Host& host) : host_(host), mainQueue_(host.clock()) {
    assert(sharedApplication == nullptr && "one application at a time");
    sharedApplication = this;
}

Application::~Application() {
    // Windows close with the application, so that no delegate outlives its use.
    windows_.clear();
    sharedApplication = nullptr;
}

Application& Application::shared() {
    assert(sharedApplication != nullptr && "no application");
    return *sharedApplication;
}

Pasteboard& Pasteboard::generalPasteboard() { return Application::shared().host().generalPasteboard(); }

bool Application::setActivationPolicy(ActivationPolicy policy) {
    activationPolicy_ = policy;
    return true;
}

void Application::run() { host_.run(*this); }

void Application::finishLaunching() {
    if (launched_) return;
    launched_ = true;
    if (delegate_ != nullptr) delegate_->applicationDidFinishLaunching({kApplicationDidFinishLaunchingNotification});
}

void Application::activateIgnoringOtherApps(bool flag) {
    if (flag) host_.activateIgnoringOtherApps();
}

Rect Application::screenFrame() const { return host_.screenFrame(); }

void Application::windowDidOrderFront(Window& window) {
    const bool known = std::any_of(windows_.begin(), windows_.end(), [&](const auto& w) { return w.get() == &window; });
    if (!known) windows_.push_back(window.shared_from_this());
    host_.windowDidOrderFront(window);
}

void Application::windowDidClose(Window& window) {
    host_.windowDidClose(window);
    std::erase_if(windows_, [&](const auto& w) { return w.get() == &window; });
}

}  // namespace zindo::platform
