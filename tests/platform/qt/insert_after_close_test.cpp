#include "platform/qt/insert_after_close.h"

#include <gtest/gtest.h>

#include "platform/qt/insertion_method.h"
#include "platform/testing/testing_host.h"
#include "platform/window.h"

namespace zindo::platform::qt {
namespace {

// A desktop of named windows, one of which has the keyboard.
struct FakeDesktop {
    std::string focused = "editor";
    std::vector<std::pair<std::string, std::u32string>> typed;
};

class FakeWindow : public FocusedWindow {
public:
    FakeWindow(FakeDesktop& desktop, std::string name) : desktop_(desktop), name_(std::move(name)) {}
    bool isOurs() override { return name_.starts_with("picker"); }
    bool hasKeyboard() override { return desktop_.focused == name_; }
    bool type(std::u32string_view scalars) override {
        desktop_.typed.emplace_back(desktop_.focused, scalars);
        return true;
    }

private:
    FakeDesktop& desktop_;
    std::string name_;
};

class FakeTypist : public Typist {
public:
    explicit FakeTypist(FakeDesktop& desktop) : desktop_(desktop) {}
    std::unique_ptr<FocusedWindow> focusedWindow() override {
        return std::make_unique<FakeWindow>(desktop_, desktop_.focused);
    }

private:
    FakeDesktop& desktop_;
};

class NoWindows : public WindowServer {
public:
    Rect screenFrame() const override { return {}; }
    void windowDidOrderFront(Window&) override {}
    void windowDidClose(Window&) override {}
};

struct Session {
    FakeDesktop desktop;
    testing::ManualClock clock;
    InsertAfterClose insertion{clock, [this] { return typist(); }};
    NoWindows server;

    InsertAfterClose::Choice typist() { return {std::make_unique<FakeTypist>(desktop), {}}; }

    std::shared_ptr<Window> openPicker(bool insert, std::string name) {
        if (insert) insertion.expectPicker();
        auto window = Window::create(server, {0, 0, 500, 580}, 11, BackingStore::buffered, false);
        insertion.pickerShown(*window);
        desktop.focused = std::move(name);
        return window;
    }
    // The picker goes, and after `later` seconds the window manager focuses `next`.
    void close(const Window& picker, double later, std::string next) {
        desktop.focused = "";
        insertion.pickerClosed(picker);
        clock.set(clock.now() + later);
        desktop.focused = std::move(next);
        insertion.poll();
    }
};

TEST(InsertAfterCloseTest, TypesTheLastChoiceOnceTheWindowThatHadTheKeyboardHasItBackAndNowhereElse) {
    Session session;
    const auto picker = session.openPicker(true, "picker");
    session.insertion.insertOnceClosed(*picker, "\U0001F44D");
    session.insertion.insertOnceClosed(*picker, "\U0001F43B\u200D\u2744\uFE0F");  // a second click wins
    session.close(*picker, 0.05, "editor");
    ASSERT_EQ(session.desktop.typed.size(), 1u);
    EXPECT_EQ(session.desktop.typed[0],
              (std::pair<std::string, std::u32string>{"editor", U"\U0001F43B\u200D\u2744\uFE0F"}));
    EXPECT_FALSE(session.insertion.isWaiting());

    // Another window has the keyboard for the whole second: nothing, even when the editor comes later.
    const auto second = session.openPicker(true, "picker");
    session.insertion.insertOnceClosed(*second, "\U0001F986");
    session.close(*second, 0.5, "terminal");
    EXPECT_TRUE(session.insertion.isWaiting());
    session.clock.set(session.clock.now() + 0.5);
    session.insertion.poll();
    EXPECT_FALSE(session.insertion.isWaiting());
    session.desktop.focused = "editor";
    session.insertion.poll();
    EXPECT_EQ(session.desktop.typed.size(), 1u);

    // Closed without a choice, or a picker not asked to insert: nothing.
    const auto dismissed = session.openPicker(true, "picker");
    session.close(*dismissed, 0.01, "editor");
    const auto plain = session.openPicker(false, "picker");
    session.insertion.insertOnceClosed(*plain, "\U0001F986");
    session.close(*plain, 0.01, "editor");
    EXPECT_EQ(session.desktop.typed.size(), 1u);
}

TEST(InsertAfterCloseTest, TheShortcutPressedAgainOverItsPickerKeepsTheWindowThatWasTypedIn) {
    Session session;
    const auto first = session.openPicker(true, "picker-1");
    const auto second = session.openPicker(true, "picker-2");  // asked for while the first has the keyboard
    session.close(*first, 0.0, "picker-2");
    session.insertion.insertOnceClosed(*second, "\U0001F986");
    session.close(*second, 0.02, "editor");
    ASSERT_EQ(session.desktop.typed.size(), 1u);
    EXPECT_EQ(session.desktop.typed[0].first, "editor");
}

TEST(InsertionMethodTest, EachSessionTypesTheWayItOffersOrSaysWhyNot) {
    const struct {
        SessionFacts session;
        InsertionMethod method;
    } cases[] = {
        {{.platform = "xcb", .xtest = true}, InsertionMethod::xtest},
        {{.platform = "xcb"}, InsertionMethod::none},
        {{.platform = "wayland", .desktop = "sway", .virtualKeyboard = true, .foreignToplevels = true},
         InsertionMethod::virtualKeyboard},
        // Without knowing which window has the keyboard, the emoji could land in another.
        {{.platform = "wayland", .virtualKeyboard = true}, InsertionMethod::none},
        {{.platform = "wayland", .desktop = "ubuntu:GNOME"}, InsertionMethod::none},
        {{.platform = "offscreen", .xtest = true}, InsertionMethod::none},
    };
    for (const auto& c : cases) {
        const InsertionChoice choice = chooseInsertionMethod(c.session);
        EXPECT_EQ(choice.method, c.method) << "case " << &c - cases;
        EXPECT_EQ(choice.whyNone.empty(), c.method != InsertionMethod::none) << "case " << &c - cases;
    }
    EXPECT_NE(chooseInsertionMethod({.platform = "wayland", .desktop = "ubuntu:GNOME"}).whyNone.find("GNOME"),
              std::string::npos);
}

}  // namespace
}  // namespace zindo::platform::qt
