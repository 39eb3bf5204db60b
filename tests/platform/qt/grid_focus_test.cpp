#include "platform/qt/grid_focus.h"

#include <gtest/gtest.h>

namespace zindo::platform::qt {
namespace {

struct Case {
    std::ptrdiff_t from;
    FocusMove move;
    std::ptrdiff_t pageRows;
    std::optional<std::ptrdiff_t> to;
};

// 20 cells in rows of 8: 0-7, 8-15, and a short last row 16-19.
TEST(GridFocusTest, MovesStopAtTheEdgesAndUpFromTheTopRowLeaves) {
    const Case cases[] = {
        {0, FocusMove::left, 1, 0},          {8, FocusMove::left, 1, 8},       {9, FocusMove::left, 1, 8},
        {7, FocusMove::right, 1, 7},         {19, FocusMove::right, 1, 19},    {6, FocusMove::right, 1, 7},
        {3, FocusMove::up, 1, std::nullopt}, {11, FocusMove::up, 1, 3},        {3, FocusMove::down, 1, 11},
        {11, FocusMove::down, 1, 19},        {12, FocusMove::down, 1, 12},     {13, FocusMove::first, 1, 0},
        {2, FocusMove::last, 1, 19},         {1, FocusMove::pageDown, 1, 9},   {1, FocusMove::pageDown, 5, 17},
        {5, FocusMove::pageDown, 5, 13},     {13, FocusMove::pageUp, 1, 5},    {17, FocusMove::pageUp, 5, 1},
        {0, FocusMove::pageUp, 1, 0},        {19, FocusMove::pageDown, 3, 19},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(moveFocus(c.from, c.move, GridShape{20, 8, c.pageRows}), c.to)
            << "from " << c.from << ", move " << static_cast<int>(c.move) << ", page " << c.pageRows;
    }
}

TEST(GridFocusTest, ASingleCellKeepsTheFocusExceptUpwards) {
    for (const FocusMove move : {FocusMove::left, FocusMove::right, FocusMove::down, FocusMove::first, FocusMove::last,
                                 FocusMove::pageUp, FocusMove::pageDown}) {
        EXPECT_EQ(moveFocus(0, move, GridShape{1, 1, 1}), 0);
    }
    EXPECT_EQ(moveFocus(0, FocusMove::up, GridShape{1, 1, 1}), std::nullopt);
}

}  // namespace
}  // namespace zindo::platform::qt
