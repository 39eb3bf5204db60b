// Which way of typing into another window a session offers, from what the
// session has: the choice is made once, at the first picker asked to insert.
#pragma once

#include <string>
#include <string_view>

namespace zindo::platform::qt {

struct SessionFacts {
    std::string_view platform = {};  // Qt's platform name: "xcb", "wayland", …
    std::string_view desktop = {};   // XDG_CURRENT_DESKTOP
    bool xtest = false;              // X11: the XTEST extension
    bool virtualKeyboard = false;    // Wayland: zwp_virtual_keyboard_manager_v1
    bool foreignToplevels = false;   // Wayland: zwlr_foreign_toplevel_manager_v1
};

enum class InsertionMethod { xtest, virtualKeyboard, none };

struct InsertionChoice {
    InsertionMethod method;
    std::string whyNone;  // for the person, where there is no way
};

InsertionChoice chooseInsertionMethod(const SessionFacts& session);

}  // namespace zindo::platform::qt
