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
        {1, {0, 0, 440, 100}, 0, {12, 12, 44, 44}},      {8, {0, 0, 440, 100}, 0, {12, 12, 44, 44}},
        {8, {0, 0, 440, 100}, 7, {376, 12, 44, 44}},     {9, {0, 0, 440, 128}, 0, {12, 64, 44, 44}},
        {9, {0, 0, 440, 128}, 7, {376, 64, 44, 44}},     {9, {0, 0, 440, 128}, 8, {12, 12, 44, 44}},
        {932, {0, 0, 440, 6108}, 0, {12, 6044, 44, 44}}, {932, {0, 0, 440, 6108}, 931, {168, 12, 44, 44}},
        {0, {0, 0, 440, 100}, 0, {12, -40, 44, 44}},  // the rows hang from a content height of 24, never clamped
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "n=" << c.count << " i=" << c.index);
        const GridLayout layout = gridLayout(c.count);
        EXPECT_EQ(layout.documentFrame, c.document);
        EXPECT_EQ(layout.buttonFrame(c.index), c.button);
    }
}

}  // namespace
}  // namespace zindo::grid
