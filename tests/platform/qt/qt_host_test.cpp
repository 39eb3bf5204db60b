#include "platform/qt/qt_host.h"

#include <gtest/gtest.h>

#include <QTest>
#include <csignal>

#include "platform/qt/offscreen_picker.h"

namespace zindo::testing {
namespace {

// Without a tray there is nothing to reach the program by, so it opens a
// picker at once, and SIGTERM, like SIGINT, ends the loop cleanly.
TEST(QtHostTest, WithoutATrayAPickerIsOpenAtOnceAndSigtermEndsCleanly) {
    bool pickerWasOpen = false;
    EXPECT_EQ(runPickerWith([&] {
                  pickerWasOpen = openPicker() != nullptr;
                  std::raise(SIGTERM);
              }),
              0);
    EXPECT_TRUE(pickerWasOpen);
}

TEST(QtHostTest, SigintEndsTheLoopToo) {
    EXPECT_EQ(runPickerWith([] { std::raise(SIGINT); }), 0);
}

}  // namespace
}  // namespace zindo::testing
