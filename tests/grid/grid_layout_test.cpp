#include "grid/grid_layout.h"

#include <gtest/gtest.h>

namespace zindo::grid {
namespace {

using platform::Rect;

struct LayoutCase {
    std::int64_t count;
    Rect document;
    std::int64_t index;
    Rect button;
};

TEST(GridLayoutTest, PlacesButtonsFromTheTopRowDownInADocumentOfAtLeast100Points) {
    const LayoutCase cases[] = {
        {1, {0, 0, 440, 100}, 0, {12, 12, 44, 44}},       {8, {0, 0, 440, 100}, 0, {12, 12, 44, 44}},
        {8, {0, 0, 440, 100}, 7, {376, 12, 44, 44}},      {9, {0, 0, 440, 128}, 0, {12, 64, 44, 44}},
        {9, {0, 0, 440, 128}, 7, {376, 64, 44, 44}},      {9, {0, 0, 440, 128}, 8, {12, 12, 44, 44}},
        {932, {0, 0, 440, 6108}, 0, {12, 6044, 44, 44}},  {932, {0, 0, 440, 6108}, 928, {12, 12, 44, 44}},
        {932, {0, 0, 440, 6108}, 931, {168, 12, 44, 44}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "n=" << c.count << " i=" << c.index);
        const GridLayout layout = gridLayout(c.count);
        EXPECT_EQ(layout.documentFrame, c.document);
        EXPECT_EQ(layout.buttonFrame(c.index), c.button);
    }
}

TEST(GridLayoutTest, ContentHeightIsNeverClampedAndOneRowLeaves44PointsAbove) {
    EXPECT_EQ(gridLayout(0).contentHeight, 24.0);
    EXPECT_EQ(gridLayout(0).documentFrame, Rect(0, 0, 440, 100));
    EXPECT_EQ(gridLayout(1).contentHeight, 76.0);
    EXPECT_EQ(gridLayout(932).rows, 117);
}

}  // namespace
}  // namespace zindo::grid
