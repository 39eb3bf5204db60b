// A click on an emoji: the clipboard, the check mark's fade, and the close.
#include <gtest/gtest.h>

#include "app/picker_session.h"
#include "emoji_literal.h"
#include "platform/animation_context.h"

namespace zindo {
namespace {

using platform::Rect;
using testing::Picker;
using testing::PickerSession;
using testing::utf8;

platform::Button* buttonTitled(const Picker& picker, const std::string& title) {
    for (platform::Button* button : picker.buttons()) {
        if (button->title() == title) return button;
    }
    ADD_FAILURE() << "no button " << title;
    return nullptr;
}

const platform::TextField* flashLabel(const platform::View& document) {
    return dynamic_cast<const platform::TextField*>(document.subviews().back().get());
}

TEST(CopyTest, TheClipboardHoldsExactlyTheTitleAndNothingItHeldBefore) {
    PickerSession session;
    session.host.pasteboard().setString("earlier", platform::kPasteboardTypeString);
    session.host.pasteboard().setString("<b>earlier</b>", "public.html");
    const std::string titles[] = {utf8("1F600"), utf8("2764 FE0F"), utf8("1F441 FE0F 200D 1F5E8 FE0F"),
                                  utf8("1F468 200D 1F469 200D 1F467 200D 1F466")};
    for (const std::string& title : titles) {
        const Picker picker = session.openPicker();
        platform::Button* button = buttonTitled(picker, title);
        ASSERT_NE(button, nullptr);
        button->performClick();
        EXPECT_EQ(session.clipboard(), title);
        EXPECT_EQ(session.host.pasteboard().itemCount(), 1u);
        session.host.advance(1.0);
    }
    EXPECT_EQ(session.host.pasteboard().stringForType("public.html"), std::nullopt);
}

TEST(CopyTest, TheWindowStaysOpenFor300MillisecondsAndThenCloses) {
    PickerSession session;
    const Picker picker = session.openPicker();
    const std::weak_ptr<platform::Window> window = picker.window->weak_from_this();
    picker.buttons()[0]->performClick();
    EXPECT_TRUE(picker.window->isVisible());
    session.host.advance(0.29);
    ASSERT_FALSE(window.expired());
    EXPECT_TRUE(picker.window->isVisible());
    session.host.advance(0.01);
    EXPECT_TRUE(window.expired());
    EXPECT_TRUE(session.application.windows().empty());
    EXPECT_EQ(session.clipboard(), utf8("1F600"));  // outlives the picker
}

TEST(CopyTest, TwoClicksATenthApartLeaveTheSecondAndCloseAfterTheFirst) {
    PickerSession session;
    const Picker picker = session.openPicker();
    const std::weak_ptr<platform::Window> window = picker.window->weak_from_this();
    picker.buttons()[0]->performClick();
    session.host.advance(0.1);
    picker.buttons()[1]->performClick();
    EXPECT_EQ(session.clipboard(), picker.buttons()[1]->title());
    session.host.advance(0.2);
    EXPECT_TRUE(window.expired());
    session.host.advance(0.2);  // the second close finds nothing to do
    EXPECT_EQ(session.clipboard(), utf8("1F603"));
}

TEST(CopyTest, ACopyClosesTheWindowOfTheClickedButtonNotTheNewest) {
    PickerSession session;
    const Picker older = session.openPicker();
    const Picker newer = session.openPicker();
    older.buttons()[0]->performClick();
    session.host.advance(0.3);
    ASSERT_EQ(session.application.windows().size(), 1u);
    EXPECT_EQ(session.application.windows().front().get(), newer.window);
}

TEST(CopyTest, AWindowClosedByTheUserMeanwhileIsReleasedAndTheCloseDoesNothing) {
    PickerSession session;
    const Picker picker = session.openPicker();
    const std::weak_ptr<platform::Window> window = picker.window->weak_from_this();
    picker.buttons()[0]->performClick();
    picker.window->close();
    EXPECT_TRUE(window.expired());
    const Picker next = session.openPicker();
    session.host.advance(0.3);
    EXPECT_TRUE(next.window->isVisible());
}

TEST(CopyTest, AButtonOutsideAnyViewCopiesAndClosesWithoutAFlash) {
    PickerSession session;
    session.openPicker();
    platform::Button loose(Rect{0, 0, 44, 44});
    loose.setTitle(utf8("1F986"));
    session.zindo.emojiButtonClicked(loose);
    EXPECT_EQ(session.clipboard(), utf8("1F986"));
    EXPECT_FALSE(session.application.mainQueue().isAnimating());
    session.host.advance(0.3);
    EXPECT_TRUE(session.application.windows().empty());
}

TEST(FlashTest, ACheckMarkFadesInOverTheButtonAndOutAgainThenLeaves) {
    PickerSession session;
    const Picker picker = session.openPicker();
    platform::Button* button = picker.buttons()[9];  // second row, second column
    const Rect frame = button->frame();
    button->performClick();

    const platform::View& document = picker.document();
    ASSERT_EQ(document.subviews().size(), 933u);
    const platform::TextField* label = flashLabel(document);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->frame(), Rect(frame.origin.x + 10, frame.origin.y + 10, 24, 24));
    EXPECT_EQ(label->stringValue(), utf8("2705"));
    EXPECT_FALSE(label->isEditable());
    EXPECT_FALSE(label->isBordered());
    EXPECT_EQ(label->backgroundColor(), platform::Color::clear);
    EXPECT_EQ(label->font().pointSize, 20.0);
    EXPECT_EQ(label->alignment(), platform::TextAlignment::center);
    EXPECT_EQ(label->alphaValue(), 0.0);

