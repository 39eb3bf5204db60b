#include "platform/notification_center.h"

#include <algorithm>

namespace zindo::platform {

NotificationCenter::ObserverToken NotificationCenter::addObserver(std::string_view name, const View* object,
                                                                  Block block) {
    const ObserverToken token = nextToken_++;
    observers_.push_back(Observer{token, name, object, std::move(block)});
    return token;
}

void NotificationCenter::removeObserver(ObserverToken token) {
    std::erase_if(observers_, [token](const Observer& observer) { return observer.token == token; });
}

void NotificationCenter::post(const Notification& notification) {
    // A block may add or remove observers; each observer present at the post
    // runs once, unless it was removed meanwhile.
    std::vector<ObserverToken> due;
    for (const Observer& observer : observers_) {
        if (observer.name == notification.name &&
            (observer.object == nullptr || observer.object == notification.object))
            due.push_back(observer.token);
    }
    for (const ObserverToken token : due) {
        const auto found = std::find_if(observers_.begin(), observers_.end(),
                                        [token](const Observer& observer) { return observer.token == token; });
        if (found == observers_.end()) continue;
        const Block block = found->block;
        block(notification);
    }
}

}  // namespace zindo::platform
