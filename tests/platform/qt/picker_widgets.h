// A picker's view tree, built by ZindoApp on the testing host and realised by
// a WindowWidget on Qt's offscreen platform at twice the pixels: time moves
// only when a test says, and every paint is at a high-DPI ratio.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QTest>

#include "app/picker_session.h"
#include "platform/qt/document_widget.h"
#include "platform/qt/grid_accessible.h"
#include "platform/qt/window_widget.h"

namespace zindo::testing {

// One for the test process, made on first use and never destroyed.
inline void startQt() {
    if (QCoreApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    static int argc = 1;
    static char name[] = "zindo_widget_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    QAccessible::installFactory(&platform::qt::GridAccessible::create);
}

class PickerWidgets : public PickerSession {
public:
    PickerWidgets() {
        startQt();
        host.onWindowClosed([this](platform::Window&) { dismiss(); });
        picker = openPicker();
        window = new platform::qt::WindowWidget(*picker.window, renderer, [this] { sync(); });
        window->show();
        field = window->findChild<QLineEdit*>(QStringLiteral("searchField"));
        scrollArea = window->findChild<QScrollArea*>(QStringLiteral("scrollView"));
        grid = dynamic_cast<platform::qt::DocumentWidget*>(window->findChild<QWidget*>(QStringLiteral("emojiGrid")));
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
    platform::qt::DocumentWidget* grid = nullptr;

private:
    void sync() {
        if (window != nullptr) window->syncFromTree(true);
    }
    void dismiss() {
        if (window != nullptr) window->dismiss();
        window = nullptr;
    }
};

}  // namespace zindo::testing
