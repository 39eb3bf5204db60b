// The controls of the picker: buttons, text fields and labels, the search
// field and the scroll view.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/appearance.h"
#include "platform/selector.h"
#include "platform/view.h"

namespace zindo::platform {

class NotificationCenter;
struct Notification;
class SearchField;

class Control : public View {
public:
    using View::View;

    Font font() const { return font_; }
    void setFont(Font font) { font_ = font; }
    TextAlignment alignment() const { return alignment_; }
    void setAlignment(TextAlignment alignment) { alignment_ = alignment; }

    Responder* target() const { return target_; }
    void setTarget(Responder* target) { target_ = target; }
    Selector action() const { return action_; }
    void setAction(Selector action) { action_ = action; }

private:
    Font font_;
    TextAlignment alignment_ = TextAlignment::left;
    Responder* target_ = nullptr;
    Selector action_;
};

class Button : public Control {
public:
    using Control::Control;

    const std::string& title() const { return title_; }
    void setTitle(std::string_view title) { title_ = title; }
    BezelStyle bezelStyle() const { return bezelStyle_; }
    void setBezelStyle(BezelStyle style) { bezelStyle_ = style; }
    bool isBordered() const { return bordered_; }
    void setBordered(bool bordered) { bordered_ = bordered; }

    // Forms the user may choose in place of the title, each with its
    // description: an emoji's skin tones.
    struct Alternate {
        std::string title;
        std::string toolTip;
    };
    const std::vector<Alternate>& alternates() const { return alternates_; }
    void setAlternates(std::vector<Alternate> alternates) { alternates_ = std::move(alternates); }
    // Sent to the target, in place of the action, for a chosen alternate.
    Selector alternateAction() const { return alternateAction_; }
    void setAlternateAction(Selector action) { alternateAction_ = action; }

    // A click: sends the action to the target with this button as sender.
    void performClick();
    // A choice of alternates()[index]: sends the alternate action with its title.
    void performAlternateClick(std::size_t index);

private:
    std::string title_;
    std::vector<Alternate> alternates_;
    Selector alternateAction_;
    BezelStyle bezelStyle_ = BezelStyle::rounded;
    bool bordered_ = true;
};

// A text field; read-only and borderless it is a label.
class TextField : public Control {
public:
    using Control::Control;

    const std::string& stringValue() const { return stringValue_; }
    void setStringValue(std::string_view value) { stringValue_ = value; }
    bool isEditable() const { return editable_; }
    void setEditable(bool editable) { editable_ = editable; }
    bool isBordered() const { return bordered_; }
    void setBordered(bool bordered) { bordered_ = bordered; }
    Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(Color color) { backgroundColor_ = color; }
    Color textColor() const { return textColor_; }
    void setTextColor(Color color) { textColor_ = color; }

private:
    std::string stringValue_;
    bool editable_ = true;
    bool bordered_ = true;
    Color backgroundColor_ = Color::textBackground;
    Color textColor_ = Color::label;
};

class SearchFieldDelegate {
public:
    virtual ~SearchFieldDelegate() = default;
    // After every change of the field's text; the notification's object is the field.
    virtual void controlTextDidChange(const Notification& notification) = 0;
    // When the field reports that a search has ended.
    virtual void searchFieldDidEndSearching(SearchField& sender) = 0;
};

class SearchField : public TextField {
public:
    // Posts its text changes to the center.
    SearchField(Rect frame, NotificationCenter& center) : TextField(frame), center_(center) {}

    const std::string& placeholderString() const { return placeholder_; }
    void setPlaceholderString(std::string_view placeholder) { placeholder_ = placeholder; }
    SearchFieldDelegate* delegate() const { return delegate_; }
    void setDelegate(SearchFieldDelegate* delegate) { delegate_ = delegate; }

    // The user changed the text: the delegate hears of it, then the
    // notification centre posts the text-change notification.
    void userDidEditText(std::string_view text);
    // The user cleared the field (cancel button, Esc): a text change to
    // "", then the end of the search.
    void userDidCancelSearch();

private:
    NotificationCenter& center_;
    std::string placeholder_;
    SearchFieldDelegate* delegate_ = nullptr;
};

class ScrollView : public View {
public:
    using View::View;

    bool hasVerticalScroller() const { return hasVerticalScroller_; }
    void setHasVerticalScroller(bool has) { hasVerticalScroller_ = has; }
    bool autohidesScrollers() const { return autohidesScrollers_; }
    void setAutohidesScrollers(bool autohides) { autohidesScrollers_ = autohides; }

    const std::shared_ptr<View>& documentView() const { return documentView_; }
    // Lets go of the previous document view; null leaves the scroll view empty.
    void setDocumentView(std::shared_ptr<View> document);
    // Counts replacements, so that a host sees a new document even where a
    // new view reuses a freed one's address.
    std::uint64_t documentGeneration() const { return documentGeneration_; }

private:
    bool hasVerticalScroller_ = false;
    bool autohidesScrollers_ = true;
    std::shared_ptr<View> documentView_;
    std::uint64_t documentGeneration_ = 0;
};

}  // namespace zindo::platform
