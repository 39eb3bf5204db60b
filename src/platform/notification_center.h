// Observers by notification name and sending object, run on the main thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace zindo::platform {

class View;

inline constexpr std::string_view kControlTextDidChangeNotification = "NSControlTextDidChangeNotification";

struct Notification {
    std::string_view name;
    View* object = nullptr;  // the sender, if any
};

class NotificationCenter {
public:
    using Block = std::function<void(const Notification&)>;
    using ObserverToken = std::uint64_t;

    // The block runs for every notification of that name posted by that
    // object (any object when null), until the observer is removed.
    ObserverToken addObserver(std::string_view name, const View* object, Block block);
    void removeObserver(ObserverToken token);
    void post(const Notification& notification);
    std::size_t observerCount() const { return observers_.size(); }

private:
    struct Observer {
        ObserverToken token;
        std::string_view name;
        const View* object;
        Block block;
    };
    std::vector<Observer> observers_;
    ObserverToken nextToken_ = 1;
};

}  // namespace zindo::platform
