// A picker's view tree, built by ZindoApp on the testing host and realised by a
// WindowWidget in widget_test_main.cpp's QApplication: time moves when a test says.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QTest>

#include "app/picker_session.h"
#include "platform/qt/emoji_grid_widget.h"
#include "platform/qt/window_widget.h"

namespace zindo::testing {

// The share of a picture's pixels that pass the test.
inline double shareOf(const QImage& picture, const std::function<bool(QColor)>& test) {
    int passed = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) passed += test(picture.pixelColor(x, y));
    }
    return static_cast<double>(passed) / (picture.width() * picture.height());
}

class PickerWidgets : public PickerSession {
public:
    PickerWidgets() {
        host.onWindowClosed([this](platform::Window&) { dismiss(); });
        picker = openPicker();
        window = new platform::qt::WindowWidget(renderer, [this] { sync(); });
        window->attach(*picker.window);
        window->show();
        field = window->findChild<QLineEdit*>(QStringLiteral("searchField"));
        scrollArea = window->findChild<QScrollArea*>(QStringLiteral("scrollView"));
        grid = dynamic_cast<platform::qt::EmojiGridWidget*>(window->findChild<QWidget*>(QStringLiteral("emojiGrid")));
    }
    ~PickerWidgets() {
        dismiss();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Moves the testing host's clock on, then repaints as the desktop would.
    void advance(double seconds) {
        host.advance(seconds);
        sync();
    }
    bool isOpen() const { return window != nullptr; }
    void key(Qt::Key key) const { QTest::keyClick(QApplication::focusWidget(), key); }

    Picker picker;
    platform::qt::EmojiRenderer renderer;
    platform::qt::WindowWidget* window = nullptr;
    QLineEdit* field = nullptr;
    QScrollArea* scrollArea = nullptr;
    platform::qt::EmojiGridWidget* grid = nullptr;

private:
    void sync() {
        if (window != nullptr) window->syncFromTree(true);
    }
    void dismiss() {
        if (window != nullptr) {
            window->dismiss();
            window->deleteLater();
        }
        window = nullptr;
    }
};

}  // namespace zindo::testing
