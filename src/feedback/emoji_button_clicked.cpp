// The copy: the clicked emoji onto the clipboard, the flash, and the close
// 0.3 s later; for a picker asked to insert, the emoji typed after that.
#include "app/zindo_app.h"
#include "platform/host.h"
#include "platform/pasteboard.h"
#include "platform/text_insertion.h"

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
    const std::weak_ptr<platform::Window> window = windowToCloseAfterCopy(sender);
    // Typed where the person was typing, for a picker asked to, once it has closed.
    if (const auto open = window.lock())
        platform::Application::shared().host().textInsertion().insertOnceClosed(*open, title);
    auto& queue = platform::Application::shared().mainQueue();
    queue.asyncAfter(queue.now() + kCloseDelay, [window] {
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
