// Whether a StatusNotifierItem tray (KDE Plasma's, GNOME's AppIndicator
// extension, swaybar, waybar) is on the session bus, and news when one comes:
// a panel may register its tray after the autostart programs, or go and come
// back (plasmashell restarted, the extension switched off and on, a lock screen).
#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <functional>

namespace zindo::platform::qt {

class StatusNotifierHosts : public QObject {
    Q_OBJECT

public:
    // `arrived` runs each time a watcher with a host comes while we run.
    explicit StatusNotifierHosts(std::function<void()> arrived);

    // A watcher is on the bus and a host has registered with it; asks the
    // bus now.
    bool available() const;

private slots:
    void hostRegistered();

private:
    void askWhetherAHostIsRegistered();

    QDBusConnection bus_;
    QDBusServiceWatcher watcher_;
    std::function<void()> arrived_;
};

}  // namespace zindo::platform::qt
