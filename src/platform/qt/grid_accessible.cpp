#include "platform/qt/grid_accessible.h"

#include <QPointer>
#include <QWidget>

#include "platform/qt/emoji_cells.h"

namespace zindo::platform::qt {
namespace {

class CellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CellAccessible(QWidget* widget, EmojiCells* cells, int index)
        : widget_(widget), cells_(cells), index_(index), generation_(cells->generation()) {}

    bool isValid() const override {
        return widget_ != nullptr && cells_->generation() == generation_ && index_ < cells_->cellCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return isValid() ? widget_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return widget_ != nullptr ? QAccessible::queryAccessibleInterface(widget_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) return {};
        if (kind == QAccessible::Name) return cells_->cellName(index_);
        if (kind == QAccessible::Description) return cells_->cellDescription(index_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect cell = cells_->cellRect(index_);
        return QRect(widget_->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.focused = cells_->focusedCell() == index_;
        // Scrolled out of the viewport: not on screen.
        state.offscreen = !widget_->visibleRegion().intersects(cells_->cellRect(index_));
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid()) cells_->pressCell(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int index() const { return index_; }
    const EmojiCells* cells() const { return cells_; }

private:
    QPointer<QWidget> widget_;
    EmojiCells* cells_;  // the widget itself: used only while it lives
    int index_;
    std::uint64_t generation_;
};

}  // namespace

GridAccessible::GridAccessible(QWidget* widget, EmojiCells* cells)
    : QAccessibleWidget(widget, QAccessible::List), cells_(cells), generation_(cells->generation()) {}

GridAccessible::~GridAccessible() {
    for (const QAccessible::Id id : cellIds_) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* GridAccessible::create(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (auto* cells = dynamic_cast<EmojiCells*>(object); widget != nullptr && cells != nullptr)
        return new GridAccessible(widget, cells);
    return nullptr;
}

void GridAccessible::dropStaleCells() const {
    if (cells_->generation() == generation_) return;
    for (const QAccessible::Id id : cellIds_) QAccessible::deleteAccessibleInterface(id);
    cellIds_.clear();
    generation_ = cells_->generation();
}

int GridAccessible::childCount() const { return static_cast<int>(cells_->cellCount()); }

QAccessibleInterface* GridAccessible::child(int index) const {
    dropStaleCells();
    if (index < 0 || index >= childCount()) return nullptr;
    if (cellIds_.size() < static_cast<std::size_t>(childCount()))
        cellIds_.resize(static_cast<std::size_t>(childCount()), 0);
    QAccessible::Id& id = cellIds_[static_cast<std::size_t>(index)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new CellAccessible(widget(), cells_, index));
    return QAccessible::accessibleInterface(id);
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const CellAccessible*>(child);
    return cell != nullptr && cell->cells() == cells_ && cell->isValid() ? cell->index() : -1;
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
    const std::ptrdiff_t index = cells_->cellAt(widget()->mapFromGlobal(QPointF(x, y)));
    return index == EmojiCells::kNone ? nullptr : child(static_cast<int>(index));
}

QAccessibleInterface* GridAccessible::focusChild() const {
    const std::ptrdiff_t focused = cells_->focusedCell();
    return focused == EmojiCells::kNone ? nullptr : child(static_cast<int>(focused));
}

}  // namespace zindo::platform::qt
