// Typing on wlroots compositors (sway and others): a virtual keyboard whose
// keymap holds the text's keysyms, on a Wayland connection of its own; the
// window with the keyboard is the toplevel the compositor reports activated.
#pragma once

#include "platform/qt/typist.h"

namespace zindo::platform::qt {

class WlrootsTypist : public Typist {
public:
    struct Globals {
        bool virtualKeyboard = false;   // zwp_virtual_keyboard_manager_v1
        bool foreignToplevels = false;  // zwlr_foreign_toplevel_manager_v1
    };
    // What the compositor offers, asked on a short connection of its own.
    static Globals offered();

    // Holds a connection while it lives, to follow that toplevel.
    std::unique_ptr<FocusedWindow> focusedWindow() override;
};

// The keymap of a keyboard whose keys 1, 2, … type these keysyms, in xkb's text format.
std::string keymapTyping(std::u32string_view distinctScalars);

}  // namespace zindo::platform::qt
