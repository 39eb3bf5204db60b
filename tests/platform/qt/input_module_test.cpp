#include "platform/qt/input_module.h"

#include <gtest/gtest.h>

namespace zindo::platform::qt {
namespace {

TEST(InputModuleTest, IBusWhereItServesTheDisplayAndNeitherTheUserNorQtChoseOtherwise) {
    const struct {
        InputEnvironment environment;
        std::string_view module;
    } cases[] = {
        {{false, "", "x11", true, false}, "ibus"},        // GNOME on Xorg
        {{false, "", "wayland", true, false}, "ibus"},    // GNOME on Wayland, Qt 6.4
        {{true, "", "x11", true, false}, ""},             // QT_IM_MODULE of the user's own, even empty
        {{false, "", "x11", false, false}, ""},           // no IBus daemon for this display
        {{false, "", "wayland", true, true}, ""},         // Qt 6.7 and later speak text-input-v3
        {{false, "xcb", "wayland", true, true}, "ibus"},  // QT_QPA_PLATFORM first: X11 on a Wayland session
    };
    for (const auto& c : cases) EXPECT_EQ(inputModuleFor(c.environment), c.module) << "case " << &c - cases;
}

}  // namespace
}  // namespace zindo::platform::qt
