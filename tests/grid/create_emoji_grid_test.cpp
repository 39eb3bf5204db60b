// A grid build: a fresh document with one wired button per emoji.
#include <gtest/gtest.h>

#include "app/picker_session.h"
#include "emoji_literal.h"

namespace zindo {
namespace {

using platform::Rect;
using testing::expectedTitles;
using testing::PickerSession;
using testing::utf8;

TEST(CreateEmojiGridTest, TheFullGridIs932WiredButtonsInListOrderIn440By6108) {
    PickerSession session;
    const auto picker = session.openPicker();
    EXPECT_EQ(picker.document().frame(), Rect(0, 0, 440, 6108));
    const auto buttons = picker.buttons();
    ASSERT_EQ(buttons.size(), 932u);
    EXPECT_EQ(picker.document().subviews().size(), 932u);
    EXPECT_EQ(picker.titles(), expectedTitles(""));
    EXPECT_EQ(buttons.front()->frame(), Rect(12, 6044, 44, 44));
    EXPECT_EQ(buttons.back()->frame(), Rect(168, 12, 44, 44));
    EXPECT_EQ(buttons.front()->title(), utf8("1F600"));
    for (const platform::Button* button : buttons) {
        EXPECT_EQ(button->action().name, "emojiButtonClicked:");
        EXPECT_EQ(button->target(), &session.zindo);
        EXPECT_EQ(button->font().pointSize, 28.0);
        EXPECT_EQ(button->bezelStyle(), platform::BezelStyle::rounded);
        EXPECT_FALSE(button->isBordered());
        EXPECT_EQ(button->frame().size, (platform::Size{44, 44}));
    }
}

TEST(CreateEmojiGridTest, ARepeatedEmojiGetsAButtonEachAndTitlesKeepJoinersAndSelectors) {
    PickerSession session;
    const auto picker = session.openPicker();
    const auto titles = picker.titles();
    std::size_t family = 0;
    std::size_t heart = 0;
    for (const std::string& title : titles) {
        family += title == utf8("1F468 200D 1F469 200D 1F467") ? 1 : 0;
        heart += title == utf8("2764 FE0F") ? 1 : 0;
    }
    EXPECT_EQ(family, 1u);
    EXPECT_GE(heart, 1u);
    std::vector<std::string> sorted = titles;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_NE(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "the list holds repeats";
}

// What the tool tip and screen readers give for a cell: the emoji, then its keywords.
TEST(CreateEmojiGridTest, EveryButtonIsDescribedByItsEmojiAndKeywords) {
    PickerSession session;
    const auto picker = session.openPicker();
    session.zindo.createEmojiGrid(*picker.scrollView, "puppy");
    ASSERT_EQ(picker.titles(), (std::vector<std::string>{utf8("1F97A"), utf8("1F436")}));
    EXPECT_EQ(picker.buttons()[1]->toolTip(), utf8("1F436") + ", dog, puppy, pet, face, animal");

    // An emoji with no keyword row is described by itself.
    session.zindo.createEmojiGrid(*picker.scrollView, utf8("1F62E"));
    ASSERT_FALSE(picker.buttons().empty());
    EXPECT_EQ(picker.buttons()[0]->toolTip(), utf8("1F62E"));
}

TEST(CreateEmojiGridTest, EachBuildReplacesTheDocumentAndEmptyResultsGiveA100PointDocument) {
    PickerSession session;
    const auto picker = session.openPicker();
    const std::weak_ptr<platform::View> first = picker.scrollView->documentView();
    session.zindo.createEmojiGrid(*picker.scrollView, "zzq");
    EXPECT_TRUE(first.expired());
    EXPECT_EQ(picker.document().frame(), Rect(0, 0, 440, 100));
    EXPECT_TRUE(picker.document().subviews().empty());
    EXPECT_EQ(picker.document().superview(), picker.scrollView);

    session.zindo.createEmojiGrid(*picker.scrollView, "smile");
    ASSERT_EQ(picker.buttons().size(), 9u);
    EXPECT_EQ(picker.document().frame(), Rect(0, 0, 440, 128));
    EXPECT_EQ(picker.buttons()[8]->frame(), Rect(12, 12, 44, 44));
}

}  // namespace
}  // namespace zindo
