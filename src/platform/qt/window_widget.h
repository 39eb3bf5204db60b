// A picker window on the desktop: a top-level widget that realises a
// Window's content view and its controls, and feeds input back into them.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "platform/window.h"

class QLineEdit;
class QLabel;
class QScrollArea;

namespace zindo::platform {
class SearchField;
class ScrollView;
class TextField;
}  // namespace zindo::platform

namespace zindo::platform::qt {

class EmojiGridWidget;
class EmojiRenderer;

class WindowWidget : public QWidget {
public:
    WindowWidget(Window& window, EmojiRenderer& renderer, std::function<void()> afterEvent);

    // Brings the widgets in line with the view tree after the program changed it.
    void syncFromTree(bool animating);
    // Takes the widget down for good: the window has closed.
    void dismiss();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Realised {
        const View* view;
        QWidget* widget;
    };
    void realise(const std::shared_ptr<View>& view);
    void placeChildren();
    void quietenTexts();

    Window* window_;
    EmojiRenderer& renderer_;
    std::function<void()> afterEvent_;
    std::vector<Realised> children_;
    std::vector<std::pair<SearchField*, QLineEdit*>> fields_;
    std::vector<std::pair<QScrollArea*, EmojiGridWidget*>> documents_;
    std::vector<QLabel*> quietLabels_;
    bool dismissed_ = false;
};

}  // namespace zindo::platform::qt
