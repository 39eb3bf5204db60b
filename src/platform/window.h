// Top-level windows. The application holds a window while it is open; the
// program need keep no reference to it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/geometry.h"

namespace zindo::platform {

class View;
class Window;

// Raw values as AppKit numbers them.
namespace StyleMask {
inline constexpr unsigned titled = 1;
inline constexpr unsigned closable = 2;
inline constexpr unsigned miniaturizable = 4;
inline constexpr unsigned resizable = 8;
}  // namespace StyleMask

enum class BackingStore { buffered = 2 };

// What the window system hears of windows: where the screen is, and which
// windows come to the front and close. The application is one.
class WindowServer {
public:
    // The screen area windows are centred in, y up.
    virtual Rect screenFrame() const = 0;
    virtual void windowDidOrderFront(Window& window) = 0;
    virtual void windowDidClose(Window& window) = 0;

protected:
    ~WindowServer() = default;
};

class WindowDelegate {
public:
    virtual ~WindowDelegate() = default;
    virtual void windowWillClose(Window& window) = 0;
};

class Window : public std::enable_shared_from_this<Window> {
public:
    // Comes with a plain content view whose bounds are the content size; the
    // server hears of it from then on.
    static std::shared_ptr<Window> create(WindowServer& server, Rect contentRect, unsigned styleMask,
                                          BackingStore backing, bool defer);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Rect contentRect() const { return contentRect_; }
    unsigned styleMask() const { return styleMask_; }
    BackingStore backing() const { return backing_; }
    bool isDeferred() const { return defer_; }

    const std::string& title() const { return title_; }
    void setTitle(std::string_view title) { title_ = title; }
    // Places the content rectangle in the middle of the screen.
    void center();

    const std::shared_ptr<View>& contentView() const { return contentView_; }
    void setContentView(std::shared_ptr<View> view);

    WindowDelegate* delegate() const { return delegate_; }
    void setDelegate(WindowDelegate* delegate) { delegate_ = delegate; }

    bool isVisible() const { return visible_; }
    void makeKeyAndOrderFront();
    // Takes the window off the screen; the application lets go of it. Does
    // nothing for a window that is not open.
    void close();

private:
    Window(WindowServer& server, Rect contentRect, unsigned styleMask, BackingStore backing, bool defer);

    WindowServer& server_;
    Rect contentRect_;
    unsigned styleMask_;
    BackingStore backing_;
    bool defer_;
    std::string title_;
    std::shared_ptr<View> contentView_;
    WindowDelegate* delegate_ = nullptr;
    bool visible_ = false;
};

}  // namespace zindo::platform
