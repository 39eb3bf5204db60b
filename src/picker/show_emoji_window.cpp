// Building and showing a picker window.
#include "app/zindo_app.h"
#include "platform/appearance.h"

namespace zindo {
namespace {

using platform::Rect;

constexpr Rect kContentRect{0.0, 0.0, 500.0, 580.0};
constexpr unsigned kStyleMask = platform::StyleMask::titled | platform::StyleMask::closable |
                                platform::StyleMask::resizable;  // 11: no minimise button
constexpr std::string_view kTitle = "\U0001F986 ZindoZindo - Select Emoji";

constexpr Rect kSearchFieldFrame{20.0, 540.0, 460.0, 24.0};
constexpr std::string_view kPlaceholder = "Search emoji, then click to copy to clipboard";
constexpr Rect kScrollViewFrame{20.0, 50.0, 460.0, 480.0};
constexpr Rect kCreditsFrame{20.0, 20.0, 460.0, 20.0};
constexpr std::string_view kCredits = "Created by Ardo & Melka \u2764\uFE0F";
constexpr double kCreditsFontSize = 12.0;

}  // namespace

void ZindoApp::showEmojiWindow() {
    auto& application = platform::Application::shared();
    const auto window =
        platform::Window::create(application, kContentRect, kStyleMask, platform::BackingStore::buffered, false);
    window->setTitle(kTitle);
    window->center();

    const auto contentView = std::make_shared<platform::View>(window->contentView()->bounds());
    window->setContentView(contentView);

    const auto searchField =
        std::make_shared<platform::SearchField>(kSearchFieldFrame, application.notificationCenter());
    searchField->setPlaceholderString(kPlaceholder);
    searchField->setDelegate(this);
    contentView->addSubview(searchField);

    // Removed when the window closes, so it needs no weak reference to us.
    const auto textObserver = application.notificationCenter().addObserver(
        platform::kControlTextDidChangeNotification, searchField.get(),
        [this](const platform::Notification& notification) { rebuildForEditedField(notification); });

    const auto scrollView = std::make_shared<platform::ScrollView>(kScrollViewFrame);
    scrollView->setHasVerticalScroller(true);
    scrollView->setAutohidesScrollers(false);
    contentView->addSubview(scrollView);

    const auto credits = std::make_shared<platform::TextField>(kCreditsFrame);
    credits->setStringValue(kCredits);
    credits->setEditable(false);
    credits->setBordered(false);
    credits->setBackgroundColor(platform::Color::clear);
    credits->setTextColor(platform::Color::secondaryLabel);
    credits->setFont(platform::Font::systemFontOfSize(kCreditsFontSize));
    credits->setAlignment(platform::TextAlignment::center);
    contentView->addSubview(credits);

    createEmojiGrid(*scrollView, "");

    scrollView_ = scrollView;
    searchField_ = searchField;
    openPickers_.push_back(OpenPicker{window.get(), searchField.get(), scrollView.get(), textObserver});
    window->setDelegate(this);

    window->makeKeyAndOrderFront();
    application.activateIgnoringOtherApps(true);
}

}  // namespace zindo
