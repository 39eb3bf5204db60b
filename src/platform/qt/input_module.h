// Typing through the session's input method. Qt 6.4 speaks no text-input-v3,
// which is all mutter offers on Wayland, and on X11 without QT_IM_MODULE it
// uses its compose table: on GNOME, which starts ibus-daemon itself and sets
// no QT_IM_MODULE, the field got plain letters. Qt's own IBus plugin talks to
// the daemon directly, on both.
#pragma once

#include <string>
#include <string_view>

namespace zindo::platform::qt {

struct InputEnvironment {
    bool userChoseModule = false;  // QT_IM_MODULE or QT_IM_MODULES set, even empty
    std::string platform;          // QT_QPA_PLATFORM
    std::string sessionType;       // XDG_SESSION_TYPE
    bool ibusServesThisDisplay = false;
    bool qtSpeaksTextInputV3 = false;
};

// The input module Qt is to load, or empty where Qt's own choice stands.
std::string_view inputModuleFor(const InputEnvironment& environment);

// Reads the environment and sets QT_IM_MODULE to match; before the QApplication.
void chooseInputModule();

}  // namespace zindo::platform::qt
