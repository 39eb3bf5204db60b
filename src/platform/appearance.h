// Fonts, colours and alignment as plain values; the desktop host decides how
// each looks.
#pragma once

namespace zindo::platform {

struct Font {
    double pointSize = 13.0;

    static Font systemFontOfSize(double pointSize) { return Font{pointSize}; }
    friend bool operator==(const Font&, const Font&) = default;
};

// The system colours the program names; dynamic ones have no fixed components.
enum class Color { label, secondaryLabel, clear, textBackground };

// Raw values as AppKit numbers them on arm64.
enum class TextAlignment { left = 0, center = 1, right = 2 };

enum class BezelStyle { rounded = 1 };

}  // namespace zindo::platform
