#include "platform/qt/grid_accessible.h"

#include <gtest/gtest.h>

#include <QAccessible>

#include "platform/qt/picker_widgets.h"

namespace zindo::testing {
namespace {

TEST(GridAccessibleTest, TheGridIsAListOfPushButtonsNamedAndDescribedInGridOrder) {
    PickerWidgets picker;
    QTest::keyClicks(picker.field, QStringLiteral("dog"));
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(picker.grid);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::List);
    std::vector<std::string> names;
    for (int index = 0; index < grid->childCount(); ++index) {
        QAccessibleInterface* cell = grid->child(index);
        EXPECT_EQ(cell->role(), QAccessible::Button);
        EXPECT_EQ(grid->indexOfChild(cell), index);
        EXPECT_EQ(cell->text(QAccessible::Description).toStdString(), picker.picker.buttons()[index]->toolTip());
        names.push_back(cell->text(QAccessible::Name).toStdString());
    }
    EXPECT_EQ(names, expectedTitles("dog"));
    EXPECT_FALSE(grid->child(0)->state().offscreen);

    // A rebuild makes the old cells invalid rather than wrong.
    QAccessibleInterface* stale = grid->child(0);
    QTest::keyClicks(picker.field, QStringLiteral("zzq"));
    EXPECT_FALSE(stale->isValid());
    EXPECT_EQ(grid->childCount(), 0);
    picker.field->clear();
    EXPECT_TRUE(grid->child(931)->state().offscreen) << "scrolled out of view";

    ASSERT_TRUE(QTest::qWaitForWindowActive(picker.window));
    picker.key(Qt::Key_Down);
    EXPECT_TRUE(grid->child(0)->state().focused);
    EXPECT_EQ(grid->focusChild(), grid->child(0));
    QAccessibleActionInterface* actions = grid->child(3)->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(picker.clipboard(), expectedTitles("").at(3));
}

TEST(GridAccessibleTest, ACellsSkinTonesAreAListOfPushButtonsNamedByTheirEmojiAndDescribedByTheirNames) {
    PickerWidgets picker;
    ASSERT_TRUE(QTest::qWaitForWindowActive(picker.window));
    picker.field->setText(QStringLiteral("thumbs"));
    QTest::mouseClick(picker.grid, Qt::RightButton, {}, picker.grid->cellRect(0).center());
    QAccessibleInterface* tones =
        QAccessible::queryAccessibleInterface(picker.window->findChild<QWidget*>(QStringLiteral("skinTones")));
    ASSERT_NE(tones, nullptr);
    EXPECT_EQ(tones->role(), QAccessible::List);
    ASSERT_EQ(tones->childCount(), 6);
    EXPECT_EQ(tones->child(3)->role(), QAccessible::Button);
    EXPECT_EQ(tones->child(3)->text(QAccessible::Name), QString::fromUtf8("\U0001F44D\U0001F3FD"));
    EXPECT_EQ(tones->child(3)->text(QAccessible::Description), QStringLiteral("thumbs up: medium skin tone"));
    EXPECT_EQ(tones->focusChild(), tones->child(0));
    tones->child(5)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(picker.clipboard(), "\U0001F44D\U0001F3FF");
}

}  // namespace
}  // namespace zindo::testing
