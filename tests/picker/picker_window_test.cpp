// Start-up, the duck, and opening a picker: what is built, and in what order.
#include <gtest/gtest.h>

#include "app/picker_session.h"
#include "app/start_up.h"
#include "platform/process_info.h"

namespace zindo {
namespace {

using platform::Rect;
using platform::testing::TestingHost;
using testing::PickerSession;

TEST(LaunchTest, StartUpNamesTheProcessMakesItRegularAndPutsASquareDuckInTheTray) {
    TestingHost host;
    host.runSession([&](platform::Application& application) {
        auto* zindo = dynamic_cast<ZindoApp*>(application.delegate());
        EXPECT_EQ(platform::ProcessInfo::processInfo().processName(), "ZindoZindo");
        EXPECT_EQ(application.activationPolicy(), platform::ActivationPolicy::regular);
        EXPECT_EQ(zindo->statusItem()->length(), platform::kSquareStatusItemLength);
        const platform::Button* duck = zindo->statusItem()->button();
        EXPECT_EQ(duck->title(), "\U0001F986");
        EXPECT_EQ(duck->action().name, "duckClicked");
        EXPECT_EQ(duck->target(), zindo);
        EXPECT_TRUE(application.windows().empty());
    });
    EXPECT_EQ(runPicker(host), 0);
    EXPECT_EQ(host.statusBar().itemsMade(), 1u);

    PickerSession buttonless(TestingHost::StatusItems::withoutButton);
    buttonless.zindo.duckClicked();  // the picker still opens from within
    EXPECT_EQ(buttonless.application.windows().size(), 1u);
}

TEST(PickerWindowTest, EachClickShowsANewCentredPickerWithItsFullGridThenActivatesTheProgram) {
    PickerSession session;
    std::size_t buttonsWhenShown = 0;
    int activationsWhenShown = -1;
    session.host.onWindowShown([&](platform::Window& window) {
        buttonsWhenShown = PickerSession::pickerOf(window).buttons().size();
        activationsWhenShown = session.host.activations();
    });
    const auto first = session.openPicker();
    EXPECT_EQ(first.window->contentRect(), Rect(710, 250, 500, 580));  // on the 1920 x 1080 test screen
    EXPECT_EQ(first.window->title(), "\U0001F986 ZindoZindo - Select Emoji");
    EXPECT_EQ(first.window->styleMask(), 11u);  // titled, closable, resizable
    EXPECT_EQ(buttonsWhenShown, 932u);
    EXPECT_EQ(activationsWhenShown, 0);
    const auto second = session.openPicker();
    EXPECT_NE(first.window, second.window);
    EXPECT_EQ(session.host.activations(), 2);
    EXPECT_EQ(session.zindo.scrollView().get(), second.scrollView);
    EXPECT_EQ(session.zindo.searchField().get(), second.searchField);
}

}  // namespace
}  // namespace zindo
