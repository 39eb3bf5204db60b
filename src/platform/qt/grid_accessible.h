// Emoji cells for assistive technologies (the grid, a cell's skin tones): a
// list of push buttons in order, each named by its emoji, described by what
// it means, pressed as a click.
#pragma once

#include <QAccessibleWidget>
#include <cstdint>
#include <vector>

namespace zindo::platform::qt {

class EmojiCells;

class GridAccessible : public QAccessibleWidget {
public:
    GridAccessible(QWidget* widget, EmojiCells* cells);
    ~GridAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Our accessible for a widget of emoji cells, else null: for QAccessible::installFactory.
    static QAccessibleInterface* create(const QString& className, QObject* object);

private:
    // Cells of an older generation are invalid: a rebuild replaced their buttons.
    void dropStaleCells() const;

    EmojiCells* cells_;
    mutable std::uint64_t generation_;
    mutable std::vector<QAccessible::Id> cellIds_;
};

}  // namespace zindo::platform::qt
