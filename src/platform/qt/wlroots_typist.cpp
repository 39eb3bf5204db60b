#include "platform/qt/wlroots_typist.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

namespace zindo::platform::qt {
namespace {

constexpr std::string_view kOurAppId = "io.github.zindozindo.zindozindo";

// Key codes as the protocol counts them: xkb's less 8.
constexpr std::uint32_t kXkbKeycodeOffset = 8;

std::uint32_t milliseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

struct Toplevel {
    zwlr_foreign_toplevel_handle_v1* handle = nullptr;
    std::string appId;
    bool activated = false;
    bool activatedPending = false;
    bool closed = false;
};

// One connection and what it has bound.
class Connection {
public:
    Connection() : display_(wl_display_connect(nullptr)) {
        if (display_ == nullptr) return;
        registry_ = wl_display_get_registry(display_);
        wl_registry_add_listener(registry_, &kRegistryListener, this);
        wl_display_roundtrip(display_);
    }
    ~Connection() {
        if (display_ == nullptr) return;
        for (const auto& toplevel : toplevels_) zwlr_foreign_toplevel_handle_v1_destroy(toplevel->handle);
        if (toplevelManager_ != nullptr) zwlr_foreign_toplevel_manager_v1_stop(toplevelManager_);
        if (keyboardManager_ != nullptr) zwp_virtual_keyboard_manager_v1_destroy(keyboardManager_);
        if (seat_ != nullptr) wl_seat_destroy(seat_);
        wl_registry_destroy(registry_);
        wl_display_roundtrip(display_);
        wl_display_disconnect(display_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool connected() const { return display_ != nullptr; }
    WlrootsTypist::Globals globals() const { return {keyboardManager_ != nullptr, toplevelManager_ != nullptr}; }

    // Every toplevel with its state, once the compositor has told them.
    bool followToplevels() {
        if (toplevelManager_ == nullptr || seat_ == nullptr || keyboardManager_ == nullptr) return false;
        zwlr_foreign_toplevel_manager_v1_add_listener(toplevelManager_, &kManagerListener, this);
        return wl_display_roundtrip(display_) >= 0 && wl_display_roundtrip(display_) >= 0;
    }
    Toplevel* activated() const {
        for (const auto& toplevel : toplevels_) {
            if (toplevel->activated && !toplevel->closed) return toplevel.get();
        }
        return nullptr;
    }
    bool refresh() { return wl_display_roundtrip(display_) >= 0; }
    bool type(std::u32string_view scalars);

private:
    static void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t /*version*/) {
        auto* self = static_cast<Connection*>(data);
        if (std::strcmp(interface, wl_seat_interface.name) == 0 && self->seat_ == nullptr) {
            self->seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
        } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
            self->keyboardManager_ = static_cast<zwp_virtual_keyboard_manager_v1*>(
                wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
        } else if (std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0) {
            self->toplevelManager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(
                wl_registry_bind(registry, name, &zwlr_foreign_toplevel_manager_v1_interface, 1));
        }
    }
    static void globalRemove(void*, wl_registry*, std::uint32_t) {}
    static constexpr wl_registry_listener kRegistryListener = {&global, &globalRemove};

    static void toplevel(void* data, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* handle) {
        auto* self = static_cast<Connection*>(data);
        auto& added = self->toplevels_.emplace_back(std::make_unique<Toplevel>());
        added->handle = handle;
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kToplevelListener, added.get());
    }
    static void finished(void* data, zwlr_foreign_toplevel_manager_v1*) {
        static_cast<Connection*>(data)->toplevelManager_ = nullptr;
    }
    static constexpr zwlr_foreign_toplevel_manager_v1_listener kManagerListener = {&toplevel, &finished};

