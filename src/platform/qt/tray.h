// The status bar as the system tray: one icon per status item, drawn from
// its button's title, with a menu to quit (Linux has no Dock to quit from).
#pragma once

#include <QMenu>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>
#include <vector>

#include "platform/status_bar.h"

namespace zindo::platform::qt {

class Tray : public StatusBar {
public:
    // Runs after every click the tray delivers into the view tree.
    explicit Tray(std::function<void()> afterClick) : afterClick_(std::move(afterClick)) {}

    std::shared_ptr<StatusItem> statusItemWithLength(double length) override;

    // Puts the icons in the tray once the items have their titles.
    void show();
    // What a click on the first item does, for a desktop without a tray.
    void clickFirstItem();

private:
    struct Entry {
        std::shared_ptr<StatusItem> item;
        std::unique_ptr<QSystemTrayIcon> icon;
    };
    std::function<void()> afterClick_;
    std::vector<Entry> entries_;
    QMenu menu_;
};

}  // namespace zindo::platform::qt
