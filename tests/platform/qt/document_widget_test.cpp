#include "platform/qt/document_widget.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>
#include <algorithm>

#include "platform/qt/offscreen_picker.h"

namespace zindo::testing {
namespace {

// The first cell of a full grid: 12 points in, its row hanging 12 + 8 points
// below the document's top.
const QPoint kFirstCellCentre(12 + 22, 20 + 22);

// How much of the first cell is the "✅"'s green.
double greenShareOfFirstCell(QWidget* grid) {
    const QImage cell = grid->grab(QRect(12, 20, 44, 44)).toImage();
    int green = 0;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            const QColor pixel = cell.pixelColor(x, y);
            if (pixel.green() > pixel.red() + 30 && pixel.green() > pixel.blue() + 30) ++green;
        }
    }
    return static_cast<double>(green) / (cell.width() * cell.height());
}

TEST(DocumentWidgetTest, AClickCopiesTheEmojiFlashesAndClosesThePickerAfterTheDelay) {
    double flashShare = 0.0;
    qint64 closedAfterMs = 0;
    runPickerWith([&] {
        const PickerWidgets picker = pickerWidgets();
        ASSERT_NE(picker.window, nullptr);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        EXPECT_LT(greenShareOfFirstCell(picker.grid), 0.01);

        QTest::mouseClick(picker.grid, Qt::LeftButton, {}, kFirstCellCentre);
        QElapsedTimer sinceClick;
        sinceClick.start();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("\U0001F600"));
        // The "✅" fades in over the cell and out again before the close.
        while (openPicker() != nullptr && sinceClick.elapsed() < 5000) {
            flashShare = std::max(flashShare, greenShareOfFirstCell(picker.grid));
            QTest::qWait(10);
        }
        closedAfterMs = sinceClick.elapsed();
    });
    EXPECT_GT(flashShare, 0.08);
    EXPECT_GE(closedAfterMs, 300) << "delayed work ran early";
}

TEST(DocumentWidgetTest, OnlyAPressAndReleaseOnTheSameCellIsAClick) {
    runPickerWith([] {
        const PickerWidgets picker = pickerWidgets();
        ASSERT_NE(picker.window, nullptr);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));

        // The 8-point gap between two cells belongs to neither.
        QTest::mouseClick(picker.grid, Qt::LeftButton, {}, QPoint(12 + 44 + 4, 42));
        // Pressed on one cell, released on the next: a change of mind.
        QTest::mousePress(picker.grid, Qt::LeftButton, {}, kFirstCellCentre);
        QTest::mouseRelease(picker.grid, Qt::LeftButton, {}, kFirstCellCentre + QPoint(52, 0));
        // Only the left button copies.
        QTest::mouseClick(picker.grid, Qt::RightButton, {}, kFirstCellCentre);
        QTest::qWait(400);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        EXPECT_NE(openPicker(), nullptr);

        QTest::mouseClick(picker.grid, Qt::LeftButton, {}, kFirstCellCentre + QPoint(52, 52));
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("\U0001F643"));  // row 2, column 2
    });
}

}  // namespace
}  // namespace zindo::testing
