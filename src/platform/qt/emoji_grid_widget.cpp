#include "platform/qt/emoji_grid_widget.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>

#include "platform/qt/geometry.h"
#include "platform/qt/grid_focus.h"
#include "platform/qt/skin_tone_strip.h"

namespace zindo::platform::qt {
namespace {

constexpr int kLongPressMs = 500;

std::optional<FocusMove> focusMoveFor(int key) {
    switch (key) {
        case Qt::Key_Left:
            return FocusMove::left;
        case Qt::Key_Right:
            return FocusMove::right;
        case Qt::Key_Up:
            return FocusMove::up;
        case Qt::Key_Down:
            return FocusMove::down;
        case Qt::Key_Home:
            return FocusMove::first;
        case Qt::Key_End:
            return FocusMove::last;
        case Qt::Key_PageUp:
            return FocusMove::pageUp;
        case Qt::Key_PageDown:
            return FocusMove::pageDown;
        default:
            return std::nullopt;
    }
}

}  // namespace

EmojiGridWidget::EmojiGridWidget(ScrollView& scrollView, EmojiRenderer& renderer, std::function<void()> afterClick)
    : scrollView_(&scrollView), renderer_(renderer), afterClick_(std::move(afterClick)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setObjectName(QStringLiteral("emojiGrid"));
    longPress_.setSingleShot(true);
    longPress_.setInterval(kLongPressMs);
    QObject::connect(&longPress_, &QTimer::timeout, this, [this] {
        const std::ptrdiff_t pressed = pressed_;
        pressed_ = kNone;  // the release that follows clicks nothing
        update();
        openAlternates(pressed, false);
    });
    syncDocument();
}

EmojiGridWidget::~EmojiGridWidget() { delete strip_; }

bool EmojiGridWidget::syncDocument() {
    if (scrollView_ == nullptr || scrollView_->documentGeneration() == generation_) return false;
    generation_ = scrollView_->documentGeneration();
    closeAlternates();
    hovered_ = pressed_ = kNone;
    cells_.clear();
    const View* document = this->document();
    if (document != nullptr) {
        const auto& subviews = document->subviews();
        for (std::size_t index = 0; index < subviews.size(); ++index) {
            if (dynamic_cast<const Button*>(subviews[index].get()) != nullptr) cells_.push_back(index);
        }
    }
    // The picker's first grid is drawn ahead: the grids that typing brings
    // show its emoji again, and find them ready.
    if (!firstGrid_ && !cells_.empty()) {
        firstGrid_ = generation_;
        QStringList titles;
        for (std::ptrdiff_t index = 0; index < cellCount(); ++index)
            titles << QString::fromStdString(cell(index)->title());
        renderer_.drawAhead(titles, cell(0)->font().pointSize, cell(0)->frame().size.width, devicePixelRatioF());
    }
    const Size size = document != nullptr ? document->frame().size : Size{};
    setFixedSize(static_cast<int>(size.width), static_cast<int>(size.height));
    // A focused grid starts again at its first cell.
    focused_ = kNone;
    if (hasFocus() && !cells_.empty()) setFocused(0);
    if (QAccessible::isActive()) {
        QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    }
    update();
    return true;
}

void EmojiGridWidget::detach() {
    closeAlternates();
    scrollView_ = nullptr;
    cells_.clear();
    hovered_ = pressed_ = focused_ = kNone;
}

const Button* EmojiGridWidget::cell(std::ptrdiff_t index) const {
    // The tree may have changed since the last syncDocument(): a stale index finds nothing.
    const View* document = this->document();
    if (document == nullptr || index < 0 || index >= cellCount()) return nullptr;
    const std::size_t at = cells_[static_cast<std::size_t>(index)];
    return at < document->subviews().size() ? dynamic_cast<const Button*>(document->subviews()[at].get()) : nullptr;
}

QString EmojiGridWidget::cellName(std::ptrdiff_t index) const {
    const Button* button = cell(index);
    return button != nullptr ? QString::fromStdString(button->title()) : QString();
}

QString EmojiGridWidget::cellDescription(std::ptrdiff_t index) const {
    const Button* button = cell(index);
    return button != nullptr ? QString::fromStdString(button->toolTip()) : QString();
}

QRect EmojiGridWidget::cellRect(std::ptrdiff_t index) const {
    const Button* button = cell(index);
    if (button == nullptr) return {};
    return toQt(button->frame(), document()->frame().size.height).toRect();
}

void EmojiGridWidget::pressCell(std::ptrdiff_t index) { sendFromCell(index, kNone); }

void EmojiGridWidget::sendFromCell(std::ptrdiff_t index, std::ptrdiff_t alternate) {
    const Button* button = cell(index);
    if (button == nullptr) return;
    // Held for the click: the action may rebuild the grid.
    const auto held =
        std::const_pointer_cast<Button>(std::static_pointer_cast<const Button>(button->shared_from_this()));
    if (alternate == kNone) {
        held->performClick();
    } else {
        held->performAlternateClick(static_cast<std::size_t>(alternate));
    }
    afterClick_();
}

bool EmojiGridWidget::hasAlternates(std::ptrdiff_t index) const {
    const Button* button = cell(index);
    return button != nullptr && !button->alternates().empty();
}

// The cell as shown, then its alternates; the first of the strip clicks the cell.
void EmojiGridWidget::openAlternates(std::ptrdiff_t index, bool fromKeyboard) {
    if (!hasAlternates(index)) return;
    const Button* button = cell(index);
    std::vector<SkinToneStrip::Cell> cells{{cellName(index), cellDescription(index)}};
    for (const Button::Alternate& alternate : button->alternates())
        cells.push_back({QString::fromStdString(alternate.title), QString::fromStdString(alternate.toolTip)});
    if (strip_ == nullptr) strip_ = new SkinToneStrip(renderer_, window());
    focused_ = index;  // keys go on from it once the strip closes
    const QRect rect = cellRect(index);
    strip_->open(std::move(cells), button->font().pointSize, QRect(mapTo(window(), rect.topLeft()), rect.size()),
                 fromKeyboard, this,
                 [this, index](std::ptrdiff_t chosen) { sendFromCell(index, chosen == 0 ? kNone : chosen - 1); });
}

void EmojiGridWidget::closeAlternates() {
    longPress_.stop();
    if (strip_ != nullptr) strip_->dismiss();
}

std::ptrdiff_t EmojiGridWidget::cellAt(QPointF position) const {
    const View* document = this->document();
    if (document == nullptr) return kNone;
    const Point point = fromQt(position, document->frame().size.height);
    // Topmost first, as the view tree stacks them.
    for (std::ptrdiff_t index = cellCount() - 1; index >= 0; --index) {
        if (contains(cell(index)->frame(), point)) return index;
    }
    return kNone;
}

// Buttons in the first row share its origin.
std::ptrdiff_t EmojiGridWidget::columns() const {
    if (cells_.empty()) return 1;
    const double firstRow = cell(0)->frame().origin.y;
    std::ptrdiff_t count = 1;
    while (count < cellCount() && cell(count)->frame().origin.y == firstRow) ++count;
    return count;
}

std::ptrdiff_t EmojiGridWidget::visibleRows() const {
    const std::ptrdiff_t perRow = columns();
    if (cellCount() <= perRow || parentWidget() == nullptr) return 1;
    const double pitch = cell(0)->frame().origin.y - cell(perRow)->frame().origin.y;
    return std::max<std::ptrdiff_t>(1, static_cast<std::ptrdiff_t>(parentWidget()->height() / pitch));
}

void EmojiGridWidget::setHovered(std::ptrdiff_t index) {
    if (index == hovered_) return;
    hovered_ = index;
    update();
}

void EmojiGridWidget::setFocused(std::ptrdiff_t index) {
    focused_ = index;
    update();
    if (index == kNone) return;
    const QRect rect = cellRect(index);
    // The whole cell stays in view with the document's inset around it, so
    // the first and last rows scroll to the very top and bottom.
    constexpr int kInset = 20;
    if (auto* area = qobject_cast<QScrollArea*>(parentWidget() != nullptr ? parentWidget()->parentWidget() : nullptr))
        area->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + kInset,
                            rect.height() / 2 + kInset);
    announceFocusedCell(*this, index);
}

