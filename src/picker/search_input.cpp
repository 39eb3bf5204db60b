// Turning edits of a picker's search field into grid rebuilds.
#include "app/zindo_app.h"
#include "catalogue/unicode_text.h"

namespace zindo {

void ZindoApp::controlTextDidChange(const platform::Notification& notification) { rebuildForEditedField(notification); }

void ZindoApp::rebuildForEditedField(const platform::Notification& notification) {
    const auto* field = dynamic_cast<const platform::SearchField*>(notification.object);
    if (field == nullptr) return;
    // The grid of the window whose field was edited, not simply the newest one.
    const OpenPicker* picker = pickerWithField(field);
    if (picker == nullptr) return;
    createEmojiGrid(*picker->scrollView, unicode::toLower(field->stringValue()));
}

void ZindoApp::searchFieldDidEndSearching(platform::SearchField& sender) {
    const OpenPicker* picker = pickerWithField(&sender);
    if (picker == nullptr) return;
    createEmojiGrid(*picker->scrollView, "");
}

}  // namespace zindo
