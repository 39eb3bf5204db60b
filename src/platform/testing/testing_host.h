// The deterministic host the tests run on: a manual clock, an in-memory
// pasteboard, a status bar whose items have a button each.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/host.h"
#include "platform/pasteboard.h"
#include "platform/status_bar.h"
#include "platform/text_insertion.h"

namespace zindo::platform::testing {

class ManualClock : public Clock {
public:
    double now() const override { return now_; }
    void set(double now) { now_ = now; }

private:
    double now_ = 0.0;
};

class InMemoryPasteboard : public Pasteboard {
public:
    void clearContents() override;
    bool setString(std::string_view text, std::string_view type) override;
    std::optional<std::string> stringForType(std::string_view type) const override;
    std::size_t itemCount() const { return items_.size(); }

private:
    std::map<std::string, std::string, std::less<>> items_;
};

// Keeps what it was asked to type, for which picker.
class RecordingTextInsertion : public TextInsertion {
public:
    struct Insertion {
        const Window* picker;
        std::string text;
    };
    void insertOnceClosed(const Window& picker, std::string_view text) override {
        insertions_.push_back({&picker, std::string(text)});
    }
    const std::vector<Insertion>& insertions() const { return insertions_; }

private:
    std::vector<Insertion> insertions_;
};

class TestStatusBar : public StatusBar {
public:
    std::shared_ptr<StatusItem> statusItemWithLength(double length) override {
        return std::make_shared<StatusItem>(length, std::make_shared<Button>());
    }
};

class TestingHost : public Host {
public:
    const Clock& clock() const override { return clock_; }
    StatusBar& systemStatusBar() override { return statusBar_; }
    Pasteboard& generalPasteboard() override { return pasteboard_; }
    TextInsertion& textInsertion() override { return insertion_; }
    Rect screenFrame() const override { return Rect{0.0, 0.0, 1920.0, 1080.0}; }
    // Finishes launching and returns: the test goes on as the user.
    void run(Application& application) override;
    void windowDidOrderFront(Window& window) override;
    void windowDidClose(Window& window) override;
    void activateIgnoringOtherApps() override { ++activations_; }

    // What the desktop would do as a window comes to the front, or closes.
    void onWindowShown(std::function<void(Window&)> shown) { shown_ = std::move(shown); }
    void onWindowClosed(std::function<void(Window&)> closed) { closed_ = std::move(closed); }
    // Moves time on, running delayed work and animation completions as their
    // deadlines pass, in deadline order, each at its own deadline.
    void advance(double seconds);
    double now() const { return clock_.now(); }

    InMemoryPasteboard& pasteboard() { return pasteboard_; }
    const RecordingTextInsertion& insertion() const { return insertion_; }
    int activations() const { return activations_; }

private:
    ManualClock clock_;
    TestStatusBar statusBar_;
    InMemoryPasteboard pasteboard_;
    RecordingTextInsertion insertion_;
    std::function<void(Window&)> shown_;
    std::function<void(Window&)> closed_;
    int activations_ = 0;
};

}  // namespace zindo::platform::testing
