// The grid: where n buttons go, and a build's fresh document of wired, described buttons.
#include <gtest/gtest.h>

#include "app/picker_session.h"
#include "grid/grid_layout.h"

namespace zindo {
namespace {

using grid::GridLayout;
using grid::gridLayout;
using platform::Rect;
using testing::expectedTitles;
using testing::PickerSession;

struct LayoutCase {
    std::int64_t count;
    Rect document;
    std::int64_t index;
    Rect button;
};

TEST(GridLayoutTest, PlacesButtonsFromTheTopRowDownInADocumentOfAtLeast100Points) {
    const LayoutCase cases[] = {
        {1, {0, 0, 440, 100}, 0, {12, 12, 44, 44}},      {8, {0, 0, 440, 100}, 0, {12, 12, 44, 44}},
        {8, {0, 0, 440, 100}, 7, {376, 12, 44, 44}},     {9, {0, 0, 440, 128}, 0, {12, 64, 44, 44}},
        {9, {0, 0, 440, 128}, 7, {376, 64, 44, 44}},     {9, {0, 0, 440, 128}, 8, {12, 12, 44, 44}},
        {932, {0, 0, 440, 6108}, 0, {12, 6044, 44, 44}}, {932, {0, 0, 440, 6108}, 931, {168, 12, 44, 44}},
        {0, {0, 0, 440, 100}, 0, {12, -40, 44, 44}},  // the rows hang from a content height of 24, never clamped
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "n=" << c.count << " i=" << c.index);
        const GridLayout layout = gridLayout(c.count);
        EXPECT_EQ(layout.documentFrame, c.document);
        EXPECT_EQ(layout.buttonFrame(c.index), c.button);
    }
}

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
