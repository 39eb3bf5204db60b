#include "platform/qt/x11_typist.h"

#include <unistd.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace zindo::platform::qt {
namespace {

// Long enough for a busy program to have asked for the new map when it
// reads the keys: it asks only as it comes to the map's change.
constexpr int kPutBackAfterMs = 1000;

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> owned(Reply* reply) {
    return Owned<Reply>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto reply = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

class X11FocusedWindow : public FocusedWindow {
public:
    X11FocusedWindow(X11Typist& typist, std::uint32_t topLevel, bool ours)
        : typist_(typist), topLevel_(topLevel), ours_(ours) {}
    bool isOurs() override { return ours_; }
    bool hasKeyboard() override { return typist_.focusedTopLevel() == topLevel_; }
    bool type(std::u32string_view scalars) override { return typist_.type(scalars); }

private:
    X11Typist& typist_;
    std::uint32_t topLevel_;
    bool ours_;
};

}  // namespace

X11Typist::X11Typist(xcb_connection_t* connection)
    : connection_(connection), root_(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root) {
    putBack_.setSingleShot(true);
    putBack_.setInterval(kPutBackAfterMs);
    QObject::connect(&putBack_, &QTimer::timeout, [this] { putBackKeyMap(); });
}

X11Typist::~X11Typist() { putBackKeyMap(); }

bool X11Typist::hasXTest(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_test_id);
    return extension != nullptr && extension->present != 0;
}

std::uint32_t X11Typist::focusedTopLevel(std::uint32_t* focus) const {
    const auto reply = owned(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    // None and PointerRoot name no window.
    if (reply == nullptr || reply->focus == XCB_NONE || reply->focus == XCB_INPUT_FOCUS_POINTER_ROOT) return 0;
    if (focus != nullptr) *focus = reply->focus;
    xcb_window_t window = reply->focus;
    for (;;) {
        const auto tree = owned(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr));
        if (tree == nullptr) return 0;
        if (tree->parent == root_ || tree->parent == XCB_NONE) return window == root_ ? 0 : window;
        window = tree->parent;
    }
}

std::unique_ptr<FocusedWindow> X11Typist::focusedWindow() {
    std::uint32_t focus = 0;
    const std::uint32_t topLevel = focusedTopLevel(&focus);
    if (topLevel == 0) return nullptr;
    // Ours when the focused window says it belongs to this process, as Qt's windows do.
    const auto pid = owned(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, focus, atom(connection_, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    const bool ours =
        pid != nullptr && xcb_get_property_value_length(pid.get()) == 4 &&
        *static_cast<const std::uint32_t*>(xcb_get_property_value(pid.get())) == static_cast<std::uint32_t>(::getpid());
    return std::make_unique<X11FocusedWindow>(*this, topLevel, ours);
}

bool X11Typist::type(std::u32string_view scalars) {
    putBackKeyMap();  // one borrowing at a time
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const auto map = owned(xcb_get_keyboard_mapping_reply(
        connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, static_cast<std::uint8_t>(count)),
        nullptr));
    if (map == nullptr) return false;
    keysymsPerKeycode_ = map->keysyms_per_keycode;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(map.get());

    std::u32string distinct;
    for (const char32_t scalar : scalars) {
        if (distinct.find(scalar) == std::u32string::npos) distinct += scalar;
    }
    // Spare: no keysym at any level. The highest first, away from real keys.
    std::vector<xcb_keycode_t> spare;
    for (int index = count - 1; index >= 0 && spare.size() < distinct.size(); --index) {
        const xcb_keysym_t* level = keysyms + index * keysymsPerKeycode_;
        if (std::all_of(level, level + keysymsPerKeycode_, [](xcb_keysym_t sym) { return sym == 0; }))
            spare.push_back(static_cast<xcb_keycode_t>(setup->min_keycode + index));
    }
    if (spare.size() < distinct.size()) return false;

    for (std::size_t at = 0; at < distinct.size(); ++at) {
        // The same keysym at every level, so that a held Shift changes nothing.
        const std::vector<xcb_keysym_t> levels(keysymsPerKeycode_, keysymFor(distinct[at]));
        xcb_change_keyboard_mapping(connection_, 1, spare[at], keysymsPerKeycode_, levels.data());
    }
    borrowed_.assign(spare.begin(), spare.begin() + static_cast<std::ptrdiff_t>(distinct.size()));
    for (const char32_t scalar : scalars) {
        const xcb_keycode_t key = borrowed_[distinct.find(scalar)];
        xcb_test_fake_input(connection_, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(connection_, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }
    xcb_flush(connection_);
    putBack_.start();
    return true;
}

void X11Typist::putBackKeyMap() {
    putBack_.stop();
    if (borrowed_.empty()) return;
    const std::vector<xcb_keysym_t> none(keysymsPerKeycode_, 0);
    for (const xcb_keycode_t key : borrowed_)
        xcb_change_keyboard_mapping(connection_, 1, key, keysymsPerKeycode_, none.data());
    borrowed_.clear();
    xcb_flush(connection_);
}

}  // namespace zindo::platform::qt
