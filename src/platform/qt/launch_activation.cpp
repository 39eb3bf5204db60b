#include "platform/qt/launch_activation.h"

#include <QGuiApplication>

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
    if (token.isEmpty()) {
        showAndActivate(window);
        return;
    }
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        showCompletingStartup(window, token, x11->connection());
        return;
    }
    // Qt's Wayland platform hands this on to the compositor as it activates the window.
    qputenv("XDG_ACTIVATION_TOKEN", token);
    showAndActivate(window);
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

}  // namespace zindo::platform::qt
