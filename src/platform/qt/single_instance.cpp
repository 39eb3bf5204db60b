#include "platform/qt/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/running_program.h"

namespace zindo::platform::qt {
namespace {

// "show" or "insert", alone or with " TOKEN", on one line; anything else is ignored.
constexpr qsizetype kMaxRequest = 1024;
constexpr int kClientTimeoutMs = 2000;
const QByteArray kShow = QByteArrayLiteral("show");
const QByteArray kInsert = QByteArrayLiteral("insert");

QByteArray activationToken() {
    // Wayland's xdg-activation, else the X11 startup notification id.
    QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    return token.isEmpty() ? qgetenv("DESKTOP_STARTUP_ID") : token;
}

// In $XDG_RUNTIME_DIR, which is user-only, named for the display this session draws on.
QString runtimePath(std::string_view suffix) {
    QString directory = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // Qt makes its fallback runtime directory user-only, as the standard asks.
    if (directory.isEmpty()) directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    RuntimePath path{};
    // One too long for a socket is left empty, which nothing opens: this start runs on its own.
    if (!runningProgramPath(directory.toStdString(), display.toStdString(), suffix, path)) return {};
    return QString::fromLocal8Bit(path.data());
}

// Asks the running program to open a picker, passing on the launcher's
// activation token; false when none serves.
bool askRunningToShow(const QString& path, bool insert) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(500)) return false;
    const QByteArray token = activationToken();
    for (const std::string_view part : showRequest(std::string_view(token.constData(), token.size()), insert))
        socket.write(part.data(), static_cast<qint64>(part.size()));
    return socket.waitForBytesWritten(500);
}

}  // namespace

SingleInstance::~SingleInstance() {
    if (lock_ >= 0) ::close(lock_);
}

QString SingleInstance::socketPath() { return runtimePath("socket"); }

SingleInstance::Request SingleInstance::readRequest(const QByteArray& received) {
    const qsizetype end = received.indexOf('\n');
    if (end < 0 || end > kMaxRequest)
        return {received.size() > kMaxRequest ? Request::Kind::refused : Request::Kind::incomplete, {}};
    const QByteArray line = received.left(end).trimmed();
    const bool insert = line.startsWith(kInsert);
    const QByteArray& verb = insert ? kInsert : kShow;
    if (line == verb) return {Request::Kind::show, {}, insert};
    const QByteArray token = line.mid(verb.size() + 1);
    if (!line.startsWith(verb + ' ') || token.isEmpty() || !isPrintableAscii(token.toStdString()))
        return {Request::Kind::refused, {}};
    return {Request::Kind::show, token, insert};
}

SingleInstance::Claim SingleInstance::claim(Start start) {
    const QString path = socketPath();
    const QByteArray lockPath = runtimePath("lock").toLocal8Bit();
    const int lock = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0) {
        std::fprintf(stderr, "zindozindo: cannot open %s; later starts will add their own duck\n",
                     lockPath.constData());
        return Claim::run;
    }
    // The holder serves only once it has launched, so a start that finds it
    // not serving yet raced it; one that waits for it retries the lock too,
    // in case the holder ends first.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        if (::flock(lock, LOCK_EX | LOCK_NB) == 0) {
            lock_ = lock;
            return Claim::run;
        }
        if (start == Start::background || askRunningToShow(path, start == Start::insert) || start == Start::plain)
            break;
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "zindozindo: the running ZindoZindo did not answer\n");
            ::close(lock);
            return Claim::unanswered;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::close(lock);
    return Claim::handedOver;
}

bool SingleInstance::serve(std::function<void(const Request& request)> show) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    const QString path = socketPath();
    // Holding the lock, this is the one program: a socket file here is a crashed run's.
    QLocalServer::removeServer(path);
    if (!server_.listen(path)) {
        std::fprintf(stderr, "zindozindo: cannot listen on %s (%s); later starts will add their own duck\n",
                     qPrintable(path), qPrintable(server_.errorString()));
        return false;
    }
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this, show] {
        while (QLocalSocket* client = server_.nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            QTimer::singleShot(kClientTimeoutMs, client, [client] { client->abort(); });
            QObject::connect(client, &QLocalSocket::readyRead, client, [client, show] {
                const Request request = readRequest(client->peek(kMaxRequest + 1));
                if (request.kind == Request::Kind::incomplete) return;
                client->disconnectFromServer();
                if (request.kind == Request::Kind::show) show(request);
            });
        }
    });
    return true;
}

}  // namespace zindo::platform::qt
