// The one application object: delegate, activation policy, the event loop
// (through its host), the open windows, the notification centre and the
// main queue.
#pragma once

#include <memory>
#include <vector>

#include "platform/main_queue.h"
#include "platform/notification_center.h"
#include "platform/window.h"

namespace zindo::platform {

class Host;

inline constexpr std::string_view kApplicationDidFinishLaunchingNotification =
    "NSApplicationDidFinishLaunchingNotification";

enum class ActivationPolicy { regular = 0, accessory = 1, prohibited = 2 };

class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;
    virtual void applicationDidFinishLaunching(const Notification& notification) = 0;
};

class Application : public WindowServer {
public:
    // There is one at a time; shared() reaches it while it exists.
    explicit Application(Host& host);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application& shared();

    Host& host() const { return host_; }
    NotificationCenter& notificationCenter() { return notificationCenter_; }
    MainQueue& mainQueue() { return mainQueue_; }

    // Not owned: whoever creates the delegate keeps it alive.
    ApplicationDelegate* delegate() const { return delegate_; }
    void setDelegate(ApplicationDelegate* delegate) { delegate_ = delegate; }
    ActivationPolicy activationPolicy() const { return activationPolicy_; }
    bool setActivationPolicy(ActivationPolicy policy);

    void run();
    // Called by the host once, when it is ready for the program.
    void finishLaunching();
    void activateIgnoringOtherApps(bool flag);

    // Open windows, in the order they were first shown.
    const std::vector<std::shared_ptr<Window>>& windows() const { return windows_; }
    Rect screenFrame() const override;
    void windowDidOrderFront(Window& window) override;
    void windowDidClose(Window& window) override;

private:
    Host& host_;
    NotificationCenter notificationCenter_;
    MainQueue mainQueue_;
    ApplicationDelegate* delegate_ = nullptr;
    ActivationPolicy activationPolicy_ = ActivationPolicy::prohibited;
    bool launched_ = false;
    std::vector<std::shared_ptr<Window>> windows_;
};

}  // namespace zindo::platform
