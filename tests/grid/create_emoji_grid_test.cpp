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
    // In list order, repeats and all, with joiners and selectors kept.
    EXPECT_EQ(picker.titles(), expectedTitles(""));
    EXPECT_EQ(buttons[346]->title(), utf8("1F43B 200D 2744 FE0F"));
    EXPECT_EQ(buttons.back()->frame(), Rect(168, 12, 44, 44));
    EXPECT_EQ(buttons.back()->action().name, "emojiButtonClicked:");
    EXPECT_EQ(buttons.back()->target(), &session.zindo);
    EXPECT_EQ(buttons.back()->font().pointSize, 28.0);
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
}

}  // namespace
}  // namespace zindo
