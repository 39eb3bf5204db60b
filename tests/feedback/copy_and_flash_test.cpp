// A click on an emoji: the clipboard, the check mark's fade, and the close.
#include <gtest/gtest.h>

#include "app/picker_session.h"

namespace zindo {
namespace {

using platform::Rect;
using testing::Picker;
using testing::PickerSession;

TEST(CopyTest, AClickCopiesExactlyTheTitleFadesACheckMarkInAndOutAndClosesThePicker300MillisecondsAfterIt) {
    PickerSession session;
    session.host.pasteboard().setString("<b>earlier</b>", "public.html");
    const Picker older = session.openPicker();
    const Picker newer = session.openPicker();
    const std::weak_ptr<platform::Window> window = older.window->weak_from_this();
    platform::Button& clicked = *older.buttons().at(131);
    clicked.performClick();
    EXPECT_EQ(session.clipboard(), "\U0001F441\uFE0F\u200D\U0001F5E8\uFE0F");
    EXPECT_EQ(session.host.pasteboard().itemCount(), 1u);
    // Typed too, for a picker asked to: the same exact title, for the clicked picker's window.
    ASSERT_EQ(session.host.insertion().insertions().size(), 1u);
    EXPECT_EQ(session.host.insertion().insertions()[0].picker, older.window);
    EXPECT_EQ(session.host.insertion().insertions()[0].text, *session.clipboard());
    const auto label = std::dynamic_pointer_cast<platform::TextField>(older.document().subviews().back());
    ASSERT_NE(label, nullptr);
    const Rect frame = clicked.frame();
    EXPECT_EQ(label->frame(), Rect(frame.origin.x + 10, frame.origin.y + 10, 24, 24));
    EXPECT_EQ(label->stringValue(), "\u2705");
    EXPECT_EQ(label->font().pointSize, 20.0);
    const struct {
        double at, low, high;
    } fades[] = {{0.0, 0.0, 0.0}, {0.075, 0.01, 0.99}, {0.15, 1.0, 1.0}, {0.225, 0.01, 0.99}, {0.299, 0.0, 0.01}};
    double now = 0.0;
    for (const auto& fade : fades) {
        session.host.advance(fade.at - now);
        now = fade.at;
        EXPECT_GE(label->alphaValue(), fade.low) << fade.at;
        EXPECT_LE(label->alphaValue(), fade.high) << fade.at;
        if (fade.at == 0.075) older.buttons()[0]->performClick();  // a second click does not put the close off
    }
    EXPECT_TRUE(older.window->isVisible());
    session.host.advance(0.001);
    EXPECT_TRUE(window.expired());
    EXPECT_EQ(label->superview(), nullptr) << "gone with its picker";
    EXPECT_EQ(session.application.windows().at(0).get(), newer.window);
    EXPECT_EQ(session.clipboard(), "\U0001F600");  // outlives the picker
}

// Only a cell whose emoji takes a tone offers them, and says so.
TEST(CopyTest, ASkinToneChosenForACellIsCopiedExactlyUnderTheCellsFlashAndClosesThePickerAsAClickDoes) {
    PickerSession session;
    const Picker picker = session.openPicker();
    platform::Button& thumbs = *picker.buttons().at(155);
    ASSERT_EQ(thumbs.title(), "\U0001F44D");
    ASSERT_EQ(thumbs.alternates().size(), 5u);
    EXPECT_EQ(thumbs.alternates()[4].title, "\U0001F44D\U0001F3FF");
    EXPECT_EQ(thumbs.alternates()[4].toolTip, "thumbs up: dark skin tone");
    // Its English words come from the release's CLDR; the note on the tones is ours.
    EXPECT_TRUE(thumbs.toolTip().starts_with("\U0001F44D, thumbs, up, ")) << thumbs.toolTip();
    EXPECT_TRUE(thumbs.toolTip().ends_with("; skin tones: right-click or Menu key")) << thumbs.toolTip();
    EXPECT_TRUE(picker.buttons().at(365)->alternates().empty()) << "the duck";
    thumbs.performAlternateClick(4);
    EXPECT_EQ(session.clipboard(), "\U0001F44D\U0001F3FF");
    EXPECT_EQ(picker.document().subviews().back()->frame().origin.x, thumbs.frame().origin.x + 10);
    session.host.advance(0.299);
    EXPECT_TRUE(picker.window->isVisible());
    session.host.advance(0.001);
    EXPECT_TRUE(session.application.windows().empty());
}

TEST(CopyTest, AWindowClosedMeanwhileIsReleasedAndALooseButtonCopiesWithoutAFlash) {
    PickerSession session;
    const Picker picker = session.openPicker();
    const std::weak_ptr<platform::Window> window = picker.window->weak_from_this();
    picker.buttons()[0]->performClick();
    picker.window->close();
    EXPECT_TRUE(window.expired());
    const Picker next = session.openPicker();
    session.host.advance(0.3);
    EXPECT_TRUE(next.window->isVisible());

    platform::Button loose(Rect{0, 0, 44, 44});
    loose.setTitle("\U0001F986");
    session.zindo.emojiButtonClicked(loose);
    EXPECT_EQ(session.clipboard(), "\U0001F986");
    EXPECT_FALSE(session.application.mainQueue().isAnimating());
    session.host.advance(0.3);  // outside any window: the picker opened last closes
    EXPECT_TRUE(session.application.windows().empty());
}

TEST(FlashTest, EachFlashLeavesOnItsOwnTimeEvenFromADocumentThatARebuildReplaced) {
    PickerSession session;
    const Picker picker = session.openPicker();
    picker.buttons()[0]->performClick();
    const std::shared_ptr<platform::View> oldDocument = picker.scrollView->documentView();
    picker.type("dog");
    session.host.advance(0.1);
    const auto view = std::make_shared<platform::View>(Rect{0, 0, 440, 100});
    session.zindo.showGreenFlash({0.0, 0.0}, *view);
    EXPECT_EQ(view->subviews().back()->frame(), Rect(10, 10, 24, 24));
    session.host.advance(0.2);
    EXPECT_EQ(oldDocument->subviews().size(), 932u);
    EXPECT_EQ(view->subviews().size(), 1u);
    session.host.advance(0.1);
    EXPECT_TRUE(view->subviews().empty());
    EXPECT_EQ(session.application.mainQueue().pendingWorkCount(), 0u);
}

}  // namespace
}  // namespace zindo
