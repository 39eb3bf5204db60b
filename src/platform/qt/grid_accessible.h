// The grid for assistive technologies: a list of push buttons in grid order,
// each named by its emoji, described by its keywords, pressed as a click.
#pragma once

#include <QAccessibleWidget>
#include <cstdint>
#include <vector>

namespace zindo::platform::qt {

class EmojiGridWidget;

class GridAccessible : public QAccessibleWidget {
public:
    explicit GridAccessible(EmojiGridWidget* grid);
    ~GridAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Our accessible for the grid widget, else null: for QAccessible::installFactory.
    static QAccessibleInterface* create(const QString& className, QObject* object);

private:
    EmojiGridWidget* grid() const;
    // Cells of an older grid are invalid: a rebuild replaced their buttons.
    void dropStaleCells() const;

    mutable std::uint64_t generation_;
    mutable std::vector<QAccessible::Id> cells_;
};

}  // namespace zindo::platform::qt
