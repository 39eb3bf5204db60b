#include "platform/qt/input_module.h"

#include <signal.h>

#include <QDBusConnection>
#include <QFile>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QVersionNumber>

namespace zindo::platform::qt {
namespace {

// Where Qt's IBus plugin (Qt 6.4 to 6.8) looks for the daemon's address: the
// file the daemon writes, named from the machine id and the Wayland display,
// else the X11 display's host and number.
QString ibusAddressFile() {
    if (qEnvironmentVariableIsSet("IBUS_ADDRESS_FILE")) return qEnvironmentVariable("IBUS_ADDRESS_FILE");
    QString host = QStringLiteral("unix");
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
        const QString x11 = qEnvironmentVariable("DISPLAY");
        const qsizetype colon = x11.indexOf(u':');
        if (colon > 0) host = x11.left(colon);
        display = x11.mid(colon + 1).section(u'.', 0, 0);
    }
    return QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) + QStringLiteral("/ibus/bus/") +
           QString::fromLatin1(QDBusConnection::localMachineId()) + u'-' + host + u'-' + display;
}

// As the plugin accepts it: an address, and a daemon that still runs.
bool ibusServesThisDisplay() {
    QFile file(ibusAddressFile());
    if (!file.open(QIODevice::ReadOnly)) return false;
    constexpr QByteArrayView kAddress = "IBUS_ADDRESS=", kDaemon = "IBUS_DAEMON_PID=";
    QByteArray address;
    pid_t daemon = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith(kAddress)) address = line.mid(kAddress.size());
        if (line.startsWith(kDaemon)) daemon = line.mid(kDaemon.size()).toInt();
    }
    return !address.isEmpty() && daemon > 0 && kill(daemon, 0) == 0;
}

}  // namespace

std::string_view inputModuleFor(const InputEnvironment& environment) {
    if (environment.userChoseModule || !environment.ibusServesThisDisplay) return {};
    // Qt takes QT_QPA_PLATFORM first, else the session's type.
    const bool wayland = environment.platform.empty() ? environment.sessionType == "wayland"
                                                      : environment.platform.starts_with("wayland");
    if (wayland && environment.qtSpeaksTextInputV3) return {};
    return "ibus";
}

void chooseInputModule() {
    const InputEnvironment environment{
        qEnvironmentVariableIsSet("QT_IM_MODULE") || qEnvironmentVariableIsSet("QT_IM_MODULES"),
        qEnvironmentVariable("QT_QPA_PLATFORM").toStdString(),
        qEnvironmentVariable("XDG_SESSION_TYPE").toStdString(),
        ibusServesThisDisplay(),
        QLibraryInfo::version() >= QVersionNumber(6, 7),
    };
    const std::string_view module = inputModuleFor(environment);
    if (!module.empty()) qputenv("QT_IM_MODULE", QByteArray(module.data(), static_cast<qsizetype>(module.size())));
}

}  // namespace zindo::platform::qt
