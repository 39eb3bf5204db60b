// The widget tests' one QApplication, on Qt's offscreen platform at twice the
// pixels, so that every paint is at a high-DPI ratio. It ends with main, as
// the program's does, before anything static goes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>

#include "platform/qt/grid_accessible.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    QAccessible::installFactory(&zindo::platform::qt::GridAccessible::create);
    return RUN_ALL_TESTS();
}
