// A grid build: a fresh document with one wired, described button per emoji.
#include <gtest/gtest.h>

#include "app/picker_session.h"

namespace zindo {
namespace {

using platform::Rect;
using testing::expectedTitles;
using testing::PickerSession;

TEST(CreateEmojiGridTest, TheFullGridIs932WiredButtonsInListOrder) {
    PickerSession session;
    const auto picker = session.openPicker();
    EXPECT_EQ(picker.document().frame(), Rect(0, 0, 440, 6108));
    EXPECT_EQ(picker.titles(), expectedTitles(""));
    const platform::Button& last = *picker.buttons().back();
    EXPECT_EQ(last.frame(), Rect(168, 12, 44, 44));
    EXPECT_EQ(last.action().name, "emojiButtonClicked:");
    EXPECT_EQ(last.target(), &session.zindo);
    EXPECT_EQ(last.font().pointSize, 28.0);
    EXPECT_FALSE(last.isBordered());
}

// What the tool tip and screen readers give for a cell: the emoji, then its keywords.
TEST(CreateEmojiGridTest, EachBuildReplacesTheDocumentAndDescribesEveryButton) {
    PickerSession session;
    const auto picker = session.openPicker();
    const std::weak_ptr<platform::View> first = picker.scrollView->documentView();
    session.zindo.createEmojiGrid(*picker.scrollView, "puppy");
    EXPECT_TRUE(first.expired());
    ASSERT_EQ(picker.titles(), (std::vector<std::string>{"\U0001F97A", "\U0001F436"}));
    EXPECT_EQ(picker.buttons()[1]->toolTip(), "\U0001F436, dog, puppy, pet, face, animal");
    session.zindo.createEmojiGrid(*picker.scrollView, "\U0001F62E");  // no keyword row
    EXPECT_EQ(picker.buttons().at(0)->toolTip(), "\U0001F62E");
    session.zindo.createEmojiGrid(*picker.scrollView, "zzq");
    EXPECT_EQ(picker.document().frame(), Rect(0, 0, 440, 100));
    EXPECT_TRUE(picker.document().subviews().empty());
}

}  // namespace
}  // namespace zindo
