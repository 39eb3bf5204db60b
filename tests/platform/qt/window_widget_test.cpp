#include "platform/qt/window_widget.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "grid/grid_layout.h"
#include "platform/qt/picker_widgets.h"

namespace zindo::testing {
namespace {

int gridHeightFor(std::string_view term) {
    const auto count = static_cast<std::int64_t>(expectedTitles(term).size());
    return static_cast<int>(grid::gridLayout(count).documentFrame.size.height);
}

TEST(WindowWidgetTest, ShowsThePartsAtTheirFramesHangingFromTheBottomLeftCorner) {
    PickerWidgets picker;
    EXPECT_EQ(picker.window->size(), QSize(500, 580));
    EXPECT_TRUE(picker.window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(picker.window->windowFlags() & Qt::WindowMinimizeButtonHint);
    auto* credits = picker.window->findChild<QLabel*>(QStringLiteral("credits"));
    ASSERT_NE(credits, nullptr);
    // 16 points above the field, 10 between the parts, 20 below the credits.
    EXPECT_EQ(picker.field->geometry(), QRect(20, 16, 460, 24));
    EXPECT_EQ(picker.scrollArea->geometry(), QRect(20, 50, 460, 480));
    EXPECT_EQ(credits->geometry(), QRect(20, 540, 460, 20));
    picker.window->resize(600, 700);  // the extra height goes above
    EXPECT_EQ(picker.field->geometry(), QRect(20, 136, 460, 24));
    EXPECT_EQ(credits->geometry(), QRect(20, 660, 460, 20));

    EXPECT_EQ(picker.field->placeholderText(), QStringLiteral("Search emoji, then click to copy to clipboard"));
    EXPECT_TRUE(picker.field->isClearButtonEnabled());
    EXPECT_EQ(picker.scrollArea->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(picker.scrollArea->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // The heart of its "❤️" in colour, as the grid draws emoji, not the label font's grey outline.
    EXPECT_GT(shareOf(credits->grab().toImage(), [](QColor c) { return c.red() > c.green() + 80; }), 0.001);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(credits)->text(QAccessible::Name),
              QString::fromUtf8("Created by Ardo & Melka \u2764\uFE0F"));
    EXPECT_EQ(credits->alignment(), Qt::AlignCenter);
    EXPECT_EQ(credits->font().pixelSize(), 12);
    EXPECT_EQ(credits->palette().color(QPalette::WindowText), credits->palette().color(QPalette::PlaceholderText));
}

TEST(WindowWidgetTest, TypingRebuildsTheGridShowsItsTopClearingBringsEverythingBackAndACloseIsNeverRefused) {
    PickerWidgets picker;
    EXPECT_EQ(picker.grid->height(), gridHeightFor(""));
    QScrollBar* scrollBar = picker.scrollArea->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
    QTest::keyClicks(picker.field, QStringLiteral("face"));
    EXPECT_EQ(picker.grid->height(), gridHeightFor("face"));
    EXPECT_EQ(scrollBar->value(), 0);
    QTest::keyClicks(picker.field, QStringLiteral("zzq"));
    EXPECT_EQ(picker.grid->height(), gridHeightFor("facezzq"));
    EXPECT_EQ(picker.grid->y(), 0) << "a short document sits at the top";

    auto* clear = picker.field->findChild<QToolButton*>();
    ASSERT_NE(clear, nullptr);
    QTest::mouseClick(clear, Qt::LeftButton);
    EXPECT_EQ(picker.picker.searchField->stringValue(), "");
    EXPECT_EQ(picker.grid->height(), gridHeightFor(""));
    // Qt closes every window to quit: a refused close would cancel the quit.
    EXPECT_TRUE(picker.window->close());
    EXPECT_FALSE(picker.isOpen());
    EXPECT_TRUE(picker.application.windows().empty());
}

}  // namespace
}  // namespace zindo::testing
