// A desktop session's way to type text into another program's window: each
// kind of session has its own (XTest on X11, a virtual keyboard on wlroots).
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace zindo::platform::qt {

// The window that had the keyboard when it was named, held to type into.
class FocusedWindow {
public:
    virtual ~FocusedWindow() = default;
    // Whether it is one of this program's own windows.
    virtual bool isOurs() = 0;
    // Whether it has the keyboard now.
    virtual bool hasKeyboard() = 0;
    // Types the scalars into whatever has the keyboard, and nothing else;
    // false when they could not be typed.
    virtual bool type(std::u32string_view scalars) = 0;
};

class Typist {
public:
    virtual ~Typist() = default;
    // The window with the keyboard now, or null where there is none this
    // session can name.
    virtual std::unique_ptr<FocusedWindow> focusedWindow() = 0;
};

// The keysym that types the scalar: Latin-1's own, else Unicode's.
constexpr std::uint32_t keysymFor(char32_t scalar) {
    const bool latin1 = (scalar >= 0x20 && scalar <= 0x7E) || (scalar >= 0xA0 && scalar <= 0xFF);
    return latin1 ? static_cast<std::uint32_t>(scalar) : 0x01000000u | static_cast<std::uint32_t>(scalar);
}

}  // namespace zindo::platform::qt
