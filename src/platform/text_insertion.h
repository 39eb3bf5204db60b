// Typing a chosen emoji into the window that had the keyboard before a
// picker opened, for the pickers asked to (zindozindo --insert): the desktop
// has no other way to put it where the person was typing.
#pragma once

#include <string_view>

namespace zindo::platform {

class Window;

class TextInsertion {
public:
    virtual ~TextInsertion() = default;
    // Types the text into the window that had the keyboard when the picker
    // was asked for, once the picker has closed and that window has the
    // keyboard again; the last text given before the close is the one. A
    // picker that was not asked to insert ignores it.
    virtual void insertOnceClosed(const Window& picker, std::string_view text) = 0;
};

}  // namespace zindo::platform
