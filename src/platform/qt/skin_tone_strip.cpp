#include "platform/qt/skin_tone_strip.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace zindo::platform::qt {
namespace {

constexpr int kPaddingPx = 4;  // around the cells and between them

}  // namespace

SkinToneStrip::SkinToneStrip(EmojiRenderer& renderer, QWidget* window) : QWidget(window), renderer_(renderer) {
    setObjectName(QStringLiteral("skinTones"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    hide();
}

void SkinToneStrip::open(std::vector<Cell> cells, double pixelSize, QRect anchor, bool ringShown, QWidget* opener,
                         std::function<void(std::ptrdiff_t)> choose) {
    cells_ = std::move(cells);
    pixelSize_ = pixelSize;
    box_ = anchor.width();
    opener_ = opener;
    choose_ = std::move(choose);
    ++generation_;
    hovered_ = pressed_ = kNone;
    focused_ = 0;
    ringShown_ = ringShown;
    const int box = static_cast<int>(box_);
    const QSize size(static_cast<int>(cellCount()) * (box + kPaddingPx) + kPaddingPx, box + 2 * kPaddingPx);
    // Above the cell, with its first cell straight over it; below where the window ends above.
    const QWidget* window = parentWidget();
    const int x = std::clamp(anchor.left() - kPaddingPx, 0, std::max(0, window->width() - size.width()));
    const int y = anchor.top() - size.height() >= 0 ? anchor.top() - size.height() : anchor.bottom() + 1;
    setGeometry(QRect(QPoint(x, y), size));
    // Drawn before the first paint, on both cores.
    QStringList emoji;
    for (const Cell& cell : cells_) emoji << cell.emoji;
    renderer_.drawNow(emoji, pixelSize_, box_, devicePixelRatioF());
    raise();
    show();
    setFocus(Qt::PopupFocusReason);
    qApp->installEventFilter(this);
    setFocused(0);
}

void SkinToneStrip::dismiss() {
    if (!isVisible()) return;
    qApp->removeEventFilter(this);
    // Before hiding, which would hand the focus to the next widget in line.
    if (hasFocus() && opener_ != nullptr) opener_->setFocus(Qt::PopupFocusReason);
    hide();
}

QString SkinToneStrip::cellName(std::ptrdiff_t index) const {
    return hasCell(index) ? cells_[static_cast<std::size_t>(index)].emoji : QString();
}

QString SkinToneStrip::cellDescription(std::ptrdiff_t index) const {
    return hasCell(index) ? cells_[static_cast<std::size_t>(index)].description : QString();
}

QRect SkinToneStrip::cellRect(std::ptrdiff_t index) const {
    if (!hasCell(index)) return {};
    const int box = static_cast<int>(box_);
    return QRect(kPaddingPx + static_cast<int>(index) * (box + kPaddingPx), kPaddingPx, box, box);
}

std::ptrdiff_t SkinToneStrip::cellAt(QPointF position) const {
    for (std::ptrdiff_t index = 0; index < cellCount(); ++index) {
        if (QRectF(cellRect(index)).contains(position)) return index;
    }
    return kNone;
}

void SkinToneStrip::pressCell(std::ptrdiff_t index) {
    if (!hasCell(index) || !isVisible()) return;
    const std::function<void(std::ptrdiff_t)> choose = std::move(choose_);
    dismiss();
    choose(index);
}

void SkinToneStrip::setFocused(std::ptrdiff_t index) {
    focused_ = index;
    update();
    announceFocusedCell(*this, index);
}

bool SkinToneStrip::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        showCellToolTip(*this, *this, *static_cast<QHelpEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

// A click anywhere else in the picker only closes the strip; other windows,
// such as the tray's menu, keep their clicks.
bool SkinToneStrip::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::Wheel) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window() || widget == this || isAncestorOf(widget)) return false;
    dismiss();
    return true;
}

void SkinToneStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1.0));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    const qreal ratio = devicePixelRatioF();
    for (std::ptrdiff_t index = 0; index < cellCount(); ++index) {
        const QRectF frame = cellRect(index);
        // As the grid shows its cells.
        if (index == pressed_ || index == hovered_) {
            QColor shade = palette().color(QPalette::Highlight);
            shade.setAlphaF(index == pressed_ ? 0.35f : 0.15f);
            painter.setPen(Qt::NoPen);
            painter.setBrush(shade);
            painter.drawRoundedRect(frame, 8, 8);
        }
        painter.drawImage(frame.topLeft(), renderer_.image(cellName(index), pixelSize_, box_, ratio));
        if (index == focusedCell() && ringShown_) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 8, 8);
        }
    }
}

void SkinToneStrip::mouseMoveEvent(QMouseEvent* event) {
    const std::ptrdiff_t index = cellAt(event->position());
    if (index == hovered_) return;
    hovered_ = index;
    update();
}

void SkinToneStrip::leaveEvent(QEvent*) {
    hovered_ = kNone;
    update();
}

void SkinToneStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = cellAt(event->position());
    update();
}

void SkinToneStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const std::ptrdiff_t pressed = pressed_;
    pressed_ = kNone;
    update();
    if (pressed != kNone && cellAt(event->position()) == pressed) pressCell(pressed);
}

void SkinToneStrip::keyPressEvent(QKeyEvent* event) {
    ringShown_ = true;
    switch (event->key()) {
        case Qt::Key_Left:
            setFocused(std::max<std::ptrdiff_t>(0, focused_ - 1));
            return;
        case Qt::Key_Right:
            setFocused(std::min(cellCount() - 1, focused_ + 1));
            return;
        case Qt::Key_Home:
            setFocused(0);
            return;
        case Qt::Key_End:
            setFocused(cellCount() - 1);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            pressCell(focused_);
            return;
        case Qt::Key_Escape:
            dismiss();
            return;
        default:
            event->ignore();
    }
}

// Tab, say: the strip's part is over. Not for another window, nor for the
// focus it hands back as it closes; a click, which moves the focus before
// the click arrives, is the event filter's.
void SkinToneStrip::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MouseFocusReason)
        dismiss();
}

}  // namespace zindo::platform::qt
