#include "platform/idle_release.h"

#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/testing/testing_host.h"

namespace zindo::platform {
namespace {

class IdleReleaseTest : public ::testing::Test {
protected:
    testing::TestingHost host;
    Application application{host};
    int released = 0;
    IdleRelease idle{application.mainQueue(), 10.0, [this] { ++released; }};
};

TEST_F(IdleReleaseTest, ReleasesOnceTheWaitHasPassedSinceTheLastPickerClosed) {
    host.advance(60.0);
    EXPECT_EQ(released, 0) << "nothing to release before a first picker";
    idle.pickerOpened();
    idle.pickerOpened();  // the shortcut pressed over an open picker
    idle.pickerClosed();
    host.advance(20.0);
    EXPECT_EQ(released, 0) << "a picker is still open";
    idle.pickerClosed();
    host.advance(9.99);
    EXPECT_EQ(released, 0);
    host.advance(0.01);
    EXPECT_EQ(released, 1);
    host.advance(60.0);
    EXPECT_EQ(released, 1);
}

TEST_F(IdleReleaseTest, APickerOpenedDuringTheWaitPutsItOffUntilTheWaitAfterItsClose) {
    idle.pickerOpened();
    idle.pickerClosed();
    host.advance(5.0);
    idle.pickerOpened();
    host.advance(10.0);
    EXPECT_EQ(released, 0) << "the first close's wait ran out while a picker was open";
    idle.pickerClosed();
    host.advance(9.0);
    EXPECT_EQ(released, 0);
    host.advance(1.0);
    EXPECT_EQ(released, 1);
}

}  // namespace
}  // namespace zindo::platform
