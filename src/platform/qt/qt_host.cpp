#include "platform/qt/qt_host.h"

#include <malloc.h>
#include <QAccessible>
#include <QClipboard>
#include <QCursor>
#include <QLoggingCategory>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <utility>

#include "platform/application.h"
#include "platform/process_info.h"
#include "platform/qt/geometry.h"
#include "platform/qt/grid_accessible.h"
#include "platform/qt/launch_activation.h"
#include "platform/qt/session_typist.h"
#include "platform/qt/wayland_decorations.h"
#include "platform/qt/window_widget.h"
#include "platform/window.h"

namespace zindo::platform::qt {
namespace {

// The screen under the pointer, else the primary one: screenAt() is null on
// Wayland and between screens.
QScreen* currentScreen() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

// Long enough that a picker opened again for a second emoji finds all kept,
// short enough that what a picker left is gone before the person has turned
// to other work.
constexpr double kIdleSeconds = 10.0;

// Our screens are y-up, flipped about the bottom of the virtual desktop.
double desktopHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->virtualGeometry().bottom() + 1 : 768.0;
}

}  // namespace

QtHost::QtHost(int& argc, char** argv, SingleInstance& instance)
    : qtApplication_(argc, argv),
      tray_([this] { afterEvent(); }, [this] { trayArrived(); }),
      insertion_(clock_, &sessionTypist),
      instance_(instance) {
    QApplication::setQuitOnLastWindowClosed(false);  // the tray keeps the program alive
    // Qt 6.7 and later keep a text-input-v3 focus until the compositor's leave, which for a
    // closed picker names the surface Qt has just destroyed: Qt warns, though nothing is lost.
    // QT_LOGGING_RULES, read after this, still shows it to whoever asks.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.wayland.textinput.warning=false"));
    if (QGuiApplication::platformName() == QStringLiteral("wayland")) leaveDecorationsToACompositorThatDrawsThem();
    QAccessible::installFactory(&GridAccessible::create);
    dueTimer_.setSingleShot(true);
    dueTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&dueTimer_, &QTimer::timeout, [this] { runDue(); });
    frameTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frameTimer_, &QTimer::timeout, [this] { runDue(); });
}

QtHost::~QtHost() {
    for (auto& [window, widget] : widgets_) delete widget;
    delete spare_;
}

Rect QtHost::screenFrame() const {
    const QScreen* screen = currentScreen();
    return fromQt(QRectF(screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768)), desktopHeight());
}

void QtHost::run(Application& application) {
    application_ = &application;
    idle_.emplace(application.mainQueue(), kIdleSeconds, [this] { releaseWhileIdle(); });
    QCoreApplication::setApplicationName(QString::fromStdString(ProcessInfo::processInfo().processName()));
    // The application id: on Wayland our windows' app_id, by which desktops find the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zindozindo.zindozindo"));
    if (!EmojiRenderer::hasColourEmojiFont())
        std::fputs(
            "zindozindo: no colour emoji font (install fonts-noto-color-emoji); emoji may show in black and white\n",
            stderr);

    colourScheme_.follow();  // the tray's menu too
    application.finishLaunching();
    const bool trayAvailable = tray_.isAvailable();
    if (!trayAvailable && background_) {
        std::fputs(
            "zindozindo: no system tray here yet; the duck shows once one comes, and zindozindo --show opens a "
            "picker meanwhile\n",
            stderr);
    } else if (!trayAvailable) {
        std::fputs(
            "zindozindo: no system tray here; opening the picker, and quitting once it has closed and another "
            "program owns the clipboard, unless a tray comes meanwhile\n",
            stderr);
        quitWithLastWindow_ = true;
    }
    // The picker before the duck, so that its emoji draw on the worker meanwhile.
    if (insertAtStart_) insertion_.expectPicker();
    if (showPickerAtStart_ || (!trayAvailable && !background_)) tray_.clickFirstItem();
    insertion_.expectNoMore();  // only the picker asked for types
    tray_.show();
    instance_.serve([this](const SingleInstance::Request& request) { showForLaterStart(request); });
    afterEvent();
    QCoreApplication::exec();
    application_ = nullptr;
}

// A later start asked for a picker: the same as a click on the duck, raised
// with the activation token its launcher gave it, where the platform uses one.
// It takes the place of the pickers open: a shortcut pressed again must not
// pile them up behind other windows, and raising one that is open needs a
// compositor's consent, which a new window has.
void QtHost::showForLaterStart(const SingleInstance::Request& request) {
    const std::vector<std::shared_ptr<Window>> earlier = application_->windows();
    if (request.insert) insertion_.expectPicker();
    launchToken_ = request.token;
    tray_.clickFirstItem();
    insertion_.expectNoMore();
    launchToken_.clear();
    for (const std::shared_ptr<Window>& window : earlier) window->close();
    afterEvent();
}

// The program becomes the ordinary tray program for good: its duck shows
// where its pickers did not.
void QtHost::trayArrived() { quitWithLastWindow_ = false; }

void QtHost::windowDidOrderFront(Window& window) {
    WindowWidget*& widget = widgets_[&window];
    if (widget == nullptr) {
        colourScheme_.follow();
        widget =
            spare_ != nullptr ? std::exchange(spare_, nullptr) : new WindowWidget(renderer_, [this] { afterEvent(); });
        widget->attach(window);
        insertion_.pickerShown(window);
        idle_->pickerOpened();
    }
    // Placed by the controller in the screen frame above, in y-up points.
    widget->move(toQt(window.contentRect(), desktopHeight()).topLeft().toPoint());
    showAsLaunched(*widget, launchToken_);
}

void QtHost::windowDidClose(Window& window) {
    const auto found = widgets_.find(&window);
    if (found == widgets_.end()) return;
    found->second->dismiss();
    // One stays for the next picker, whose window it then is already.
    if (spare_ == nullptr) {
        spare_ = found->second;
    } else {
        found->second->deleteLater();
    }
    widgets_.erase(found);
    insertion_.pickerClosed(window);
    idle_->pickerClosed();
    if (quitWithLastWindow_ && widgets_.empty()) quitOnceNothingIsLeft();
}

// Without a tray nothing shows that the program still runs once its last
// picker has closed, so it ends (a later start brings it back). But an X11
// clipboard lives in its owner: a copy made here must stay pasteable, so the
// program first waits until another one takes the clipboard.
void QtHost::quitOnceNothingIsLeft() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto quitIfDone = [this, clipboard] {
        if (!quitWithLastWindow_ || !widgets_.empty() || clipboard->ownsClipboard()) return;
        // On X11 Qt docks the duck into a tray that came meanwhile and tells no one (no Qt
        // version has a signal for it): ask.
        if (tray_.isAvailable()) {
            trayArrived();
            return;
        }
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

// What a closed picker leaves goes: the kept widget with its backing store,
// the drawings but those a new picker shows first, and the pages of heap
// they freed, which glibc would otherwise keep.
void QtHost::releaseWhileIdle() {
    delete std::exchange(spare_, nullptr);
    renderer_.forgetDrawings();
    malloc_trim(0);
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
