// Typing on X11: XTest key presses of spare key codes mapped for the moment
// to the text's keysyms, as X typing tools do, so that any text types
// whatever the keyboard's layout. The map is put back a while later, once
// the target has surely read it.
#pragma once

#include <xcb/xcb.h>

#include <QTimer>
#include <cstdint>
#include <vector>

#include "platform/qt/typist.h"

namespace zindo::platform::qt {

class X11Typist : public Typist {
public:
    // On Qt's connection, which outlives this.
    explicit X11Typist(xcb_connection_t* connection);
    ~X11Typist() override;
    X11Typist(const X11Typist&) = delete;
    X11Typist& operator=(const X11Typist&) = delete;

    static bool hasXTest(xcb_connection_t* connection);

    std::unique_ptr<FocusedWindow> focusedWindow() override;
    // Types into whatever has the keyboard; false when there are too few spare key codes.
    bool type(std::u32string_view scalars);
    // The top-level window that holds the keyboard focus now: the child of
    // the root it lies in, so a window manager's frame; 0 for none. `focus`
    // gets the focused window itself.
    std::uint32_t focusedTopLevel(std::uint32_t* focus = nullptr) const;

private:
    void putBackKeyMap();

    xcb_connection_t* connection_;
    xcb_window_t root_;
    std::vector<xcb_keycode_t> borrowed_;  // mapped to our keysyms until the timer puts them back
    std::uint8_t keysymsPerKeycode_ = 0;
    QTimer putBack_;
};

}  // namespace zindo::platform::qt
