// Start-up and the duck: what the process is, and what a click on it does.
#include <gtest/gtest.h>

#include "app/picker_session.h"
#include "app/start_up.h"
#include "emoji_literal.h"
#include "platform/process_info.h"

namespace zindo {
namespace {

using platform::testing::TestingHost;
using testing::PickerSession;

TEST(LaunchTest, StartUpNamesTheProcessMakesItRegularAndPutsASquareDuckInTheTray) {
    TestingHost host;
    bool ran = false;
    host.runSession([&](platform::Application& application) {
        ran = true;
        auto* zindo = dynamic_cast<ZindoApp*>(application.delegate());
        ASSERT_NE(zindo, nullptr);
        EXPECT_EQ(platform::ProcessInfo::processInfo().processName(), "ZindoZindo");
        EXPECT_EQ(application.activationPolicy(), platform::ActivationPolicy::regular);

        ASSERT_NE(zindo->statusItem(), nullptr);
        EXPECT_EQ(zindo->statusItem()->length(), -2.0);
        const platform::Button* duck = zindo->statusItem()->button();
        ASSERT_NE(duck, nullptr);
        EXPECT_EQ(duck->title(), testing::utf8("1F986"));
        EXPECT_EQ(duck->action().name, "duckClicked");
        EXPECT_EQ(duck->target(), zindo);
        // Nothing else before the first click.
        EXPECT_TRUE(application.windows().empty());
        EXPECT_EQ(zindo->scrollView(), nullptr);
        EXPECT_EQ(zindo->searchField(), nullptr);
    });
    EXPECT_EQ(runPicker(host), 0);
    EXPECT_TRUE(ran);
    EXPECT_EQ(host.statusBar().itemsMade(), 1u);
}

TEST(LaunchTest, AStatusItemWithoutAButtonBreaksNothing) {
    PickerSession session(TestingHost::StatusItems::withoutButton);
    ASSERT_NE(session.zindo.statusItem(), nullptr);
    EXPECT_EQ(session.zindo.statusItem()->button(), nullptr);
    session.zindo.duckClicked();  // the picker still opens from within
    EXPECT_EQ(session.application.windows().size(), 1u);
}

TEST(LaunchTest, EachClickOnTheDuckOpensAnotherPickerAndTheFieldsFollowTheNewest) {
    PickerSession session;
    const auto first = session.openPicker();
    const auto second = session.openPicker();
    EXPECT_NE(first.window, second.window);
    EXPECT_EQ(session.application.windows().size(), 2u);
    EXPECT_EQ(session.zindo.scrollView().get(), second.scrollView);
    EXPECT_EQ(session.zindo.searchField().get(), second.searchField);
    EXPECT_EQ(session.application.notificationCenter().observerCount(), 2u);
    EXPECT_EQ(session.host.frontOrder().back(), second.window);
    EXPECT_EQ(session.host.activations(), 2);
}

}  // namespace
}  // namespace zindo
