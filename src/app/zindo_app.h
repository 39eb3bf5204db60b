// ZindoApp: the one application object. Its methods are split by concern:
// launch here and in zindo_app.cpp, the window and search in picker/, the
// grid in grid/, the copy and the flash in feedback/.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/geometry.h"
#include "platform/notification_center.h"
#include "platform/status_bar.h"
#include "platform/window.h"

namespace zindo {

class ZindoApp : public platform::Responder,
                 public platform::ApplicationDelegate,
                 public platform::SearchFieldDelegate,
                 public platform::WindowDelegate {
public:
    ZindoApp() = default;
    ~ZindoApp() override;
    ZindoApp(const ZindoApp&) = delete;
    ZindoApp& operator=(const ZindoApp&) = delete;

    // The tray item, and the scroll view and search field of the picker
    // opened last while it is open.
    const std::shared_ptr<platform::StatusItem>& statusItem() const { return statusItem_; }
    const std::shared_ptr<platform::ScrollView>& scrollView() const { return scrollView_; }
    const std::shared_ptr<platform::SearchField>& searchField() const { return searchField_; }

    void applicationDidFinishLaunching(const platform::Notification& notification) override;
    void duckClicked();
    void showEmojiSelector();
    void showEmojiWindow();
    void controlTextDidChange(const platform::Notification& notification) override;
    void searchFieldDidEndSearching(platform::SearchField& sender) override;
    void createEmojiGrid(platform::ScrollView& scrollView, std::string_view searchTerm);
    void emojiButtonClicked(platform::Button& sender);
    // A skin tone chosen from the sender's alternates: copied as a click copies the sender's own emoji.
    void skinToneChosen(platform::Button& sender, std::string_view tone);
    void showGreenFlash(platform::Point point, platform::View& view);
    // Lets go of everything that belonged to the closing picker.
    void windowWillClose(platform::Window& window) override;

private:
    struct OpenPicker {
        platform::Window* window;
        platform::SearchField* searchField;
        platform::ScrollView* scrollView;
        platform::NotificationCenter::ObserverToken textObserver;
    };

    // The grid of the picker whose field posted the notification, for the
    // field's text lower-cased; both text-change routes come here.
    void rebuildForEditedField(const platform::Notification& notification);
    const OpenPicker* pickerWithField(const platform::View* field) const;
    // Onto the clipboard, the flash over the sender, and the close 0.3 s later.
    void copyEmoji(platform::Button& sender, std::string title);
    std::weak_ptr<platform::Window> windowToCloseAfterCopy(const platform::Button& sender) const;

    std::shared_ptr<platform::StatusItem> statusItem_;
    std::shared_ptr<platform::ScrollView> scrollView_;
    std::shared_ptr<platform::SearchField> searchField_;
    std::vector<OpenPicker> openPickers_;  // in opening order
};

}  // namespace zindo
