// Typing a picker's choice into the window that had the keyboard when the
// picker was asked for (zindozindo --insert), and only there: once the
// picker has closed, as soon as that window has the keyboard back, and not
// at all if it does not have it within a second.
#pragma once

#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/qt/typist.h"
#include "platform/text_insertion.h"

namespace zindo::platform::qt {

class InsertAfterClose : public TextInsertion {
public:
    // The session's typist, or null and why there is none; asked for once,
    // at the first request to insert.
    struct Choice {
        std::unique_ptr<Typist> typist;
        std::string whyNone;
    };
    InsertAfterClose(const Clock& clock, std::function<Choice()> choose);

    // A request to insert has come: the next picker to show types into the
    // window that has the keyboard now, or, when that is a picker of ours
    // asked to insert, into the window that one was to type into.
    void expectPicker();
    // The picker asked for has shown, or no picker came of the request.
    void pickerShown(const Window& picker);
    void expectNoMore();
    void pickerClosed(const Window& picker);
    void insertOnceClosed(const Window& picker, std::string_view text) override;

    // Types for the closed pickers whose window has the keyboard back, and
    // gives up on those whose second has passed; the timer does it meanwhile.
    void poll();
    bool isWaiting() const { return !waiting_.empty(); }

private:
    struct Insertion {
        std::unique_ptr<FocusedWindow> target;
        std::u32string text;
        double closedAt = 0.0;
    };
    Typist* typist();
    void tellWhyNot(const std::string& why);

    const Clock& clock_;
    std::function<Choice()> choose_;
    std::unique_ptr<Typist> typist_;
    std::string whyNone_;
    bool chosen_ = false;
    bool toldWhyNot_ = false;
    bool expecting_ = false;
    std::unique_ptr<FocusedWindow> expected_;
    std::vector<std::pair<const Window*, Insertion>> open_;  // in showing order
    std::vector<Insertion> waiting_;
    QTimer pollTimer_;
};

}  // namespace zindo::platform::qt
