// Opening a picker and typing in it: where the buttons go, the order of the
// build, an edit's two rebuilds, ending a search, and which grid an edit reaches.
#include <gtest/gtest.h>

#include "app/picker_session.h"
#include "grid/grid_layout.h"

namespace zindo {
namespace {

using grid::GridLayout;
using grid::gridLayout;
using platform::Rect;
using testing::expectedTitles;
using testing::Picker;
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

TEST(PickerWindowTest, EachClickShowsANewPickerWithItsFullGridThenActivatesTheProgramAndEachBuildIsNew) {
    PickerSession session;
    std::size_t buttonsWhenShown = 0;
    int activationsWhenShown = -1;
    session.host.onWindowShown([&](platform::Window& window) {
        buttonsWhenShown = PickerSession::pickerOf(window).buttons().size();
        activationsWhenShown = session.host.activations();
    });
    const auto first = session.openPicker();
    EXPECT_EQ(buttonsWhenShown, 932u);
    EXPECT_EQ(activationsWhenShown, 0);
    EXPECT_EQ(first.document().frame(), Rect(0, 0, 440, 6108));
    EXPECT_EQ(first.titles(), expectedTitles(""));
    const platform::Button& last = *first.buttons().back();
    EXPECT_EQ(last.frame(), Rect(168, 12, 44, 44));
    EXPECT_EQ(last.font().pointSize, 28.0);
    const auto second = session.openPicker();
    EXPECT_NE(first.window, second.window);
    EXPECT_EQ(session.host.activations(), 2);
    EXPECT_EQ(session.zindo.scrollView().get(), second.scrollView);
    EXPECT_EQ(session.zindo.searchField().get(), second.searchField);

    // Each build replaces the document, and describes each button as the tool tip and screen readers give it.
    const std::weak_ptr<platform::View> document = second.scrollView->documentView();
    session.zindo.createEmojiGrid(*second.scrollView, "puppy");
    EXPECT_TRUE(document.expired());
    ASSERT_EQ(second.titles(), (std::vector<std::string>{"\U0001F97A", "\U0001F436"}));
    EXPECT_EQ(second.buttons()[1]->toolTip(), "\U0001F436, dog, puppy, pet, face, animal");
    session.zindo.createEmojiGrid(*second.scrollView, "zzq");
    EXPECT_EQ(second.document().frame(), Rect(0, 0, 440, 100));
    EXPECT_TRUE(second.document().subviews().empty());
}

// Each rebuild detaches the old document and attaches a new one.
std::uint64_t rebuildsOf(const Picker& picker) { return picker.scrollView->documentGeneration() / 2; }

TEST(SearchInputTest, AnEditRebuildsTwiceWithTheTextAsItStands) {
    PickerSession session;
    const Picker picker = session.openPicker();
    for (const std::string term : {"Dog", " dog"}) {  // spaces are kept
        const std::uint64_t before = rebuildsOf(picker);
        picker.type(term);
        EXPECT_EQ(rebuildsOf(picker) - before, 2u) << term;
        EXPECT_EQ(picker.titles(), expectedTitles(term)) << term;
    }
    // Clearing the field, or ending the search even with text left in it, brings back all 932.
    picker.searchField->userDidCancelSearch();
    EXPECT_EQ(picker.searchField->stringValue(), "");
    EXPECT_EQ(picker.buttons().size(), 932u);
    picker.type("dog");
    session.zindo.searchFieldDidEndSearching(*picker.searchField);
    EXPECT_EQ(picker.buttons().size(), 932u);
}

TEST(SearchInputTest, AnEditReachesTheGridOfItsOwnPickerAndAClosedPickerLetsGoOfEverything) {
    PickerSession session;
    platform::SearchField looseField({}, session.application.notificationCenter());
    looseField.setStringValue("dog");
    session.zindo.controlTextDidChange({platform::kControlTextDidChangeNotification, &looseField});
    session.zindo.searchFieldDidEndSearching(looseField);  // before any picker opened

    const Picker older = session.openPicker();
    const Picker newer = session.openPicker();
    older.type("cat");
    newer.type("dog");
    const std::uint64_t before = rebuildsOf(older);
    for (platform::View* sender : std::initializer_list<platform::View*>{older.credits, nullptr, &looseField}) {
        session.application.notificationCenter().post({platform::kControlTextDidChangeNotification, sender});
        session.zindo.controlTextDidChange({platform::kControlTextDidChangeNotification, sender});
    }
    EXPECT_EQ(rebuildsOf(older), before);
    EXPECT_EQ(older.titles(), expectedTitles("cat"));
    EXPECT_EQ(newer.titles(), expectedTitles("dog"));

    const std::weak_ptr<platform::Window> window = newer.window->weak_from_this();
    const std::weak_ptr<platform::View> document = newer.scrollView->documentView();
    newer.window->close();
    EXPECT_TRUE(window.expired());
    EXPECT_TRUE(document.expired());
    EXPECT_EQ(session.zindo.searchField(), nullptr);
    EXPECT_EQ(session.application.notificationCenter().observerCount(), 1u);
    older.type("heart");
    EXPECT_EQ(older.titles(), expectedTitles("heart"));
}

}  // namespace
}  // namespace zindo
