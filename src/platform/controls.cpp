#include "platform/controls.h"

#include "platform/notification_center.h"

namespace zindo::platform {

void Button::performClick() {
    Responder* receiver = target();
    const Selector selector = action();
    if (receiver != nullptr && selector.perform != nullptr) selector.perform(*receiver, *this, title_);
}

void Button::performAlternateClick(std::size_t index) {
    Responder* receiver = target();
    if (receiver != nullptr && alternateAction_.perform != nullptr && index < alternates_.size())
        alternateAction_.perform(*receiver, *this, alternates_[index].title);
}

void SearchField::userDidEditText(std::string_view text) {
    setStringValue(text);
    const Notification notification{kControlTextDidChangeNotification, this};
    if (delegate_ != nullptr) delegate_->controlTextDidChange(notification);
    center_.post(notification);
}

void SearchField::userDidCancelSearch() {
    if (!stringValue().empty()) userDidEditText("");
    if (delegate_ != nullptr) delegate_->searchFieldDidEndSearching(*this);
}

void ScrollView::setDocumentView(std::shared_ptr<View> document) {
    if (documentView_ != nullptr) documentView_->removeFromSuperview();
    documentView_ = std::move(document);
    if (documentView_ != nullptr) addSubview(documentView_);
    ++documentGeneration_;
}

}  // namespace zindo::platform
