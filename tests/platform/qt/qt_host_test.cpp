#include "platform/qt/qt_host.h"

#include "platform/qt/window_widget.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <csignal>

#include "app/start_up.h"
#include "platform/animation_context.h"
#include "platform/application.h"
#include "platform/qt/tray.h"
#include "platform/view.h"
#include "platform/window.h"

namespace zindo::platform::qt {
namespace {

// The program on Qt's offscreen platform, which has no tray: a picker opens at once. The loop ends
// on a signal raised as an animation completes, after its frames and delayed work that never runs early.
TEST(QtHostTest, WithoutATrayAPickerOpensCentredAClosedOnesWidgetServesTheNextTimersRunNeverEarlyAndSignalsEndTheLoop) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static char name[] = "zindozindo";
    char* argv[] = {name, nullptr};
    int argc = 1;
    const QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    for (const int signal : {SIGTERM, SIGINT}) {
        SingleInstance instance;
        ASSERT_EQ(instance.claim(SingleInstance::Start::plain), SingleInstance::Claim::run);
        QtHost host(argc, argv, instance);
        QRect picker;  // the frame: where the desktop puts a window
        QRect screen;
        double queuedAt = 0.0;
        double ranAt = 0.0;
        const auto view = std::make_shared<View>();
        WindowWidget* closed = nullptr;
        std::vector<WindowWidget*> open;
        QString title;
        long visibleFields = 0;
        QTimer::singleShot(0, [&] {
            picker = host.widgetFor(*Application::shared().windows().at(0))->frameGeometry();
            // A closed picker's widget serves the next picker, with that one's parts alone.
            Tray& tray = dynamic_cast<Tray&>(host.systemStatusBar());
            tray.clickFirstItem();
            closed = host.widgetFor(*Application::shared().windows().at(0));
            Application::shared().windows().at(0)->close();
            EXPECT_FALSE(closed->isVisible());
            tray.clickFirstItem();
            for (const auto& window : Application::shared().windows()) open.push_back(host.widgetFor(*window));
            title = closed->windowTitle();
            const QList<QLineEdit*> fields = closed->findChildren<QLineEdit*>();
            visibleFields =
                std::count_if(fields.begin(), fields.end(), [](QLineEdit* field) { return field->isVisible(); });
            screen = QGuiApplication::primaryScreen()->availableGeometry();
            MainQueue& queue = Application::shared().mainQueue();
            queuedAt = queue.now();
            queue.asyncAfter(queuedAt + 0.3, [&] {
                ranAt = queue.now();
                AnimationContext::runAnimationGroup(
                    [&](AnimationContext& context) {
                        context.setDuration(0.1);
                        view->animator().setAlphaValue(0.0);
                    },
                    [signal] { std::raise(signal); });
            });
            host.afterEvent();
        });
        QTimer::singleShot(60000, [] {  // a step that failed must not leave the loop running
            ADD_FAILURE() << "the event loop did not end";
            QCoreApplication::quit();
        });
        EXPECT_EQ(runPicker(host), 0);
        ASSERT_EQ(open.size(), 2u);
        EXPECT_EQ(open.back(), closed);
        EXPECT_EQ(title, QString::fromUtf8("\U0001F986 ZindoZindo - Select Emoji"));
        EXPECT_EQ(visibleFields, 1);
        EXPECT_EQ(picker.topLeft(), screen.topLeft() + QPoint((screen.width() - 500) / 2, (screen.height() - 580) / 2));
        EXPECT_GE(ranAt - queuedAt, 0.3);
        EXPECT_EQ(view->alphaValue(), 0.0);
    }
    // The handlers are the host's only while it lives.
    struct sigaction handler = {};
    sigaction(SIGTERM, nullptr, &handler);
    EXPECT_EQ(handler.sa_handler, SIG_DFL);
}

}  // namespace
}  // namespace zindo::platform::qt
