#include "app/zindo_app.h"

#include <algorithm>

#include "platform/host.h"

namespace zindo {
namespace {

constexpr std::string_view kDuck = "\U0001F986";

}  // namespace

ZindoApp::~ZindoApp() {
    auto& center = platform::Application::shared().notificationCenter();
    for (const OpenPicker& picker : openPickers_) {
        center.removeObserver(picker.textObserver);
        picker.window->setDelegate(nullptr);
        picker.searchField->setDelegate(nullptr);
    }
}

void ZindoApp::applicationDidFinishLaunching(const platform::Notification&) {
    statusItem_ = platform::Application::shared().host().systemStatusBar().statusItemWithLength(
        platform::kSquareStatusItemLength);
    if (auto* button = statusItem_->button()) button->setTitle(kDuck);
    if (auto* button = statusItem_->button())
        button->setAction(platform::makeSelector<&ZindoApp::duckClicked>("duckClicked"));
    if (auto* button = statusItem_->button()) button->setTarget(this);
}

void ZindoApp::duckClicked() { showEmojiSelector(); }

void ZindoApp::showEmojiSelector() { showEmojiWindow(); }

void ZindoApp::windowWillClose(platform::Window& window) {
    const auto picker = std::find_if(openPickers_.begin(), openPickers_.end(),
                                     [&](const OpenPicker& open) { return open.window == &window; });
    if (picker == openPickers_.end()) return;
    platform::Application::shared().notificationCenter().removeObserver(picker->textObserver);
    if (scrollView_.get() == picker->scrollView) scrollView_.reset();
    if (searchField_.get() == picker->searchField) searchField_.reset();
    openPickers_.erase(picker);
}

const ZindoApp::OpenPicker* ZindoApp::pickerWithField(const platform::View* field) const {
    const auto picker = std::find_if(openPickers_.begin(), openPickers_.end(),
                                     [&](const OpenPicker& open) { return open.searchField == field; });
    return picker == openPickers_.end() ? nullptr : &*picker;
}

}  // namespace zindo
