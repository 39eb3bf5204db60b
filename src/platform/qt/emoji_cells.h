// Emoji cells that one widget paints and hit-tests itself, as keys and
// assistive technologies reach them: the grid, and a cell's skin tones.
#pragma once

#include <QPointF>
#include <QRect>
#include <QString>
#include <cstddef>
#include <cstdint>

class QHelpEvent;
class QWidget;

namespace zindo::platform::qt {

class EmojiCells {
public:
    static constexpr std::ptrdiff_t kNone = -1;
    virtual ~EmojiCells() = default;

    virtual std::ptrdiff_t cellCount() const = 0;
    // The emoji, and what it means.
    virtual QString cellName(std::ptrdiff_t index) const = 0;
    virtual QString cellDescription(std::ptrdiff_t index) const = 0;
    virtual QRect cellRect(std::ptrdiff_t index) const = 0;
    // The topmost cell under a point in the widget, or kNone.
    virtual std::ptrdiff_t cellAt(QPointF position) const = 0;
    virtual std::ptrdiff_t focusedCell() const = 0;
    // What a click on the cell does.
    virtual void pressCell(std::ptrdiff_t index) = 0;
    // Changes whenever the cells do: what was known of older ones is void.
    virtual std::uint64_t generation() const = 0;
};

// What the widget painting the cells answers to a tooltip event: the
// description of the cell under the pointer, or no tooltip.
void showCellToolTip(QWidget& widget, const EmojiCells& cells, QHelpEvent& help);
// Tells assistive technologies which cell has the keyboard, while the widget has it.
void announceFocusedCell(QWidget& widget, std::ptrdiff_t index);

}  // namespace zindo::platform::qt
