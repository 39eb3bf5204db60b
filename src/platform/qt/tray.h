// The status bar as the system tray: one icon per status item, drawn from
// its button's title, with a menu that leads to the picker (GNOME's
// AppIndicator extension opens it on a left click) and quits (Linux has no
// Dock to quit from).
#pragma once

#include <QMenu>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/qt/status_notifier_hosts.h"
#include "platform/status_bar.h"

namespace zindo::platform::qt {

class Tray : public StatusBar {
public:
    // `afterClick` runs after every click the tray delivers into the view
    // tree; `arrived` when a tray comes while the program runs.
    Tray(std::function<void()> afterClick, std::function<void()> arrived);

    std::shared_ptr<StatusItem> statusItemWithLength(double length) override;

    // Whether a tray shows the icons, or would once they are shown.
    bool isAvailable() const;
    // Puts the icons in the tray once the items have their titles, and
    // whenever a tray comes.
    void show();
    // What a click on the first item does, for a desktop without a tray.
    void clickFirstItem();
    const QMenu& menu() const { return menu_; }

private:
    struct Entry {
        std::shared_ptr<StatusItem> item;
        std::unique_ptr<QSystemTrayIcon> icon;
    };
    void showIcons();

    std::function<void()> afterClick_;
    std::function<void()> arrived_;
    std::vector<Entry> entries_;
    QMenu menu_;
    // On X11 Qt docks the icons into a tray that comes later. Elsewhere the
    // icons wait for a StatusNotifierItem host, on every Qt: before 6.8 (6.4
    // measured) Qt looks for one once, when the first icon is made, and never
    // again; 6.8 registers later by itself but first prints a D-Bus error.
    std::optional<StatusNotifierHosts> hosts_;
    bool shown_ = false;
};

}  // namespace zindo::platform::qt
