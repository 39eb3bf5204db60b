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

}  // namespace
}  // namespace zindo::testing