bool EmojiGridWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        showCellToolTip(*this, *this, *static_cast<QHelpEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void EmojiGridWidget::paintEvent(QPaintEvent* event) {
    const View* document = this->document();
    if (document == nullptr) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double height = document->frame().size.height;
    const qreal ratio = devicePixelRatioF();
    const QRectF visible = event->rect();
    // The emoji this paint shows that are not drawn yet, drawn on both cores at once.
    QStringList shown;
    for (std::ptrdiff_t index = 0; index < cellCount(); ++index) {
        if (toQt(cell(index)->frame(), height).intersects(visible))
            shown << QString::fromStdString(cell(index)->title());
    }
    if (!shown.isEmpty()) renderer_.drawNow(shown, cell(0)->font().pointSize, cell(0)->frame().size.width, ratio);
    // What the next picker shows first, kept while the program idles. At each ratio, since a
    // window on Wayland learns its screen's only once shown.
    if (generation_ == firstGrid_ && ratio != firstScreenKeptAt_ && !shown.isEmpty()) {
        firstScreenKeptAt_ = ratio;
        renderer_.keepWhenForgetting(shown, cell(0)->font().pointSize, cell(0)->frame().size.width, ratio);
    }
    const Button* focusedButton = cell(focusedCell());
    const Button* pressedButton = cell(pressed_);
    const Button* hoveredButton = cell(hovered_);
    for (const auto& subview : document->subviews()) {
        const View& view = *subview;
        const QRectF frame = toQt(view.frame(), height);
        if (!frame.intersects(visible)) continue;
        if (const auto* button = dynamic_cast<const Button*>(&view)) {
            const bool pressed = button == pressedButton;
            if (pressed || button == hoveredButton) {
                QColor shade = palette().color(QPalette::Highlight);
                shade.setAlphaF(pressed ? 0.35f : 0.15f);
                painter.setPen(Qt::NoPen);
                painter.setBrush(shade);
                painter.drawRoundedRect(frame, 8, 8);
            }
            painter.drawImage(frame.topLeft(), renderer_.image(QString::fromStdString(button->title()),
                                                               button->font().pointSize, frame.width(), ratio));
            if (button == focusedButton && ringShown_) {
                painter.setPen(QPen(palette().color(QPalette::Highlight), 2.0));
                painter.setBrush(Qt::NoBrush);
                painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 8, 8);
            }
        } else if (const auto* label = dynamic_cast<const TextField*>(&view)) {
            painter.setOpacity(label->alphaValue());
            painter.drawImage(frame.topLeft(), renderer_.image(QString::fromStdString(label->stringValue()),
                                                               label->font().pointSize, frame.width(), ratio));
            painter.setOpacity(1.0);
        }
    }
}

