// Where the keyboard focus goes in a grid of cells in rows of equal length,
// the last row possibly short; cells are numbered in reading order.
#pragma once

#include <cstddef>
#include <optional>

namespace zindo::platform::qt {

enum class FocusMove { left, right, up, down, first, last, pageUp, pageDown };

struct GridShape {
    std::ptrdiff_t count;
    std::ptrdiff_t columns;
    std::ptrdiff_t pageRows;  // rows that fit in the visible part, at least 1
};

// The cell the focus moves to from `from`; none when Up leaves the top row.
// A move that would pass an edge stays put.
std::optional<std::ptrdiff_t> moveFocus(std::ptrdiff_t from, FocusMove move, GridShape shape);

}  // namespace zindo::platform::qt
