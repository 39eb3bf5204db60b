#include "platform/qt/emoji_cells.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace zindo::platform::qt {

void showCellToolTip(QWidget& widget, const EmojiCells& cells, QHelpEvent& help) {
    const std::ptrdiff_t index = cells.cellAt(help.pos());
    const QString description = index == EmojiCells::kNone ? QString() : cells.cellDescription(index);
    if (description.isEmpty()) {
        QToolTip::hideText();
        help.ignore();
    } else {
        QToolTip::showText(help.globalPos(), description, &widget, cells.cellRect(index));
    }
}

void announceFocusedCell(QWidget& widget, std::ptrdiff_t index) {
    if (!QAccessible::isActive() || !widget.hasFocus()) return;
    QAccessibleEvent focused(&widget, QAccessible::Focus);
    focused.setChild(static_cast<int>(index));
    QAccessible::updateAccessibility(&focused);
}

}  // namespace zindo::platform::qt
