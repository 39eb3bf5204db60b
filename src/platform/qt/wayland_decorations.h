// Qt 6.4's Wayland platform asks, for every window it shows, whether its
// client buffer integration can draw window decorations, and so sets up EGL,
// and with it the GPU driver (Mesa and LLVM: about 50 MB and 30 ms), for
// windows that never draw with OpenGL. Where the compositor decorates windows
// itself (xdg-decoration: sway, KDE Plasma) Qt draws none, so the question
// need not be asked. Where it does not (GNOME), Qt draws the title bar, and
// only the question tells it that it may.
// Qt 6.8 no longer sets up EGL for the question: there this does nothing.
#pragma once

namespace zindo::platform::qt {

// Before the first window shows on Wayland. Leaves alone what the user set.
void leaveDecorationsToACompositorThatDrawsThem();

}  // namespace zindo::platform::qt
