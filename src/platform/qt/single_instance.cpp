#include "platform/qt/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <optional>

namespace zindo::platform::qt {
namespace {

// "show", or "show TOKEN", on one line; anything else is ignored.
constexpr qsizetype kMaxRequest = 1024;
constexpr int kClientTimeoutMs = 2000;
const QByteArray kShow = QByteArrayLiteral("show");

QByteArray activationToken() {
    // Wayland's xdg-activation, else the X11 startup notification id.
    QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    return token.isEmpty() ? qgetenv("DESKTOP_STARTUP_ID") : token;
}

bool isPrintableAscii(const QByteArray& text) {
    for (const char c : text) {
        if (c <= ' ' || c > '~') return false;
    }
    return true;
}

// The token of a well-formed request, or nothing.
std::optional<QByteArray> parseRequest(const QByteArray& line) {
    if (line == kShow) return QByteArray();
    if (!line.startsWith(kShow + ' ')) return std::nullopt;
    const QByteArray token = line.mid(kShow.size() + 1);
    if (token.isEmpty() || !isPrintableAscii(token)) return std::nullopt;
    return token;
}

}  // namespace

QString SingleInstance::socketPath() {
    QString directory = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // Qt makes its fallback runtime directory user-only, as the standard asks.
    if (directory.isEmpty()) directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    for (QChar& c : display) {
        if (!c.isLetterOrNumber() && c != u'.' && c != u'-') c = u'_';
    }
    return QDir(directory).filePath(QStringLiteral("zindozindo-%1.socket").arg(display));
}

bool SingleInstance::askRunningToShow() {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(500)) return false;
    const QByteArray token = activationToken();
    socket.write(token.isEmpty() || !isPrintableAscii(token) ? kShow + '\n' : kShow + ' ' + token + '\n');
    return socket.waitForBytesWritten(500);
}

bool SingleInstance::serve(std::function<void(const QByteArray& token)> show) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    const QString path = socketPath();
    if (!server_.listen(path)) {
        // Left by a run that crashed, unless another start won a race to it.
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(200)) return false;
        QLocalServer::removeServer(path);
        if (!server_.listen(path)) {
            std::fprintf(stderr, "zindozindo: cannot listen on %s (%s); later starts will add their own duck\n",
                         qPrintable(path), qPrintable(server_.errorString()));
            return false;
        }
    }
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this, show] {
        while (QLocalSocket* client = server_.nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            QTimer::singleShot(kClientTimeoutMs, client, [client] { client->abort(); });
            QObject::connect(client, &QLocalSocket::readyRead, client, [client, show] {
                if (!client->canReadLine()) {
                    if (client->bytesAvailable() > kMaxRequest) client->abort();
                    return;
                }
                const QByteArray line = client->readLine(kMaxRequest + 1).trimmed();
                client->disconnectFromServer();
                if (const auto token = parseRequest(line)) show(*token);
            });
        }
    });
    return true;
}

}  // namespace zindo::platform::qt
