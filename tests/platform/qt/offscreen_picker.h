// The program on Qt's offscreen platform, for host tests: a real QtHost and
// ZindoApp with test steps run inside its event loop. Offscreen has no tray,
// so a picker is open when the steps start, and the loop ends when it closes.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/start_up.h"
#include "platform/qt/qt_host.h"

namespace zindo::testing {

inline void useOffscreenPlatform() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

// Runs the picker until its event loop ends; returns its exit status.
inline int runPickerWith(const std::function<void()>& steps) {
    useOffscreenPlatform();
    static char name[] = "zindozindo";
    char* argv[] = {name, nullptr};
    int argc = 1;
    platform::qt::QtHost host(argc, argv);
    QTimer::singleShot(0, steps);
    // A step that failed must not leave the loop running.
    QTimer::singleShot(20000, [] {
        ADD_FAILURE() << "the event loop did not end";
        QCoreApplication::quit();
    });
    return runPicker(host);
}

inline QWidget* openPicker() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("pickerWindow") && widget->isVisible()) return widget;
    }
    return nullptr;
}

struct PickerWidgets {
    QWidget* window;
    QLineEdit* searchField;
    QScrollArea* scrollView;
    QWidget* grid;
    QWidget* credits;
};

inline PickerWidgets pickerWidgets() {
    QWidget* window = openPicker();
    if (window == nullptr) return PickerWidgets{};
    return PickerWidgets{window, window->findChild<QLineEdit*>(QStringLiteral("searchField")),
                         window->findChild<QScrollArea*>(QStringLiteral("scrollView")),
                         window->findChild<QWidget*>(QStringLiteral("emojiGrid")),
                         window->findChild<QWidget*>(QStringLiteral("credits"))};
}

}  // namespace zindo::testing