void EmojiGridWidget::mouseMoveEvent(QMouseEvent* event) {
    setHovered(cellAt(event->position()));
    if (hovered_ != pressed_) longPress_.stop();
}

void EmojiGridWidget::leaveEvent(QEvent*) { setHovered(kNone); }

void EmojiGridWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) openAlternates(cellAt(event->position()), false);
    if (event->button() != Qt::LeftButton) return;
    pressed_ = cellAt(event->position());
    // Keys go on from the pressed cell; its ring waits for the first of them.
    if (pressed_ != kNone) focused_ = pressed_;
    if (hasAlternates(pressed_)) longPress_.start();
    update();
}

void EmojiGridWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    longPress_.stop();
    const std::ptrdiff_t released = cellAt(event->position());
    const std::ptrdiff_t pressed = pressed_;
    pressed_ = kNone;
    update();
    if (released != kNone && released == pressed) pressCell(released);
}

void EmojiGridWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (focused_ != kNone) pressCell(focused_);
        return;
    }
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        // As the arrows do, from the first cell where none has the ring yet.
        ringShown_ = true;
        openAlternates(focused_ == kNone ? 0 : focused_, true);
        return;
    }
    const std::optional<FocusMove> move = focusMoveFor(key);
    if (!move) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (cells_.empty()) {
        if (*move == FocusMove::up && leaveUpwards_) leaveUpwards_();
        return;
    }
    ringShown_ = true;
    const std::optional<std::ptrdiff_t> next =
        moveFocus(focused_ == kNone ? 0 : focused_, *move, GridShape{cellCount(), columns(), visibleRows()});
    if (!next) {
        if (leaveUpwards_) leaveUpwards_();
        return;
    }
    setFocused(*next);
}

void EmojiGridWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Coming back to the window keeps the cell; arriving from the field starts at the first.
    const bool returning = event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (returning && focused_ != kNone) {
        update();
        return;
    }
    // As desktop toolkits do, a click shows no ring; nor does it scroll to the first cell.
    ringShown_ = event->reason() != Qt::MouseFocusReason;
    if (ringShown_) setFocused(cells_.empty() ? kNone : 0);
}

void EmojiGridWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace zindo::platform::qt
