#include "platform/qt/qt_host.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QAccessible>
#include <QClipboard>
#include <QCursor>
#include <QScreen>
#include <QSocketNotifier>
#include <QSystemTrayIcon>
#include <cmath>
#include <csignal>
#include <cstdio>

#include "platform/application.h"
#include "platform/process_info.h"
#include "platform/qt/grid_accessible.h"
#include "platform/qt/launch_activation.h"
#include "platform/qt/window_widget.h"
#include "platform/window.h"

namespace zindo::platform::qt {
namespace {

int signalPipe[2] = {-1, -1};

void onTerminatingSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// The screen under the pointer, else the primary one: screenAt() is null on
// Wayland and between screens.
QScreen* currentScreen() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

QtHost::QtHost(int& argc, char** argv) : qtApplication_(argc, argv), tray_([this] { afterEvent(); }) {
    QApplication::setQuitOnLastWindowClosed(false);  // the tray keeps the program alive
    QAccessible::installFactory(&GridAccessible::create);
    dueTimer_.setSingleShot(true);
    dueTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&dueTimer_, &QTimer::timeout, [this] { runDue(); });
    frameTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frameTimer_, &QTimer::timeout, [this] { runDue(); });
    quitOnSignals();
}

QtHost::~QtHost() {
    for (auto& [window, widget] : widgets_) delete widget;
}

void QtHost::quitOnSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    signalNotifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &qtApplication_);
    QObject::connect(signalNotifier_, &QSocketNotifier::activated, [] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(signalPipe[0], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = onTerminatingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

Rect QtHost::screenFrame() const {
    const QScreen* screen = currentScreen();
    if (screen == nullptr) return Rect{0.0, 0.0, 1024.0, 768.0};
    const QRect area = screen->availableGeometry();
    // Our screens are y-up too; a window's top-left follows from the flip.
    return Rect{static_cast<double>(area.x()), 0.0, static_cast<double>(area.width()),
                static_cast<double>(area.height())};
}

void QtHost::run(Application& application) {
    application_ = &application;
    QCoreApplication::setApplicationName(QString::fromStdString(ProcessInfo::processInfo().processName()));
    QGuiApplication::setDesktopFileName(QStringLiteral("zindozindo"));
    if (!EmojiRenderer::hasColourEmojiFont())
        std::fputs(
            "zindozindo: no colour emoji font (install fonts-noto-color-emoji); emoji may show in black and white\n",
            stderr);

    application.finishLaunching();
    tray_.show();
    instance_.serve([this](const QByteArray& token) { showForLaterStart(token); });
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        if (showPickerAtStart_) tray_.clickFirstItem();
    } else {
        std::fputs(
            "zindozindo: no system tray here; opening the picker, and quitting once it has closed and another "
            "program owns the clipboard\n",
            stderr);
        quitWithLastWindow_ = true;
        tray_.clickFirstItem();
    }
    afterEvent();
    QCoreApplication::exec();
    application_ = nullptr;
}

// A later start asked for a picker: the same as a click on the duck, raised
// with the activation token its launcher gave it, where the platform uses one.
void QtHost::showForLaterStart(const QByteArray& activationToken) {
    launchToken_ = activationToken;
    tray_.clickFirstItem();
    launchToken_.clear();
}

void QtHost::windowDidOrderFront(Window& window) {
    WindowWidget*& widget = widgets_[&window];
    if (widget == nullptr) widget = new WindowWidget(window, renderer_, [this] { afterEvent(); });
    const Rect content = window.contentRect();
    const QScreen* screen = currentScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // Centred by the controller in y-up screen points; flipped here once.
    widget->move(static_cast<int>(content.origin.x),
                 area.y() + static_cast<int>(area.height() - (content.origin.y + content.size.height)));
    showAsLaunched(*widget, launchToken_);
}

void QtHost::windowDidClose(Window& window) {
    const auto found = widgets_.find(&window);
    if (found == widgets_.end()) return;
    found->second->dismiss();
    widgets_.erase(found);
    if (quitWithLastWindow_ && widgets_.empty()) quitOnceNothingIsLeft();
}

// Without a tray nothing shows that the program still runs once its last
// picker has closed, so it ends (a later start brings it back). But an X11
// clipboard lives in its owner: a copy made here must stay pasteable, so the
// program first waits until another one takes the clipboard.
void QtHost::quitOnceNothingIsLeft() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto quitIfDone = [this, clipboard] {
        if (widgets_.empty() && !QSystemTrayIcon::isSystemTrayAvailable() && !clipboard->ownsClipboard())
            QCoreApplication::quit();
    };
    if (!waitingForClipboard_) {
        waitingForClipboard_ = true;
        QObject::connect(clipboard, &QClipboard::changed, &qtApplication_, [quitIfDone](QClipboard::Mode mode) {
            if (mode == QClipboard::Clipboard) quitIfDone();
        });
    }
    quitIfDone();
}

void QtHost::activateIgnoringOtherApps() {
    if (application_ == nullptr || application_->windows().empty()) return;
    if (WindowWidget* widget = widgetFor(*application_->windows().back())) {
        widget->raise();
        widget->activateWindow();
    }
}

WindowWidget* QtHost::widgetFor(const Window& window) const {
    const auto found = widgets_.find(&window);
    return found == widgets_.end() ? nullptr : found->second;
}

void QtHost::runDue() {
    Application::shared().mainQueue().runDue();
    afterEvent();
}

void QtHost::afterEvent() {
    MainQueue& queue = Application::shared().mainQueue();
    const bool animating = queue.isAnimating();
    // One more repaint after the last frame, so the end value shows.
    for (auto& [window, widget] : widgets_) widget->syncFromTree(animating || wasAnimating_);
    wasAnimating_ = animating;

    if (animating) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double hz = screen != nullptr && screen->refreshRate() > 1.0 ? screen->refreshRate() : 60.0;
        const int interval = std::max(1, static_cast<int>(1000.0 / hz));
        if (!frameTimer_.isActive() || frameTimer_.interval() != interval) frameTimer_.start(interval);
    } else {
        frameTimer_.stop();
    }
    if (const auto next = queue.nextDeadline()) {
        // Never early: runDue() only runs what is due, so a rounding just re-arms.
        const double wait = std::max(0.0, *next - queue.now());
        dueTimer_.start(static_cast<int>(std::ceil(wait * 1000.0)));
    } else {
        dueTimer_.stop();
    }
}

}  // namespace zindo::platform::qt
