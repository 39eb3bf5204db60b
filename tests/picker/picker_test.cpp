// Opening a picker, and typing in its search field: the order of the build,
// the two rebuilds an edit makes, ending a search, and which grid an edit reaches.
#include <gtest/gtest.h>

#include "app/picker_session.h"

namespace zindo {
namespace {

using testing::expectedTitles;
using testing::Picker;
using testing::PickerSession;

TEST(PickerWindowTest, EachClickShowsANewPickerWithItsFullGridThenActivatesTheProgram) {
    {
        PickerSession buttonless(platform::testing::TestingHost::StatusItems::withoutButton);
        buttonless.zindo.duckClicked();  // a status item without a button breaks nothing
        EXPECT_EQ(buttonless.application.windows().size(), 1u);
    }
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
    const auto second = session.openPicker();
    EXPECT_NE(first.window, second.window);
    EXPECT_EQ(session.host.activations(), 2);
    EXPECT_EQ(session.zindo.scrollView().get(), second.scrollView);
    EXPECT_EQ(session.zindo.searchField().get(), second.searchField);
}

// Each rebuild detaches the old document and attaches a new one.
std::uint64_t rebuildsOf(const Picker& picker) { return picker.scrollView->documentGeneration() / 2; }

TEST(SearchInputTest, AnEditRebuildsTwiceDelegateFirstWithTheTextAsItStands) {
    PickerSession session;
    // Observing before the picker's own observer exists, this sees the grid after the delegate's rebuild alone.
    const Picker* edited = nullptr;
    std::vector<std::string> afterDelegate;
    session.application.notificationCenter().addObserver(platform::kControlTextDidChangeNotification, nullptr,
                                                         [&](const auto&) { afterDelegate = edited->titles(); });
    const Picker picker = session.openPicker();
    edited = &picker;
    for (const std::string term : {"Dog", " dog"}) {  // spaces are kept
        const std::uint64_t before = rebuildsOf(picker);
        picker.type(term);
        EXPECT_EQ(rebuildsOf(picker) - before, 2u) << term;
        EXPECT_EQ(afterDelegate, expectedTitles(term)) << term;
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
    for (platform::View* sender : {static_cast<platform::View*>(older.credits), static_cast<platform::View*>(nullptr),
                                   static_cast<platform::View*>(&looseField)}) {
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