    static void title(void*, zwlr_foreign_toplevel_handle_v1*, const char*) {}
    static void appId(void* data, zwlr_foreign_toplevel_handle_v1*, const char* id) {
        static_cast<Toplevel*>(data)->appId = id;
    }
    static void output(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void state(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
        auto* toplevel = static_cast<Toplevel*>(data);
        toplevel->activatedPending = false;
        const auto* each = static_cast<const std::uint32_t*>(states->data);
        for (std::size_t at = 0; at < states->size / sizeof *each; ++at)
            toplevel->activatedPending |= each[at] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
    }
    static void done(void* data, zwlr_foreign_toplevel_handle_v1*) {
        auto* toplevel = static_cast<Toplevel*>(data);
        toplevel->activated = toplevel->activatedPending;
    }
    static void closed(void* data, zwlr_foreign_toplevel_handle_v1*) { static_cast<Toplevel*>(data)->closed = true; }
    static constexpr zwlr_foreign_toplevel_handle_v1_listener kToplevelListener = {&title, &appId, &output, &output,
                                                                                   &state, &done,  &closed};

    wl_display* display_;
    wl_registry* registry_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwp_virtual_keyboard_manager_v1* keyboardManager_ = nullptr;
    zwlr_foreign_toplevel_manager_v1* toplevelManager_ = nullptr;
    std::vector<std::unique_ptr<Toplevel>> toplevels_;
};

bool Connection::type(std::u32string_view scalars) {
    std::u32string distinct;
    for (const char32_t scalar : scalars) {
        if (distinct.find(scalar) == std::u32string::npos) distinct += scalar;
    }
    const std::string keymap = keymapTyping(distinct);
    const int file = ::memfd_create("zindozindo-keymap", MFD_CLOEXEC);
    if (file < 0) return false;
    const bool written = ::write(file, keymap.c_str(), keymap.size() + 1) == static_cast<ssize_t>(keymap.size() + 1);
    zwp_virtual_keyboard_v1* keyboard = nullptr;
    if (written) {
        keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboardManager_, seat_);
        zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, file,
                                       static_cast<std::uint32_t>(keymap.size() + 1));
    }
    ::close(file);
    if (keyboard == nullptr) return false;
    for (const char32_t scalar : scalars) {
        const auto key = static_cast<std::uint32_t>(distinct.find(scalar) + 1);
        zwp_virtual_keyboard_v1_key(keyboard, milliseconds(), key, WL_KEYBOARD_KEY_STATE_PRESSED);
        zwp_virtual_keyboard_v1_key(keyboard, milliseconds(), key, WL_KEYBOARD_KEY_STATE_RELEASED);
    }
    // The keyboard goes once its keys are in: no device stays listed. The requests go
    // in order; the connection's end waits for the compositor to have read them.
    zwp_virtual_keyboard_v1_destroy(keyboard);
    return wl_display_flush(display_) >= 0;
}

class WlrootsFocusedWindow : public FocusedWindow {
public:
    WlrootsFocusedWindow(std::unique_ptr<Connection> connection, Toplevel* target)
        : connection_(std::move(connection)), target_(target) {}
    bool isOurs() override { return target_->appId == kOurAppId; }
    bool hasKeyboard() override { return connection_->refresh() && target_->activated && !target_->closed; }
    bool type(std::u32string_view scalars) override { return connection_->type(scalars); }

private:
    std::unique_ptr<Connection> connection_;
    Toplevel* target_;
};

}  // namespace

std::string keymapTyping(std::u32string_view distinctScalars) {
    std::string keycodes = "xkb_keycodes \"zindozindo\" {\n  minimum = 8;\n  maximum = " +
                           std::to_string(kXkbKeycodeOffset + distinctScalars.size() + 1) + ";\n";
    std::string symbols = "xkb_symbols \"zindozindo\" {\n";
    for (std::size_t at = 0; at < distinctScalars.size(); ++at) {
        const std::string key = "<K" + std::to_string(at + 1) + ">";
        keycodes += "  " + key + " = " + std::to_string(kXkbKeycodeOffset + at + 1) + ";\n";
        // By name: xkbcommon reads Unicode keysyms as "U" and hex digits.
        char keysym[16];
        std::snprintf(keysym, sizeof keysym, "U%04X", static_cast<unsigned>(distinctScalars[at]));
        symbols += "  key " + key + " { [ " + keysym + " ] };\n";
    }
    // One level and no interpretations: the compositor and the target compile it in microseconds,
    // where the complete types and compatibility would take milliseconds each.
    return "xkb_keymap {\n" + keycodes +
           "};\nxkb_types \"zindozindo\" {\n  type \"ONE_LEVEL\" { modifiers = none; level_name[Level1] = \"Any\"; "
           "};\n};\n" +
           "xkb_compatibility \"zindozindo\" { };\n" + symbols + "};\n};\n";
}

WlrootsTypist::Globals WlrootsTypist::offered() {
    const Connection connection;
    return connection.globals();
}

std::unique_ptr<FocusedWindow> WlrootsTypist::focusedWindow() {
    auto connection = std::make_unique<Connection>();
    if (!connection->connected() || !connection->followToplevels()) return nullptr;
    Toplevel* target = connection->activated();
    if (target == nullptr) return nullptr;
    return std::make_unique<WlrootsFocusedWindow>(std::move(connection), target);
}

}  // namespace zindo::platform::qt
