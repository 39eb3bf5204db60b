#include "platform/qt/grid_accessible.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "catalogue/catalogue.h"
#include "catalogue/search_filter.h"
#include "platform/qt/offscreen_picker.h"

namespace zindo::testing {
namespace {

QStringList resultsFor(std::string_view term) {
    QStringList found;
    for (const EmojiString emoji : filteredEmojis(term, buildCatalogue()))
        found << QString::fromUtf8(emoji.data(), static_cast<qsizetype>(emoji.size()));
    return found;
}

TEST(GridAccessibleTest, TheGridIsAListOfPushButtonsNamedAndDescribedInGridOrder) {
    runPickerWith([] {
        const PickerWidgets picker = pickerWidgets();
        QTest::keyClicks(picker.searchField, QStringLiteral("dog"));
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(picker.grid);
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->role(), QAccessible::List);

        QStringList names;
        for (int index = 0; index < grid->childCount(); ++index) {
            QAccessibleInterface* cell = grid->child(index);
            EXPECT_EQ(cell->role(), QAccessible::Button);
            EXPECT_EQ(grid->indexOfChild(cell), index);
            EXPECT_TRUE(cell->text(QAccessible::Description).startsWith(cell->text(QAccessible::Name) + ", "));
            names << cell->text(QAccessible::Name);
        }
        EXPECT_EQ(names, resultsFor("dog"));
        const int dog = static_cast<int>(names.indexOf(QString::fromUtf8("\U0001F436")));
        ASSERT_GE(dog, 0);
        EXPECT_EQ(grid->child(dog)->text(QAccessible::Description),
                  QString::fromUtf8("\U0001F436, dog, puppy, pet, face, animal"));

        // A rebuild makes the old cells invalid rather than wrong.
        QAccessibleInterface* stale = grid->child(0);
        QTest::keyClicks(picker.searchField, QStringLiteral("zzq"));
        EXPECT_FALSE(stale->isValid());
        EXPECT_EQ(grid->childCount(), 0);
        picker.window->close();
    });
}

TEST(GridAccessibleTest, PressingACellCopiesItAsAClickDoes) {
    QString copied;
    EXPECT_EQ(runPickerWith([&] {
                  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(pickerWidgets().grid);
                  QAccessibleActionInterface* actions = grid->child(3)->actionInterface();
                  ASSERT_NE(actions, nullptr);
                  EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
                  actions->doAction(QAccessibleActionInterface::pressAction());
                  copied = QGuiApplication::clipboard()->text();
              }),
              0);  // and the picker closed after it
    EXPECT_EQ(copied, resultsFor("").at(3));
}

TEST(GridAccessibleTest, TheOtherPartsCarryTheirRolesAndTextsAndCellsTheirState) {
    runPickerWith([] {
        const PickerWidgets picker = pickerWidgets();
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(picker.searchField);
        EXPECT_EQ(field->role(), QAccessible::EditableText);
        EXPECT_EQ(field->text(QAccessible::Name), QStringLiteral("Search emoji, then click to copy to clipboard"));
        QAccessibleInterface* credits = QAccessible::queryAccessibleInterface(picker.credits);
        EXPECT_EQ(credits->role(), QAccessible::StaticText);
        EXPECT_EQ(credits->text(QAccessible::Name), QString::fromUtf8("Created by Ardo & Melka \u2764\uFE0F"));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(picker.window)->text(QAccessible::Name),
                  QString::fromUtf8("\U0001F986 ZindoZindo - Select Emoji"));

        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(picker.grid);
        EXPECT_FALSE(grid->child(0)->state().offscreen);
        EXPECT_TRUE(grid->child(931)->state().offscreen) << "scrolled out of view";
        ASSERT_TRUE(QTest::qWaitForWindowActive(picker.window));
        QTest::keyClick(picker.searchField, Qt::Key_Down);
        EXPECT_TRUE(grid->child(0)->state().focused);
        EXPECT_EQ(grid->focusChild(), grid->child(0));
        picker.window->close();
    });
}

TEST(GridAccessibleTest, HoveringACellShowsItsDescription) {
    runPickerWith([] {
        const PickerWidgets picker = pickerWidgets();
        const QPoint firstCell(34, 42);
        QHelpEvent hover(QEvent::ToolTip, firstCell, picker.grid->mapToGlobal(firstCell));
        QApplication::sendEvent(picker.grid, &hover);
        EXPECT_EQ(QToolTip::text(), QString::fromUtf8("\U0001F600, grin, happy, smile, face, cheerful, joy"));
        picker.window->close();
    });
}

}  // namespace
}  // namespace zindo::testing
