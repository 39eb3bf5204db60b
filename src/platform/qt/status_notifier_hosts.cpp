#include "platform/qt/status_notifier_hosts.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusVariant>

namespace zindo::platform::qt {
namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

QDBusMessage isHostRegisteredQuery() {
    QDBusMessage query = QDBusMessage::createMethodCall(
        kWatcherService, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    query << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    return query;
}

}  // namespace

StatusNotifierHosts::StatusNotifierHosts(std::function<void()> arrived)
    : bus_(QDBusConnection::sessionBus()),
      watcher_(kWatcherService, bus_, QDBusServiceWatcher::WatchForRegistration),
      arrived_(std::move(arrived)) {
    if (!bus_.isConnected()) return;
    // A watcher may come before its host (Plasma's lives in kded, the host in
    // plasmashell), so both its coming and a host's registering count.
    connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, this, [this] { askWhetherAHostIsRegistered(); });
    bus_.connect(kWatcherService, kWatcherPath, kWatcherService, QStringLiteral("StatusNotifierHostRegistered"), this,
                 SLOT(hostRegistered()));
}

bool StatusNotifierHosts::available() const {
    if (!bus_.isConnected() || !bus_.interface()->isServiceRegistered(kWatcherService)) return false;
    const QDBusReply<QDBusVariant> reply = bus_.call(isHostRegisteredQuery(), QDBus::Block, 2000);
    return reply.isValid() && reply.value().variant().toBool();
}

void StatusNotifierHosts::hostRegistered() { arrived_(); }

void StatusNotifierHosts::askWhetherAHostIsRegistered() {
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(isHostRegisteredQuery()), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending] {
        pending->deleteLater();
        const QDBusReply<QDBusVariant> reply = *pending;
        if (reply.isValid() && reply.value().variant().toBool()) arrived_();
    });
}

}  // namespace zindo::platform::qt
