#include "platform/qt/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>

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

SingleInstance::Request SingleInstance::readRequest(const QByteArray& received) {
    const qsizetype end = received.indexOf('\n');
    if (end < 0 || end > kMaxRequest)
        return {received.size() > kMaxRequest ? Request::Kind::refused : Request::Kind::incomplete, {}};
    const QByteArray line = received.left(end).trimmed();
    if (line == kShow) return {Request::Kind::show, {}};
    const QByteArray token = line.mid(kShow.size() + 1);
    if (!line.startsWith(kShow + ' ') || token.isEmpty() || !isPrintableAscii(token))
        return {Request::Kind::refused, {}};
    return {Request::Kind::show, token};
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
                const Request request = readRequest(client->peek(kMaxRequest + 1));
                if (request.kind == Request::Kind::incomplete) return;
                client->disconnectFromServer();
                if (request.kind == Request::Kind::show) show(request.token);
            });
        }
    });
    return true;
}

}  // namespace zindo::platform::qt
