#include "platform/main_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/animation_context.h"
#include "platform/application.h"
#include "platform/testing/testing_host.h"
#include "platform/view.h"

namespace zindo::platform {
namespace {

class MainQueueTest : public ::testing::Test {
protected:
    testing::TestingHost host;
    Application application{host};
    MainQueue& queue = application.mainQueue();
    std::vector<std::string> ran;
};

TEST_F(MainQueueTest, RunsWorkInDeadlineOrderAndQueuingOrderAmongEquals) {
    queue.asyncAfter(0.3, [this] { ran.push_back("c"); });
    queue.asyncAfter(0.1, [this] { ran.push_back("a"); });
    queue.asyncAfter(0.3, [this] { ran.push_back("d"); });
    queue.asyncAfter(0.2, [this] { ran.push_back("b"); });
    host.advance(1.0);
    EXPECT_EQ(ran, (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST_F(MainQueueTest, NeverRunsWorkInsideTheCallThatQueuedItOrBeforeItsDeadline) {
    queue.asyncAfter(queue.now(), [this] { ran.push_back("due now"); });
    EXPECT_TRUE(ran.empty());
    queue.asyncAfter(0.3, [this] { ran.push_back("at 0.3"); });
    host.advance(0.0);
    EXPECT_EQ(ran, std::vector<std::string>{"due now"});
    host.advance(0.29);
    EXPECT_EQ(ran.size(), 1u);
    host.advance(0.01);
    EXPECT_EQ(ran.size(), 2u);
}

TEST_F(MainQueueTest, WorkSeesItsOwnDeadlineAsNowAndCanQueueMoreThatRunsInTheSameAdvance) {
    std::vector<double> times;
    queue.asyncAfter(0.15, [&] {
        times.push_back(queue.now());
        queue.asyncAfter(queue.now() + 0.15, [&] { times.push_back(queue.now()); });
    });
    host.advance(0.3);
    EXPECT_EQ(times, (std::vector<double>{0.15, 0.3}));
    EXPECT_EQ(queue.pendingWorkCount(), 0u);
}

TEST_F(MainQueueTest, AnimationGroupRunsChangesAtOnceAndCompletesAfterTheLastFrame) {
    const auto view = std::make_shared<View>();
    view->setAlphaValue(0.0);
    bool changed = false;
    double alphaAtCompletion = -1.0;
    AnimationContext::runAnimationGroup(
        [&](AnimationContext& context) {
            context.setDuration(0.2);
            view->animator().setAlphaValue(1.0);
            changed = true;
        },
        [&] { alphaAtCompletion = view->alphaValue(); });
    EXPECT_TRUE(changed);
    EXPECT_EQ(view->alphaValue(), 0.0);
    host.advance(0.1);
    EXPECT_GT(view->alphaValue(), 0.0);
    EXPECT_LT(view->alphaValue(), 1.0);
    EXPECT_EQ(alphaAtCompletion, -1.0);
    host.advance(0.1);
    EXPECT_EQ(alphaAtCompletion, 1.0);
    EXPECT_FALSE(queue.isAnimating());
}

TEST_F(MainQueueTest, AnimatorOutsideAGroupAppliesAtOnce) {
    const auto view = std::make_shared<View>();
    view->animator().setAlphaValue(0.25);
    EXPECT_EQ(view->alphaValue(), 0.25);
    EXPECT_FALSE(queue.isAnimating());
}

TEST(ViewTreeTest, SubviewsKeepOrderMoveBetweenParentsAndOutliveAFreedParent) {
    const auto first = std::make_shared<View>();
    const auto second = std::make_shared<View>();
    const auto child = std::make_shared<View>();
    const auto other = std::make_shared<View>();
    first->addSubview(child);
    first->addSubview(other);
    EXPECT_EQ(first->subviews().front(), child);
    second->addSubview(child);
    EXPECT_EQ(first->subviews().size(), 1u);
    EXPECT_EQ(child->superview(), second.get());

    auto parent = std::make_shared<View>();
    const auto orphan = std::make_shared<View>();
    parent->addSubview(orphan);
    parent.reset();
    EXPECT_EQ(orphan->superview(), nullptr);
    orphan->removeFromSuperview();  // nothing to leave: no effect
}

TEST(NotificationCenterTest, DeliversByNameAndObjectAndStopsAfterRemoval) {
    NotificationCenter center;
    View field;
    View otherField;
    int heard = 0;
    const auto token =
        center.addObserver(kControlTextDidChangeNotification, &field, [&](const Notification&) { ++heard; });
    center.post({kControlTextDidChangeNotification, &otherField});
    center.post({"SomethingElse", &field});
    center.post({kControlTextDidChangeNotification, &field});
    EXPECT_EQ(heard, 1);
    center.removeObserver(token);
    center.post({kControlTextDidChangeNotification, &field});
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(center.observerCount(), 0u);
}

}  // namespace
}  // namespace zindo::platform
