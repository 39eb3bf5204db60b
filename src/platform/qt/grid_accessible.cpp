#include "platform/qt/grid_accessible.h"

#include <QPointer>

#include "platform/qt/emoji_grid_widget.h"

namespace zindo::platform::qt {
namespace {

class CellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CellAccessible(EmojiGridWidget* grid, int index) : grid_(grid), index_(index), generation_(grid->generation()) {}

    bool isValid() const override {
        return grid_ != nullptr && grid_->generation() == generation_ && index_ < grid_->cellCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return isValid() ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return grid_ != nullptr ? QAccessible::queryAccessibleInterface(grid_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        const Button* button = isValid() ? grid_->cell(index_) : nullptr;
        if (button == nullptr) return {};
        if (kind == QAccessible::Name) return QString::fromStdString(button->title());
        if (kind == QAccessible::Description) return QString::fromStdString(button->toolTip());
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect cell = grid_->cellRect(index_);
        return QRect(grid_->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.focused = grid_->focusedCell() == index_;
        // Scrolled out of the viewport: not on screen.
        state.offscreen = !grid_->visibleRegion().intersects(grid_->cellRect(index_));
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid()) grid_->pressCell(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int index() const { return index_; }
    const EmojiGridWidget* grid() const { return grid_; }

private:
    QPointer<EmojiGridWidget> grid_;
    int index_;
    std::uint64_t generation_;
};

}  // namespace

GridAccessible::GridAccessible(EmojiGridWidget* grid)
    : QAccessibleWidget(grid, QAccessible::List), generation_(grid->generation()) {}

GridAccessible::~GridAccessible() {
    for (const QAccessible::Id id : cells_) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* GridAccessible::create(const QString&, QObject* object) {
    if (auto* grid = dynamic_cast<EmojiGridWidget*>(object)) return new GridAccessible(grid);
    return nullptr;
}

EmojiGridWidget* GridAccessible::grid() const { return static_cast<EmojiGridWidget*>(widget()); }

void GridAccessible::dropStaleCells() const {
    if (grid()->generation() == generation_) return;
    for (const QAccessible::Id id : cells_) QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
    generation_ = grid()->generation();
}

int GridAccessible::childCount() const { return static_cast<int>(grid()->cellCount()); }

QAccessibleInterface* GridAccessible::child(int index) const {
    dropStaleCells();
    if (index < 0 || index >= childCount()) return nullptr;
    if (cells_.size() < static_cast<std::size_t>(childCount()))
        cells_.resize(static_cast<std::size_t>(childCount()), 0);
    QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new CellAccessible(grid(), index));
    return QAccessible::accessibleInterface(id);
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const CellAccessible*>(child);
    return cell != nullptr && cell->grid() == grid() && cell->isValid() ? cell->index() : -1;
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
    const std::ptrdiff_t index = grid()->cellAt(grid()->mapFromGlobal(QPointF(x, y)));
    return index == EmojiGridWidget::kNone ? nullptr : child(static_cast<int>(index));
}

QAccessibleInterface* GridAccessible::focusChild() const {
    const std::ptrdiff_t focused = grid()->focusedCell();
    return focused == EmojiGridWidget::kNone ? nullptr : child(static_cast<int>(focused));
}

}  // namespace zindo::platform::qt
