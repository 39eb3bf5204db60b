// The copy: the clicked emoji onto the clipboard, the flash, and the close
// 0.3 s later.
#include "app/zindo_app.h"
#include "platform/pasteboard.h"

namespace zindo {
namespace {

// As long as the flash, so the window closes as the check mark disappears.
constexpr double kCloseDelay = 0.3;

}  // namespace

void ZindoApp::emojiButtonClicked(platform::Button& sender) { copyEmoji(sender, sender.title()); }

void ZindoApp::skinToneChosen(platform::Button& sender, std::string_view tone) { copyEmoji(sender, std::string(tone)); }

void ZindoApp::copyEmoji(platform::Button& sender, std::string title) {
    platform::Pasteboard& pasteboard = platform::Pasteboard::generalPasteboard();
    pasteboard.clearContents();
    pasteboard.setString(title, platform::kPasteboardTypeString);

    const platform::Point origin = sender.frame().origin;
    platform::View* superview = sender.superview();
    // A button outside any view still copies and closes; it only gets no flash.
    if (superview != nullptr) showGreenFlash(origin, *superview);

    // Weak: a window the user closes meanwhile is released at once.
    auto& queue = platform::Application::shared().mainQueue();
    queue.asyncAfter(queue.now() + kCloseDelay, [window = windowToCloseAfterCopy(sender)] {
        if (const auto open = window.lock()) open->close();
    });
}

std::weak_ptr<platform::Window> ZindoApp::windowToCloseAfterCopy(const platform::Button& sender) const {
    if (platform::Window* window = sender.window()) return window->weak_from_this();
    // Outside any window: the picker opened last.
    if (openPickers_.empty()) return {};
    return openPickers_.back().window->weak_from_this();
}

}  // namespace zindo
