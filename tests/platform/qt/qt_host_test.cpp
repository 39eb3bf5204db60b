#include "platform/qt/qt_host.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <csignal>

#include "app/start_up.h"
#include "platform/animation_context.h"
#include "platform/application.h"
#include "platform/view.h"
#include "platform/window.h"

namespace zindo::platform::qt {
namespace {

// The whole program on Qt's offscreen platform, which has no tray: a picker
// opens at once, and the loop ends when it has closed. The steps run inside
// the loop; returns the program's exit status.
int runPickerWith(const std::function<void(QtHost&)>& steps) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static char name[] = "zindozindo";
    char* argv[] = {name, nullptr};
    int argc = 1;
    QtHost host(argc, argv);
    QTimer::singleShot(0, [&] { steps(host); });
    QTimer::singleShot(60000, [] {  // a step that failed must not leave the loop running
        ADD_FAILURE() << "the event loop did not end";
        QCoreApplication::quit();
    });
    return runPicker(host);
}

TEST(QtHostTest, WithoutATrayAPickerIsOpenAtOnceAndSigtermOrSigintEndTheLoopCleanly) {
    for (const int signal : {SIGTERM, SIGINT}) {
        std::size_t windows = 0;
        EXPECT_EQ(runPickerWith([&](QtHost&) {
                      windows = Application::shared().windows().size();
                      std::raise(signal);
                  }),
                  0);
        EXPECT_EQ(windows, 1u);
    }
}

// The close that ends this loop waits for an animation's completion, which
// waits for its frames, and for delayed work, which must never run early.
TEST(QtHostTest, DelayedWorkAndAnimationsRunOnTheHostsTimersNeverEarly) {
    double queuedAt = 0.0;
    double ranAt = 0.0;
    const auto view = std::make_shared<View>();
    EXPECT_EQ(runPickerWith([&](QtHost& host) {
                  MainQueue& queue = Application::shared().mainQueue();
                  queuedAt = queue.now();
                  queue.asyncAfter(queuedAt + 0.3, [&] {
                      ranAt = queue.now();
                      AnimationContext::runAnimationGroup(
                          [&](AnimationContext& context) {
                              context.setDuration(0.1);
                              view->animator().setAlphaValue(0.0);
                          },
                          [] { Application::shared().windows().back()->close(); });
                  });
                  host.afterEvent();
              }),
              0);
    EXPECT_GE(ranAt - queuedAt, 0.3);
    EXPECT_EQ(view->alphaValue(), 0.0);
}

}  // namespace
}  // namespace zindo::platform::qt
