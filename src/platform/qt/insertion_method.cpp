#include "platform/qt/insertion_method.h"

namespace zindo::platform::qt {
namespace {

bool names(std::string_view desktops, std::string_view desktop) {
    // A colon-separated list, as "ubuntu:GNOME".
    for (std::size_t start = 0; start <= desktops.size();) {
        const std::size_t end = std::min(desktops.find(':', start), desktops.size());
        if (desktops.substr(start, end - start) == desktop) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

InsertionChoice chooseInsertionMethod(const SessionFacts& session) {
    if (session.platform == "xcb") {
        if (session.xtest) return {InsertionMethod::xtest, {}};
        return {InsertionMethod::none, "this X server has no XTEST extension"};
    }
    if (session.platform != "wayland") return {InsertionMethod::none, "this session lets no program type into another"};
    // Both, or the text could go to whichever window has the keyboard by then.
    if (session.virtualKeyboard && session.foreignToplevels) return {InsertionMethod::virtualKeyboard, {}};
    if (session.virtualKeyboard)
        return {InsertionMethod::none, "this compositor does not tell which window has the keyboard"};
    // Their remote-desktop keyboards (mutter's, and the portal's on KWin's fake input before its
    // version 6) look each keysym up in the keyboard's layout and drop those it lacks, as every emoji.
    if (names(session.desktop, "GNOME"))
        return {InsertionMethod::none, "GNOME on Wayland types for programs only what the keyboard's layout has"};
    if (names(session.desktop, "KDE"))
        return {InsertionMethod::none, "this Plasma on Wayland types for programs only what the keyboard's layout has"};
    return {InsertionMethod::none, "this compositor offers programs no virtual keyboard"};
}

}  // namespace zindo::platform::qt
