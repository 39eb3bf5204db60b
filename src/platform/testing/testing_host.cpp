#include "platform/testing/testing_host.h"

#include "platform/application.h"

namespace zindo::platform::testing {

void InMemoryPasteboard::clearContents() { items_.clear(); }

bool InMemoryPasteboard::setString(std::string_view text, std::string_view type) {
    items_.insert_or_assign(std::string(type), std::string(text));
    return true;
}

std::optional<std::string> InMemoryPasteboard::stringForType(std::string_view type) const {
    const auto found = items_.find(type);
    if (found == items_.end()) return std::nullopt;
    return found->second;
}

void TestingHost::run(Application& application) { application.finishLaunching(); }

void TestingHost::windowDidOrderFront(Window& window) {
    if (shown_) shown_(window);
}

void TestingHost::windowDidClose(Window& window) {
    if (closed_) closed_(window);
}

void TestingHost::advance(double seconds) {
    MainQueue& queue = Application::shared().mainQueue();
    const double target = clock_.now() + seconds;
    for (auto next = queue.nextDeadline(); next && *next <= target; next = queue.nextDeadline()) {
        if (*next > clock_.now()) clock_.set(*next);
        queue.runDue();
    }
    clock_.set(target);
    queue.runDue();
}

}  // namespace zindo::platform::testing
