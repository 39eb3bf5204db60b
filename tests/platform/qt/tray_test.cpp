#include "platform/qt/tray.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QIcon>
#include <QTimer>

#include "platform/qt/glyph_icon_engine.h"

namespace zindo::platform::qt {
namespace {

struct Clicks : Responder {
    int count = 0;
    void clicked() { ++count; }
};

TEST(TrayTest, TheMenuLeadsToThePickerThenQuits) {
    int afterClicks = 0;
    Tray tray([&] { ++afterClicks; }, [] {});
    Clicks clicks;
    Button& duck = *tray.statusItemWithLength(kSquareStatusItemLength)->button();
    duck.setAction(makeSelector<&Clicks::clicked>("clicked"));
    duck.setTarget(&clicks);

    const QList<QAction*> items = tray.menu().actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "Select Emoji");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), "Quit ZindoZindo");

    items[0]->trigger();
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(afterClicks, 1);
    QTimer::singleShot(0, items[2], &QAction::trigger);
    QTimer::singleShot(60000, [] {
        ADD_FAILURE() << "Quit did not end the event loop";
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(clicks.count, 1);
}

// Trays draw their icons at 16 to 64 pixels, twice that at twice the pixels:
// the duck fills its square at each, as the icons beside it do.
TEST(TrayTest, TheDuckFillsItsSquareAtEverySizeAndRatio) {
    const QIcon duck(new GlyphIconEngine(QStringLiteral("\U0001F986")));
    for (const qreal ratio : {1.0, 2.0}) {
        for (const int side : {16, 22, 24, 32, 44, 48, 64}) {
            const QImage image = duck.pixmap(QSize(side, side), ratio).toImage();
            ASSERT_EQ(image.size(), QSize(side, side) * ratio);
            QRect visible;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (qAlpha(image.pixel(x, y)) > 0) visible |= QRect(x, y, 1, 1);
                }
            }
            EXPECT_GE(std::max(visible.width(), visible.height()), 0.9 * image.width()) << side << " at " << ratio;
        }
    }
}

}  // namespace
}  // namespace zindo::platform::qt