    session.host.advance(0.075);
    EXPECT_GT(label->alphaValue(), 0.0);
    EXPECT_LT(label->alphaValue(), 1.0);
    session.host.advance(0.075);
    EXPECT_EQ(label->alphaValue(), 1.0);
    session.host.advance(0.075);
    EXPECT_LT(label->alphaValue(), 1.0);
    EXPECT_EQ(document.subviews().size(), 933u);
}

TEST(FlashTest, ForTheOriginThePointIsTheFramesCornerAndTwoFlashesLeaveOnTheirOwnTime) {
    PickerSession session;
    // Kept open by a scroll view of its own, so the close cannot take it.
    platform::ScrollView keeper;
    keeper.setDocumentView(std::make_shared<platform::View>(Rect{0, 0, 440, 100}));
    platform::View& view = *keeper.documentView();
    session.zindo.showGreenFlash({0.0, 0.0}, view);
    EXPECT_EQ(view.subviews().back()->frame(), Rect(10, 10, 24, 24));
    session.host.advance(0.1);
    session.zindo.showGreenFlash({12.0, 12.0}, view);
    EXPECT_EQ(view.subviews().back()->frame(), Rect(22, 22, 24, 24));
    EXPECT_EQ(view.subviews().size(), 2u);
    session.host.advance(0.2);
    EXPECT_EQ(view.subviews().size(), 1u);
    EXPECT_EQ(view.subviews().front()->frame(), Rect(22, 22, 24, 24));
    session.host.advance(0.1);
    EXPECT_TRUE(view.subviews().empty());
}

TEST(FlashTest, TheSequenceRunsToItsEndAfterARebuildOrAClosedWindow) {
    PickerSession session;
    const Picker picker = session.openPicker();
    picker.buttons()[0]->performClick();
    const std::shared_ptr<platform::View> oldDocument = picker.scrollView->documentView();
    const std::shared_ptr<platform::View> label = oldDocument->subviews().back();
    picker.type("dog");
    session.host.advance(0.15);
    EXPECT_EQ(label->alphaValue(), 1.0);
    session.host.advance(0.15);
    EXPECT_EQ(label->alphaValue(), 0.0);
    EXPECT_EQ(label->superview(), nullptr);
    EXPECT_EQ(oldDocument->subviews().size(), 932u);
    EXPECT_FALSE(session.application.mainQueue().isAnimating());
    EXPECT_EQ(session.application.mainQueue().pendingWorkCount(), 0u);
}

}  // namespace
}  // namespace zindo
