// A picker opened for a later start of the program is the window its
// launcher waits for. The launcher's token tells the desktop so: it may
// then focus the picker, and the launcher's busy cursor stops.
#pragma once

#include <QByteArray>
#include <QWidget>

namespace zindo::platform::qt {

// Shows, raises and activates the window; an empty token is an ordinary show.
// On Wayland the token is an xdg-activation token, on X11 a startup-notification id.
void showAsLaunched(QWidget& window, const QByteArray& token);

}  // namespace zindo::platform::qt
