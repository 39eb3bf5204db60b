#include "platform/qt/grid_focus.h"

#include <algorithm>

namespace zindo::platform::qt {

std::optional<std::ptrdiff_t> moveFocus(std::ptrdiff_t from, FocusMove move, GridShape shape) {
    const std::ptrdiff_t columns = std::max<std::ptrdiff_t>(shape.columns, 1);
    const std::ptrdiff_t last = shape.count - 1;
    const std::ptrdiff_t column = from % columns;
    // The lowest cell of this column, for a page that runs past the end.
    const std::ptrdiff_t lastInColumn = column + (last - column) / columns * columns;
    const std::ptrdiff_t page = std::max<std::ptrdiff_t>(shape.pageRows, 1) * columns;
    switch (move) {
        case FocusMove::left:
            return column == 0 ? from : from - 1;
        case FocusMove::right:
            return column == columns - 1 || from == last ? from : from + 1;
        case FocusMove::up:
            if (from < columns) return std::nullopt;
            return from - columns;
        case FocusMove::down:
            return from + columns <= last ? from + columns : from;
        case FocusMove::first:
            return 0;
        case FocusMove::last:
            return last;
        case FocusMove::pageUp:
            return from - page >= 0 ? from - page : column;
        case FocusMove::pageDown:
            return std::min(from + page, lastInColumn);
    }
    return from;
}

}  // namespace zindo::platform::qt
