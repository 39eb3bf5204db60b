#include "platform/qt/insert_after_close.h"

#include <QString>
#include <algorithm>
#include <cstdio>

namespace zindo::platform::qt {
namespace {

// How long the window that had the keyboard may take to have it back.
constexpr double kRegainSeconds = 1.0;
// Often enough that the text is in within a few milliseconds of the focus.
constexpr int kPollMs = 5;

}  // namespace

InsertAfterClose::InsertAfterClose(const Clock& clock, std::function<Choice()> choose)
    : clock_(clock), choose_(std::move(choose)) {
    pollTimer_.setInterval(kPollMs);
    QObject::connect(&pollTimer_, &QTimer::timeout, [this] { poll(); });
}

Typist* InsertAfterClose::typist() {
    if (!chosen_) {
        chosen_ = true;
        Choice choice = choose_();
        typist_ = std::move(choice.typist);
        whyNone_ = std::move(choice.whyNone);
    }
    return typist_.get();
}

void InsertAfterClose::expectPicker() {
    expecting_ = true;
    expected_.reset();
    Typist* session = typist();
    if (session == nullptr) return;
    expected_ = session->focusedWindow();
    if (expected_ == nullptr || !expected_->isOurs()) return;
    // The shortcut pressed again over its own picker, which the new one replaces.
    const auto asked =
        std::find_if(open_.rbegin(), open_.rend(), [](const auto& open) { return open.second.target != nullptr; });
    expected_ = asked != open_.rend() ? std::move(asked->second.target) : nullptr;
}

void InsertAfterClose::pickerShown(const Window& picker) {
    if (!expecting_) return;
    expecting_ = false;
    open_.emplace_back(&picker, Insertion{std::move(expected_), {}, 0.0});
}

void InsertAfterClose::expectNoMore() {
    expecting_ = false;
    expected_.reset();
}

void InsertAfterClose::insertOnceClosed(const Window& picker, std::string_view text) {
    const auto open = std::find_if(open_.begin(), open_.end(), [&](const auto& each) { return each.first == &picker; });
    if (open == open_.end()) return;
    if (typist_ == nullptr) {
        tellWhyNot(whyNone_);
        return;
    }
    const QList<uint> scalars = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4();
    open->second.text.assign(scalars.begin(), scalars.end());
}

void InsertAfterClose::pickerClosed(const Window& picker) {
    const auto open = std::find_if(open_.begin(), open_.end(), [&](const auto& each) { return each.first == &picker; });
    if (open == open_.end()) return;
    Insertion insertion = std::move(open->second);
    open_.erase(open);
    // Closed without a choice, or with no window to type into: nothing is typed.
    if (insertion.text.empty() || insertion.target == nullptr) return;
    insertion.closedAt = clock_.now();
    waiting_.push_back(std::move(insertion));
    pollTimer_.start();
    poll();
}

void InsertAfterClose::poll() {
    const double now = clock_.now();
    std::erase_if(waiting_, [&](Insertion& insertion) {
        if (insertion.target->hasKeyboard()) {
            if (!insertion.target->type(insertion.text)) tellWhyNot("its keys could not be had");
            return true;
        }
        return now - insertion.closedAt >= kRegainSeconds;
    });
    if (waiting_.empty()) pollTimer_.stop();
}

void InsertAfterClose::tellWhyNot(const std::string& why) {
    if (toldWhyNot_) return;
    toldWhyNot_ = true;
    std::fprintf(stderr, "zindozindo: the emoji is on the clipboard but was not typed: %s\n", why.c_str());
}

}  // namespace zindo::platform::qt
