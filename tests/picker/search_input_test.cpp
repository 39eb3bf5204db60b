// Typing in a picker's search field: the term, the two rebuilds, ending a
// search, and which grid an edit reaches.
#include <gtest/gtest.h>

#include "app/picker_session.h"
#include "emoji_literal.h"

namespace zindo {
namespace {

using testing::expectedTitles;
using testing::Picker;
using testing::PickerSession;
using testing::utf8;

// Each rebuild detaches the old document and attaches a new one.
std::uint64_t rebuildsOf(const Picker& picker) { return picker.scrollView->documentGeneration() / 2; }

// Stands between the field and ZindoApp to see the grid after the delegate's rebuild alone.
class DelegateProbe : public platform::SearchFieldDelegate {
public:
    DelegateProbe(ZindoApp& zindo, const Picker& picker) : zindo_(zindo), picker_(picker) {}
    void controlTextDidChange(const platform::Notification& notification) override {
        zindo_.controlTextDidChange(notification);
        titlesAfterDelegate = picker_.titles();
    }
    void searchFieldDidEndSearching(platform::SearchField& sender) override {
        zindo_.searchFieldDidEndSearching(sender);
    }
    std::vector<std::string> titlesAfterDelegate;

private:
    ZindoApp& zindo_;
    const Picker& picker_;
};

TEST(SearchInputTest, AnEditRebuildsTwiceWithTheLowerCasedTextAsItStands) {
    PickerSession session;
    const Picker picker = session.openPicker();
    DelegateProbe probe(session.zindo, picker);
    picker.searchField->setDelegate(&probe);
    const std::uint64_t before = rebuildsOf(picker);

    picker.type("Dog");
    EXPECT_EQ(rebuildsOf(picker) - before, 2u);
    EXPECT_EQ(picker.titles(), expectedTitles("dog"));
    EXPECT_EQ(probe.titlesAfterDelegate, picker.titles());
    EXPECT_FALSE(picker.titles().empty());

    const struct {
        std::string typed;
        std::string term;
    } cases[] = {
        {" dog", " dog"},           // spaces are kept
        {"SMILE", "smile"},         // any case
        {"\xC4\xB0", "i\xCC\x87"},  // İ lower-cases to i + U+0307 whatever the locale
        {utf8("1F600"), utf8("1F600")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        picker.type(c.typed);
        EXPECT_EQ(picker.titles(), expectedTitles(c.term));
    }
    EXPECT_EQ(picker.searchField->stringValue(), utf8("1F600"));
}

TEST(SearchInputTest, ClearingAndEndingTheSearchBringBackAll932) {
    PickerSession session;
    const Picker picker = session.openPicker();
    picker.type("dog");
    picker.searchField->userDidCancelSearch();
    EXPECT_EQ(picker.searchField->stringValue(), "");
    EXPECT_EQ(picker.buttons().size(), 932u);

    // Ending a search shows everything even while the field still holds text.
    picker.type("dog");
    session.zindo.searchFieldDidEndSearching(*picker.searchField);
    EXPECT_EQ(picker.searchField->stringValue(), "dog");
    EXPECT_EQ(picker.buttons().size(), 932u);
}

TEST(SearchInputTest, NotificationsFromAnythingButAnOpenPickersFieldChangeNothing) {
    PickerSession session;
    platform::SearchField looseField;
    looseField.setStringValue("dog");
    // Before any picker opened.
    session.zindo.controlTextDidChange({platform::kControlTextDidChangeNotification, &looseField});
    session.zindo.searchFieldDidEndSearching(looseField);

    const Picker picker = session.openPicker();
    picker.type("dog");
    const std::uint64_t before = rebuildsOf(picker);
    auto& center = session.application.notificationCenter();
    center.post({platform::kControlTextDidChangeNotification, picker.credits});
    center.post({platform::kControlTextDidChangeNotification, nullptr});
    session.zindo.controlTextDidChange({platform::kControlTextDidChangeNotification, nullptr});
    session.zindo.controlTextDidChange({platform::kControlTextDidChangeNotification, picker.credits});
    session.zindo.controlTextDidChange({platform::kControlTextDidChangeNotification, &looseField});
    EXPECT_EQ(rebuildsOf(picker), before);
    EXPECT_EQ(picker.titles(), expectedTitles("dog"));
}

TEST(SearchInputTest, WithTwoPickersOpenAnEditRebuildsTheGridOfTheEditedWindow) {
    PickerSession session;
    const Picker older = session.openPicker();
    const Picker newer = session.openPicker();
    older.type("cat");
    EXPECT_EQ(older.titles(), expectedTitles("cat"));
    EXPECT_EQ(newer.buttons().size(), 932u);
    newer.type("dog");
    EXPECT_EQ(older.titles(), expectedTitles("cat"));
    EXPECT_EQ(newer.titles(), expectedTitles("dog"));

    newer.window->close();
    older.type("heart");
    EXPECT_EQ(older.titles(), expectedTitles("heart"));
}

TEST(SearchInputTest, ClosingAPickerReleasesItsWindowViewsAndObserver) {
    PickerSession session;
    const Picker picker = session.openPicker();
    const std::weak_ptr<platform::Window> window = picker.window->weak_from_this();
    const std::weak_ptr<platform::View> field = picker.searchField->weak_from_this();
    const std::weak_ptr<platform::View> document = picker.scrollView->documentView();
    picker.type("dog");
    picker.window->close();

    EXPECT_TRUE(window.expired());
    EXPECT_TRUE(field.expired());
    EXPECT_TRUE(document.expired());
    EXPECT_EQ(session.zindo.scrollView(), nullptr);
    EXPECT_EQ(session.zindo.searchField(), nullptr);
    EXPECT_EQ(session.application.notificationCenter().observerCount(), 0u);
    EXPECT_TRUE(session.application.windows().empty());
}

}  // namespace
}  // namespace zindo
