// The picker from the keyboard alone: field, grid, focus ring, copy, Esc.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTest>

#include "catalogue/catalogue.h"
#include "catalogue/search_filter.h"
#include "platform/qt/document_widget.h"
#include "platform/qt/offscreen_picker.h"

namespace zindo::testing {
namespace {

using platform::qt::DocumentWidget;

QString firstResult(std::string_view term) {
    const std::vector<EmojiString> found = filteredEmojis(term, buildCatalogue());
    return QString::fromUtf8(found.at(0).data(), static_cast<qsizetype>(found.at(0).size()));
}

struct KeyboardPicker {
    PickerWidgets widgets;
    DocumentWidget* grid;

    std::ptrdiff_t focused() const { return grid->focusedCell(); }
    bool focusedCellIsInView() const { return grid->visibleRegion().contains(grid->cellRect(focused())); }
    void key(Qt::Key key) const { QTest::keyClick(QApplication::focusWidget(), key); }
};

KeyboardPicker activePicker() {
    const PickerWidgets widgets = pickerWidgets();
    EXPECT_TRUE(QTest::qWaitForWindowActive(widgets.window));
    return KeyboardPicker{widgets, dynamic_cast<DocumentWidget*>(widgets.grid)};
}

TEST(KeyboardTest, TheFieldHasTheFocusAndDownTabAndUpCrossIntoAndOutOfTheGrid) {
    runPickerWith([] {
        const KeyboardPicker picker = activePicker();
        EXPECT_TRUE(picker.widgets.searchField->hasFocus());

        picker.key(Qt::Key_Down);
        EXPECT_TRUE(picker.grid->hasFocus());
        EXPECT_EQ(picker.focused(), 0);
        picker.key(Qt::Key_Right);
        picker.key(Qt::Key_Up);  // from the top row
        EXPECT_TRUE(picker.widgets.searchField->hasFocus());
        EXPECT_EQ(picker.focused(), DocumentWidget::kNone);

        picker.key(Qt::Key_Tab);
        EXPECT_TRUE(picker.grid->hasFocus());
        EXPECT_EQ(picker.focused(), 0) << "entering the grid starts at its first cell";
        picker.widgets.window->close();
    });
}

TEST(KeyboardTest, ArrowsHomeEndAndPagesMoveTheRingAndKeepItInView) {
    runPickerWith([] {
        const KeyboardPicker picker = activePicker();
        picker.key(Qt::Key_Down);
        picker.key(Qt::Key_Right);
        picker.key(Qt::Key_Right);
        picker.key(Qt::Key_Down);
        picker.key(Qt::Key_Left);
        EXPECT_EQ(picker.focused(), 9);
        picker.key(Qt::Key_Left);
        picker.key(Qt::Key_Left);
        EXPECT_EQ(picker.focused(), 8) << "stops at the left edge";

        picker.key(Qt::Key_End);
        EXPECT_EQ(picker.focused(), 931);
        EXPECT_TRUE(picker.focusedCellIsInView());
        QScrollBar* scrollBar = picker.widgets.scrollView->verticalScrollBar();
        EXPECT_EQ(scrollBar->value(), scrollBar->maximum());
        picker.key(Qt::Key_Home);
        EXPECT_EQ(picker.focused(), 0);
        EXPECT_EQ(scrollBar->value(), 0);

        // A page is the rows that fit in the 478-point viewport: 9 of 52.
        picker.key(Qt::Key_PageDown);
        EXPECT_EQ(picker.focused(), 72);
        EXPECT_TRUE(picker.focusedCellIsInView());
        picker.key(Qt::Key_PageDown);
        picker.key(Qt::Key_PageUp);
        EXPECT_EQ(picker.focused(), 72);
        EXPECT_TRUE(picker.focusedCellIsInView());
        picker.widgets.window->close();
    });
}

TEST(KeyboardTest, SpaceOrEnterOnACellAndEnterInTheFieldCopyAsAClickDoes) {
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        QString copied;
        QElapsedTimer sinceKey;
        EXPECT_EQ(runPickerWith([&] {
                      const KeyboardPicker picker = activePicker();
                      picker.key(Qt::Key_Down);
                      picker.key(Qt::Key_Right);
                      picker.key(key);
                      sinceKey.start();
                      copied = QGuiApplication::clipboard()->text();
                  }),
                  0);
        EXPECT_GE(sinceKey.elapsed(), 300) << "the picker closes after the copy's delay";
        EXPECT_EQ(copied, QString::fromUtf8("\U0001F603")) << "the second cell, by key " << key;
    }

    QString copied;
    runPickerWith([&] {
        const KeyboardPicker picker = activePicker();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClicks(picker.widgets.searchField, QStringLiteral("zzq"));
        picker.key(Qt::Key_Return);  // nothing to copy
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QTest::keyClick(picker.widgets.searchField, Qt::Key_Escape);
        QTest::keyClicks(picker.widgets.searchField, QStringLiteral("dog"));
        picker.key(Qt::Key_Enter);
        copied = QGuiApplication::clipboard()->text();
    });
    EXPECT_EQ(copied, firstResult("dog"));
}

TEST(KeyboardTest, EscClearsTheFieldThenClosesThePicker) {
    EXPECT_EQ(runPickerWith([] {
                  const KeyboardPicker picker = activePicker();
                  QTest::keyClicks(picker.widgets.searchField, QStringLiteral("dog"));
                  picker.key(Qt::Key_Escape);
                  EXPECT_EQ(picker.widgets.searchField->text(), QString());
                  EXPECT_EQ(picker.grid->cellCount(), 932);
                  EXPECT_NE(openPicker(), nullptr);
                  picker.key(Qt::Key_Escape);
                  EXPECT_EQ(openPicker(), nullptr);
              }),
              0);
}

TEST(KeyboardTest, ARebuildMovesAFocusedGridToItsFirstCellAndTypingKeepsTheField) {
    runPickerWith([] {
        const KeyboardPicker picker = activePicker();
        QTest::keyClicks(picker.widgets.searchField, QStringLiteral("face"));
        EXPECT_TRUE(picker.widgets.searchField->hasFocus());
        picker.key(Qt::Key_Down);
        picker.key(Qt::Key_Right);
        picker.key(Qt::Key_Right);
        EXPECT_EQ(picker.focused(), 2);

        // Text set from outside, as a screen reader may: the grid rebuilds under the ring.
        picker.widgets.searchField->setText(QStringLiteral("dog"));
        EXPECT_EQ(picker.grid->cellCount(),
                  static_cast<std::ptrdiff_t>(filteredEmojis("dog", buildCatalogue()).size()));
        EXPECT_TRUE(picker.grid->hasFocus());
        EXPECT_EQ(picker.focused(), 0);
        picker.widgets.window->close();
    });
}

}  // namespace
}  // namespace zindo::testing
