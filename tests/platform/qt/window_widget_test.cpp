#include "platform/qt/window_widget.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "grid/grid_layout.h"
#include "platform/qt/colour_scheme.h"
#include "platform/qt/picker_widgets.h"
#include "platform/qt/quiet_text.h"

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
}

// The quiet texts read yet stay quieter than the typed text, which reads well, as the menu does.
TEST(WindowWidgetTest, TakesTheStatedStyleInWhichEveryTextReads) {
    using platform::qt::contrastRatio, platform::qt::ColourPreference;
    EXPECT_NEAR(contrastRatio(QColor(0, 0, 0, 136), Qt::white), 4.48, 0.02);  // as #777777
    const QPalette fusion = QApplication::palette();
    QPalette breeze(QColor(49, 54, 59));  // Breeze Dark as Qt 6.4 reads it: no placeholder colour of its own
    breeze.setColor(QPalette::Base, QColor(35, 38, 41));
    breeze.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    const std::tuple<QPalette, ColourPreference, bool> cases[] = {{fusion, ColourPreference::none, false},
                                                                  {fusion, ColourPreference::dark, true},
                                                                  {breeze, ColourPreference::dark, true},
                                                                  {breeze, ColourPreference::light, false}};
    for (const auto& [given, preference, dark] : cases) {
        QApplication::setPalette(given);  // as the platform theme gives it
        const QPalette platform = QApplication::palette();
        QApplication::setPalette(platform::qt::paletteFor(platform, preference));
        const PickerWidgets picker;
        const QPalette window = picker.window->palette(), field = picker.field->palette();
        const auto* credits = picker.window->findChild<QLabel*>(QStringLiteral("credits"));
        EXPECT_EQ(window.color(QPalette::Window).lightness() < 128, dark);
        EXPECT_EQ(window.color(QPalette::Highlight), platform.color(QPalette::Highlight));
        const double typed = contrastRatio(field.color(QPalette::Text), field.color(QPalette::Base));
        const double placeholder = contrastRatio(field.color(QPalette::PlaceholderText), field.color(QPalette::Base));
        EXPECT_GE(typed, 7.0);
        EXPECT_TRUE(placeholder >= 3.5 && placeholder < typed) << placeholder;
        EXPECT_GE(contrastRatio(credits->palette().color(QPalette::WindowText), window.color(QPalette::Window)), 3.5);
    }
    QApplication::setPalette(QPalette());
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
