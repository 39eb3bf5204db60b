// The emoji grid: a scroll view's document view painted as one widget, only
// the cells in the visible rectangle, with hover, pressed and keyboard-focus
// feedback; it hit-tests clicks to the button under them and moves a focus
// ring with the keys. A right click, a long press, or the Menu key or
// Shift+F10 on a cell with alternates opens them in a strip beside it.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/controls.h"
#include "platform/qt/emoji_cells.h"
#include "platform/qt/emoji_renderer.h"

namespace zindo::platform::qt {

class SkinToneStrip;

class EmojiGridWidget : public QWidget, public EmojiCells {
public:
    EmojiGridWidget(ScrollView& scrollView, EmojiRenderer& renderer, std::function<void()> afterClick);
    ~EmojiGridWidget() override;

    // Brings the widget's size in line with the document; true when the
    // document is a new one.
    bool syncDocument();
    // Lets go of the scroll view, which is going away with its window.
    void detach();
    // Runs when Up leaves the top row, to hand the focus back.
    void setOnLeaveUpwards(std::function<void()> leave) { leaveUpwards_ = std::move(leave); }

    // The grid's buttons, in subview order, for keys and assistive technologies.
    std::ptrdiff_t cellCount() const override { return static_cast<std::ptrdiff_t>(cells_.size()); }
    const Button* cell(std::ptrdiff_t index) const;
    QString cellName(std::ptrdiff_t index) const override;
    QString cellDescription(std::ptrdiff_t index) const override;
    QRect cellRect(std::ptrdiff_t index) const override;
    std::ptrdiff_t cellAt(QPointF position) const override;
    std::ptrdiff_t focusedCell() const override { return hasFocus() ? focused_ : kNone; }
    void pressCell(std::ptrdiff_t index) override;
    std::uint64_t generation() const override { return generation_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const View* document() const { return scrollView_ != nullptr ? scrollView_->documentView().get() : nullptr; }
    void setHovered(std::ptrdiff_t index);
    void setFocused(std::ptrdiff_t index);
    std::ptrdiff_t columns() const;
    std::ptrdiff_t visibleRows() const;
    bool hasAlternates(std::ptrdiff_t index) const;
    void openAlternates(std::ptrdiff_t index, bool fromKeyboard);
    void closeAlternates();
    // A click on the cell (kNone), or a choice of one of its alternates.
    void sendFromCell(std::ptrdiff_t index, std::ptrdiff_t alternate);

    ScrollView* scrollView_;
    EmojiRenderer& renderer_;
    std::function<void()> afterClick_;
    std::function<void()> leaveUpwards_;
    std::uint64_t generation_ = ~std::uint64_t{0};
    std::vector<std::size_t> cells_;  // subview indexes of the buttons
    std::ptrdiff_t hovered_ = kNone;
    std::ptrdiff_t pressed_ = kNone;
    std::ptrdiff_t focused_ = kNone;
    bool ringShown_ = false;                  // only while the focus came from the keyboard
    std::optional<std::uint64_t> firstGrid_;  // the generation of the picker's first grid, drawn ahead
    qreal firstScreenKeptAt_ = 0;             // the ratio its first screen was last kept at
    QTimer longPress_;
    QPointer<SkinToneStrip> strip_;  // made on first use, a child of the window so that no viewport clips it
};

}  // namespace zindo::platform::qt
