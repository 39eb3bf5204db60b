#include "platform/qt/quit_on_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace zindo::platform::qt {
namespace {

int writeEnd = -1;  // of the one pair whose handlers are installed

void onTerminatingSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(writeEnd, &byte, 1);
}

}  // namespace

QuitOnSignals::QuitOnSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair_) != 0) return;
    writeEnd = pair_[1];
    notifier_ = std::make_unique<QSocketNotifier>(pair_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(pair_[0], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminatingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &previousInterrupt_);
    sigaction(SIGTERM, &action, &previousTerminate_);
}

QuitOnSignals::~QuitOnSignals() {
    if (notifier_ == nullptr) return;
    sigaction(SIGINT, &previousInterrupt_, nullptr);
    sigaction(SIGTERM, &previousTerminate_, nullptr);
    notifier_.reset();
    writeEnd = -1;
    ::close(pair_[0]);
    ::close(pair_[1]);
}

}  // namespace zindo::platform::qt
