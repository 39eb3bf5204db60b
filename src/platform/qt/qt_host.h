// The desktop host: Qt's event loop, a monotonic clock, the tray, the
// clipboard, typing into the window that had the keyboard, and one
// top-level widget per open window.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>

#include "platform/clock.h"
#include "platform/host.h"
#include "platform/idle_release.h"
#include "platform/qt/clipboard.h"
#include "platform/qt/colour_scheme.h"
#include "platform/qt/emoji_renderer.h"
#include "platform/qt/insert_after_close.h"
#include "platform/qt/quit_on_signals.h"
#include "platform/qt/single_instance.h"
#include "platform/qt/tray.h"

namespace zindo::platform::qt {

class WindowWidget;

class MonotonicClock : public Clock {
public:
    MonotonicClock() { timer_.start(); }
    double now() const override { return static_cast<double>(timer_.nsecsElapsed()) / 1e9; }

private:
    QElapsedTimer timer_;
};

class QtHost : public Host {
public:
    // Serves later starts through the instance, which has claimed the lock.
    QtHost(int& argc, char** argv, SingleInstance& instance);
    ~QtHost() override;

    // Opens a picker as soon as the program has started, as `--show` asks,
    // whose choice is typed too for `--insert`.
    void showPickerAtStart(bool insert) {
        showPickerAtStart_ = true;
        insertAtStart_ = insert;
    }
    // Opens no picker by itself, even without a tray, as an autostart asks:
    // the duck shows when a tray comes, and later starts are served.
    void startInBackground() { background_ = true; }

    const Clock& clock() const override { return clock_; }
    StatusBar& systemStatusBar() override { return tray_; }
    Pasteboard& generalPasteboard() override { return clipboard_; }
    TextInsertion& textInsertion() override { return insertion_; }
    Rect screenFrame() const override;

    void run(Application& application) override;
    void windowDidOrderFront(Window& window) override;
    void windowDidClose(Window& window) override;
    void activateIgnoringOtherApps() override;

    // After anything that may have changed the view tree or queued work:
    // repaints what changed and arms the timers for what is due next.
    void afterEvent();
    WindowWidget* widgetFor(const Window& window) const;

private:
    void runDue();
    void quitOnceNothingIsLeft();
    void trayArrived();
    void releaseWhileIdle();
    void showForLaterStart(const SingleInstance::Request& request);

    QApplication qtApplication_;
    ColourScheme colourScheme_;
    MonotonicClock clock_;
    Tray tray_;
    Clipboard clipboard_;
    InsertAfterClose insertion_;
    EmojiRenderer renderer_;
    SingleInstance& instance_;
    QuitOnSignals quitOnSignals_;
    std::map<const Window*, WindowWidget*> widgets_;
    WindowWidget* spare_ = nullptr;    // a closed picker's, hidden, for the next
    std::optional<IdleRelease> idle_;  // once running
    QTimer dueTimer_;
    QTimer frameTimer_;
    Application* application_ = nullptr;
    QByteArray launchToken_;  // while a picker opens for a later start
    bool quitWithLastWindow_ = false;
    bool wasAnimating_ = false;
    bool waitingForClipboard_ = false;
    bool showPickerAtStart_ = false;
    bool insertAtStart_ = false;
    bool background_ = false;
};

}  // namespace zindo::platform::qt
