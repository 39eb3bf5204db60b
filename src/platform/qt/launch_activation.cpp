#include "platform/qt/launch_activation.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace zindo::platform::qt {
namespace {

// Activates a Wayland window with its token once the window has drawn its
// first frame: a compositor may drop an activation that names a surface it
// has not mapped yet (mutter 43 does), and the picker then opens unfocused.
class ActivateWhenMapped : public QObject {
public:
    ActivateWhenMapped(QWindow& window, QByteArray token)
        : QObject(&window), window_(window), token_(std::move(token)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Expose || !window_.isExposed()) return false;
        window_.removeEventFilter(this);
        // After this expose has painted, so that the frame is on its way before the activation.
        QTimer::singleShot(0, this, [this] {
            qputenv("XDG_ACTIVATION_TOKEN", token_);
            window_.requestActivate();
            qunsetenv("XDG_ACTIVATION_TOKEN");
            deleteLater();
        });
        return false;
    }

private:
    QWindow& window_;
    QByteArray token_;
};

}  // namespace
}  // namespace zindo::platform::qt

// After Qt: it pulls in Xlib, whose macros break Qt's headers.
#define SN_API_NOT_YET_FROZEN
#include <libsn/sn.h>

namespace zindo::platform::qt {
namespace {

void showAndActivate(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

// Marks the window with the launch's id before it maps, then ends the launch.
void showCompletingStartup(QWidget& window, const QByteArray& startupId, xcb_connection_t* connection) {
    SnDisplay* display = sn_xcb_display_new(connection, nullptr, nullptr);
    SnLauncheeContext* launch = sn_launchee_context_new(display, 0, startupId.constData());
    sn_launchee_context_setup_window(launch, static_cast<Window>(window.winId()));
    showAndActivate(window);
    sn_launchee_context_complete(launch);
    sn_launchee_context_unref(launch);
    sn_display_unref(display);
    xcb_flush(connection);
}

}  // namespace

void showAsLaunched(QWidget& window, const QByteArray& token) {
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        if (token.isEmpty()) {
            showAndActivate(window);
        } else {
            showCompletingStartup(window, token, x11->connection());
        }
        return;
    }
    if (QGuiApplication::platformName() != QStringLiteral("wayland")) {
        showAndActivate(window);
        return;
    }
    // The launcher's token, else the one a tray host handed over with the click,
    // which Qt keeps in the environment; taken now, before anything activates early.
    const QByteArray activation = token.isEmpty() ? qgetenv("XDG_ACTIVATION_TOKEN") : token;
    qunsetenv("XDG_ACTIVATION_TOKEN");
    window.show();
    window.raise();
    new ActivateWhenMapped(*window.windowHandle(), activation);
}

}  // namespace zindo::platform::qt
