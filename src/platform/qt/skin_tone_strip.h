// A cell's skin tones: a row of cells of the grid's size and drawing beside
// the cell, inside the picker window; the emoji as shown, then its tones. A
// click, Enter or Space chooses one; Esc, a click elsewhere or the focus
// leaving for another widget closes the row, and nothing more.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/qt/emoji_cells.h"
#include "platform/qt/emoji_renderer.h"

namespace zindo::platform::qt {

class SkinToneStrip : public QWidget, public EmojiCells {
public:
    struct Cell {
        QString emoji;
        QString description;
    };

    // A child of the picker window, shown only while open.
    SkinToneStrip(EmojiRenderer& renderer, QWidget* window);

    // Opens with these cells beside `anchor` (a cell, in the window's
    // coordinates), the first focused, and takes the keyboard; `choose` gets
    // the index of the cell chosen, once the strip has closed. The focus goes
    // back to `opener` when the strip closes.
    void open(std::vector<Cell> cells, double pixelSize, QRect anchor, bool ringShown, QWidget* opener,
              std::function<void(std::ptrdiff_t)> choose);
    void dismiss();
    bool isOpen() const { return isVisible(); }

    std::ptrdiff_t cellCount() const override { return static_cast<std::ptrdiff_t>(cells_.size()); }
    QString cellName(std::ptrdiff_t index) const override;
    QString cellDescription(std::ptrdiff_t index) const override;
    QRect cellRect(std::ptrdiff_t index) const override;
    std::ptrdiff_t cellAt(QPointF position) const override;
    std::ptrdiff_t focusedCell() const override { return hasFocus() ? focused_ : kNone; }
    void pressCell(std::ptrdiff_t index) override;
    std::uint64_t generation() const override { return generation_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool hasCell(std::ptrdiff_t index) const { return index >= 0 && index < cellCount(); }
    void setFocused(std::ptrdiff_t index);

    EmojiRenderer& renderer_;
    std::vector<Cell> cells_;
    double pixelSize_ = 0.0;
    double box_ = 0.0;
    QPointer<QWidget> opener_;
    std::function<void(std::ptrdiff_t)> choose_;
    std::uint64_t generation_ = 0;
    std::ptrdiff_t hovered_ = kNone;
    std::ptrdiff_t pressed_ = kNone;
    std::ptrdiff_t focused_ = kNone;
    bool ringShown_ = false;
};

}  // namespace zindo::platform::qt
