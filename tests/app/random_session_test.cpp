// Ten thousand random steps of a user who opens, types, clears, clicks,
// waits and closes, with the invariants checked after every step.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "app/picker_session.h"
#include "catalogue/unicode_text.h"
#include "emoji_literal.h"

namespace zindo {
namespace {

using testing::Picker;
using testing::PickerSession;
using testing::utf8;

class RandomSession {
public:
    explicit RandomSession(std::uint32_t seed) : random_(seed) {}

    void step() {
        const int choice = pick(0, 99);
        if (choice < 6 || session_.application.windows().empty()) {
            if (session_.application.windows().size() < 4) open();
        } else if (choice < 50) {
            randomPicker().type(randomText());
        } else if (choice < 56) {
            randomPicker().searchField->userDidCancelSearch();
        } else if (choice < 72) {
            click(randomPicker());
        } else if (choice < 96) {
            session_.host.advance(pick(0, 200) / 1000.0);
        } else {
            randomPicker().window->close();
        }
    }

    void checkInvariants() {
        for (const auto& window : session_.application.windows()) {
            const Picker picker = PickerSession::pickerOf(*window);
            const std::vector<std::string>& expected = expectedFor(picker.searchField->stringValue());
            const auto buttons = picker.buttons();
            ASSERT_EQ(buttons.size(), expected.size()) << "text: " << picker.searchField->stringValue();
            for (std::size_t i = 0; i < buttons.size(); ++i) {
                ASSERT_EQ(buttons[i]->title(), expected[i]);
            }
        }
        if (lastCopied_) {
            ASSERT_EQ(session_.clipboard(), *lastCopied_);
        }
        const double now = session_.host.now();
        for (const auto& [label, shownAt] : labels_) {
            if (now - shownAt > 0.3 + 1e-9) {
                ASSERT_TRUE(label.expired()) << "a check mark outlived 0.3 s";
            }
        }
        std::erase_if(labels_, [](const auto& entry) { return entry.first.expired(); });
        for (const auto& window : opened_) {
            const bool open = !window.expired() && window.lock()->isVisible();
            if (!open) {
                ASSERT_TRUE(window.expired()) << "a closed window is still held";
            }
        }
        std::erase_if(opened_, [](const auto& window) { return window.expired(); });
        ASSERT_EQ(session_.application.notificationCenter().observerCount(), session_.application.windows().size());
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void open() {
        session_.openPicker();
        opened_.push_back(session_.application.windows().back());
    }

    Picker randomPicker() {
        const auto& windows = session_.application.windows();
        return PickerSession::pickerOf(
            *windows[static_cast<std::size_t>(pick(0, static_cast<int>(windows.size()) - 1))]);
    }

    void click(const Picker& picker) {
        const auto buttons = picker.buttons();
        if (buttons.empty()) return;
        platform::Button* button = buttons[static_cast<std::size_t>(pick(0, static_cast<int>(buttons.size()) - 1))];
        lastCopied_ = button->title();
        button->performClick();
        labels_.emplace_back(picker.document().subviews().back(), session_.host.now());
    }

    std::string randomText() {
        static const std::string pieces[] = {"a",           "e",
                                             "o",           "s",
                                             "t",           "r",
                                             "n",           "D",
                                             "O",           "G",
                                             " ",           "1",
                                             "2",           "4",
                                             "face",        "heart",
                                             "cat",         "\xC3\xA9",
                                             "e\xCC\x81",   "\xC4\xB0",
                                             "\xCE\xA3",    "\xE1\xBA\x9E",
                                             utf8("1F600"), utf8("2764"),
                                             utf8("FE0F"),  utf8("200D"),
                                             utf8("1F468"), utf8("1F3FB"),
                                             utf8("20E3"),  "#"};
        std::string text;
        for (int count = pick(0, 4); count > 0; --count) text += pieces[pick(0, std::size(pieces) - 1)];
        return text;
    }

    const std::vector<std::string>& expectedFor(const std::string& text) {
        auto found = expected_.find(text);
        if (found == expected_.end())
            found = expected_.emplace(text, testing::expectedTitles(unicode::toLower(text))).first;
        return found->second;
    }

    std::mt19937 random_;
    PickerSession session_;
    std::optional<std::string> lastCopied_;
    std::vector<std::pair<std::weak_ptr<platform::View>, double>> labels_;
    std::vector<std::weak_ptr<platform::Window>> opened_;
    std::map<std::string, std::vector<std::string>> expected_;
};

TEST(RandomSessionTest, TenThousandStepsKeepEveryGridClipboardFlashAndWindowRight) {
    RandomSession session(20261206);
    for (int step = 0; step < 10'000; ++step) {
        session.step();
        session.checkInvariants();
        if (::testing::Test::HasFatalFailure()) FAIL() << "at step " << step;
    }
}

}  // namespace
}  // namespace zindo
