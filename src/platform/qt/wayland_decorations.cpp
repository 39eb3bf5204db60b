#include "platform/qt/wayland_decorations.h"

#include <wayland-client.h>

#include <QByteArray>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <QtGlobal>
#include <cstring>

namespace zindo::platform::qt {
namespace {

// Read from the registry on a connection of our own, closed again at once:
// Qt's own is not ours to listen on.
bool compositorDrawsDecorations() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) return false;
    bool offered = false;
    static const wl_registry_listener listener = {
        [](void* found, wl_registry*, uint32_t, const char* interface, uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) *static_cast<bool*>(found) = true;
        },
        [](void*, wl_registry*, uint32_t) {}};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}

}  // namespace

void leaveDecorationsToACompositorThatDrawsThem() {
    if (QLibraryInfo::version() >= QVersionNumber(6, 8)) return;
    if (qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION") ||
        qEnvironmentVariableIsSet("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"))
        return;
    if (compositorDrawsDecorations()) qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", QByteArrayLiteral("1"));
}

}  // namespace zindo::platform::qt
