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
    WindowWidget(EmojiRenderer& renderer, std::function<void()> afterEvent);

    // Realises the window's content view here: a new picker, in a widget
    // new or dismissed.
    void attach(Window& window);
    // Brings the widgets in line with the view tree after the program changed it.
    void syncFromTree(bool animating);
    // Hides the widget and takes the closed window's widgets down. The widget
    // itself may serve the next window: on X11 a new one would need a new
    // backing store, whose memory alone takes milliseconds to fault in.
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

    Window* window_ = nullptr;
    EmojiRenderer& renderer_;
    std::function<void()> afterEvent_;
    std::vector<Realised> children_;
    std::vector<std::pair<SearchField*, QLineEdit*>> fields_;
    std::vector<std::pair<QScrollArea*, EmojiGridWidget*>> documents_;
    std::vector<QLabel*> quietLabels_;
};

}  // namespace zindo::platform::qt
