#include "platform/main_queue.h"

#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/testing/testing_host.h"

namespace zindo::platform {
namespace {

class MainQueueTest : public ::testing::Test {
protected:
    testing::TestingHost host;
    Application application{host};
    MainQueue& queue = application.mainQueue();
};

TEST_F(MainQueueTest, RunsWorkByDeadlineThenQueuingOrderAtItsDeadlineNeverInsideTheQueuingCall) {
    std::vector<std::pair<char, double>> ran;
    const auto record = [&](char name) { return [&ran, this, name] { ran.emplace_back(name, queue.now()); }; };
    queue.asyncAfter(0.3, record('c'));
    queue.asyncAfter(0.15, [&] {
        ran.emplace_back('a', queue.now());
        queue.asyncAfter(queue.now() + 0.15, record('d'));  // queued later: after c
    });
    queue.asyncAfter(queue.now(), record('0'));
    EXPECT_TRUE(ran.empty());
    host.advance(0.29);
    EXPECT_EQ(ran, (std::vector<std::pair<char, double>>{{'0', 0.0}, {'a', 0.15}}));
    host.advance(0.01);
    EXPECT_EQ(ran, (std::vector<std::pair<char, double>>{{'0', 0.0}, {'a', 0.15}, {'c', 0.3}, {'d', 0.3}}));
    EXPECT_EQ(queue.pendingWorkCount(), 0u);
}

}  // namespace
}  // namespace zindo::platform
