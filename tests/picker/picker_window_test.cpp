// Opening a picker: every frame, text and setting, and the order of it all.
#include <gtest/gtest.h>

#include "app/picker_session.h"
#include "emoji_literal.h"

namespace zindo {
namespace {

using platform::Rect;
using testing::PickerSession;
using testing::utf8;

TEST(PickerWindowTest, IsATitledClosableResizable500By580WindowCentredOnTheScreen) {
    PickerSession session;
    const auto picker = session.openPicker();
    const platform::Window& window = *picker.window;
    EXPECT_EQ(window.title(), utf8("1F986") + " ZindoZindo - Select Emoji");
    EXPECT_EQ(window.styleMask(), 11u);
    EXPECT_EQ(window.contentRect(), Rect(710, 250, 500, 580));  // centred on the 1920 x 1080 test screen
    EXPECT_EQ(window.contentView()->frame(), Rect(0, 0, 500, 580));
    EXPECT_TRUE(window.isVisible());
}

TEST(PickerWindowTest, HoldsSearchFieldScrollViewAndCreditsInThatOrderAtFixedFrames) {
    PickerSession session;
    const auto picker = session.openPicker();
    ASSERT_NE(picker.searchField, nullptr);
    ASSERT_NE(picker.scrollView, nullptr);
    ASSERT_NE(picker.credits, nullptr);

    EXPECT_EQ(picker.searchField->frame(), Rect(20, 540, 460, 24));
    EXPECT_EQ(picker.searchField->placeholderString(), "Search emoji, then click to copy to clipboard");
    EXPECT_EQ(picker.searchField->delegate(), &session.zindo);
    EXPECT_EQ(picker.searchField->stringValue(), "");

    EXPECT_EQ(picker.scrollView->frame(), Rect(20, 50, 460, 480));
    EXPECT_TRUE(picker.scrollView->hasVerticalScroller());
    EXPECT_FALSE(picker.scrollView->autohidesScrollers());

    const platform::TextField& credits = *picker.credits;
    EXPECT_EQ(credits.frame(), Rect(20, 20, 460, 20));
    EXPECT_EQ(credits.stringValue(), "Created by Ardo & Melka " + utf8("2764 FE0F"));
    EXPECT_EQ(credits.textColor(), platform::Color::secondaryLabel);
    EXPECT_EQ(credits.font().pointSize, 12.0);
    EXPECT_EQ(credits.alignment(), platform::TextAlignment::center);
}

// Records what the grid looked like at the moment the window came to the front.
class ShowingHost : public platform::testing::TestingHost {
public:
    void windowDidOrderFront(platform::Window& window) override {
        TestingHost::windowDidOrderFront(window);
        const auto picker = testing::PickerSession::pickerOf(window);
        buttonsWhenShown = picker.buttons().size();
        activationsWhenShown = activations();
    }
    std::size_t buttonsWhenShown = 0;
    int activationsWhenShown = -1;
};

TEST(PickerWindowTest, TheFullGridIsBuiltBeforeTheWindowShowsAndTheProgramIsActivatedAfter) {
    ShowingHost host;
    platform::Application application(host);
    ZindoApp zindo;
    application.setDelegate(&zindo);
    application.run();
    zindo.duckClicked();
    EXPECT_EQ(host.buttonsWhenShown, 932u);
    EXPECT_EQ(host.activationsWhenShown, 0);
    EXPECT_EQ(host.activations(), 1);
}

}  // namespace
}  // namespace zindo
