// A launched ZindoApp on the testing host, with the reach into a picker's
// views that the tests need.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/zindo_app.h"
#include "catalogue/catalogue.h"
#include "catalogue/search_filter.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/testing/testing_host.h"
#include "platform/window.h"

namespace zindo::testing {

using platform::testing::TestingHost;

struct Picker {
    platform::Window* window = nullptr;
    platform::SearchField* searchField = nullptr;
    platform::ScrollView* scrollView = nullptr;
    platform::TextField* credits = nullptr;

    platform::View& document() const { return *scrollView->documentView(); }

    // The grid's buttons, in subview order; the flash's labels are left out.
    std::vector<platform::Button*> buttons() const {
        std::vector<platform::Button*> found;
        for (const auto& view : document().subviews()) {
            if (auto* button = dynamic_cast<platform::Button*>(view.get())) found.push_back(button);
        }
        return found;
    }

    std::vector<std::string> titles() const {
        std::vector<std::string> found;
        for (const platform::Button* button : buttons()) found.push_back(button->title());
        return found;
    }

    void type(std::string_view text) const { searchField->userDidEditText(text); }
};

// What the grid must show for a term, straight from the filter.
inline std::vector<std::string> expectedTitles(std::string_view term) {
    const std::vector<EmojiString> found = filteredEmojis(term, buildCatalogue());
    return {found.begin(), found.end()};
}

class PickerSession {
public:
    PickerSession() {
        application.setDelegate(&zindo);
        application.run();
    }

    // Clicks the duck; the new window's parts are found by their place in its content view.
    Picker openPicker() {
        zindo.statusItem()->button()->performClick();
        return pickerOf(*application.windows().back());
    }

    static Picker pickerOf(platform::Window& window) {
        const auto& subviews = window.contentView()->subviews();
        EXPECT_EQ(subviews.size(), 3u);
        return Picker{&window, dynamic_cast<platform::SearchField*>(subviews.at(0).get()),
                      dynamic_cast<platform::ScrollView*>(subviews.at(1).get()),
                      dynamic_cast<platform::TextField*>(subviews.at(2).get())};
    }

    std::optional<std::string> clipboard() { return host.pasteboard().stringForType(platform::kPasteboardTypeString); }

    TestingHost host;
    platform::Application application{host};
    ZindoApp zindo;
};

}  // namespace zindo::testing
