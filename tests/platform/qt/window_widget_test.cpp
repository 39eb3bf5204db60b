#include "platform/qt/window_widget.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "catalogue/catalogue.h"
#include "catalogue/search_filter.h"
#include "grid/grid_layout.h"
#include "platform/qt/offscreen_picker.h"

namespace zindo::testing {
namespace {

int gridHeightFor(std::string_view term) {
    const auto count = static_cast<std::int64_t>(filteredEmojis(term, buildCatalogue()).size());
    return static_cast<int>(grid::gridLayout(count).documentFrame.size.height);
}

TEST(WindowWidgetTest, ShowsTheWindowAsTheProgramLaidItOut) {
    runPickerWith([] {
        const PickerWidgets picker = pickerWidgets();
        ASSERT_NE(picker.window, nullptr);
        EXPECT_EQ(picker.window->windowTitle(), QString::fromUtf8("\U0001F986 ZindoZindo - Select Emoji"));
        EXPECT_EQ(picker.window->size(), QSize(500, 580));
        const Qt::WindowFlags flags = picker.window->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);

        // 16 points above the field, 10 between the parts, 20 below the credits.
        EXPECT_EQ(picker.searchField->geometry(), QRect(20, 16, 460, 24));
        EXPECT_EQ(picker.scrollView->geometry(), QRect(20, 50, 460, 480));
        EXPECT_EQ(picker.credits->geometry(), QRect(20, 540, 460, 20));

        EXPECT_EQ(picker.searchField->placeholderText(),
                  QStringLiteral("Search emoji, then click to copy to clipboard"));
        EXPECT_TRUE(picker.searchField->isClearButtonEnabled());
        EXPECT_EQ(picker.scrollView->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(picker.scrollView->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        const auto* credits = qobject_cast<QLabel*>(picker.credits);
        ASSERT_NE(credits, nullptr);
        EXPECT_EQ(credits->text(), QString::fromUtf8("Created by Ardo & Melka \u2764\uFE0F"));
        EXPECT_EQ(credits->alignment(), Qt::AlignCenter);
        EXPECT_EQ(credits->font().pixelSize(), 12);
        EXPECT_EQ(credits->palette().color(QPalette::WindowText), credits->palette().color(QPalette::PlaceholderText));

        // The frames hang from the bottom-left corner, so a taller window
        // moves them down by the extra height and keeps their sizes.
        picker.window->resize(600, 700);
        EXPECT_EQ(picker.searchField->geometry(), QRect(20, 136, 460, 24));
        EXPECT_EQ(picker.credits->geometry(), QRect(20, 660, 460, 20));
        picker.window->close();
    });
}

TEST(WindowWidgetTest, TypingRebuildsTheGridAndShowsItsTop) {
    runPickerWith([] {
        const PickerWidgets picker = pickerWidgets();
        ASSERT_NE(picker.window, nullptr);
        EXPECT_EQ(picker.window->findChild<QWidget*>(QStringLiteral("emojiGrid"))->height(), gridHeightFor(""));
        QScrollBar* scrollBar = picker.scrollView->verticalScrollBar();
        scrollBar->setValue(scrollBar->maximum());

        QTest::keyClicks(picker.searchField, QStringLiteral("face"));
        QWidget* grid = picker.window->findChild<QWidget*>(QStringLiteral("emojiGrid"));
        EXPECT_EQ(grid->height(), gridHeightFor("face"));
        EXPECT_EQ(scrollBar->value(), 0);

        // A short document sits at the top of the scroll view.
        QTest::keyClicks(picker.searchField, QStringLiteral("zzq"));
        EXPECT_EQ(grid->height(), gridHeightFor("facezzq"));
        EXPECT_EQ(grid->y(), 0);

        // Esc and the clear button end the search: the whole list is back.
        QTest::keyClick(picker.searchField, Qt::Key_Escape);
        EXPECT_EQ(picker.searchField->text(), QString());
        EXPECT_EQ(grid->height(), gridHeightFor(""));

        QTest::keyClicks(picker.searchField, QStringLiteral("dog"));
        EXPECT_EQ(grid->height(), gridHeightFor("dog"));
        auto* clear = picker.searchField->findChild<QToolButton*>();
        ASSERT_NE(clear, nullptr);
        QTest::mouseClick(clear, Qt::LeftButton);
        EXPECT_EQ(grid->height(), gridHeightFor(""));
        picker.window->close();
    });
}

TEST(WindowWidgetTest, TheCloseButtonClosesThePicker) {
    QPointer<QWidget> closed;
    EXPECT_EQ(runPickerWith([&closed] {
                  closed = openPicker();
                  ASSERT_NE(closed, nullptr);
                  closed->close();
              }),
              0);
    EXPECT_TRUE(closed.isNull() || !closed->isVisible());
}

}  // namespace
}  // namespace zindo::testing
