#include "platform/qt/document_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/qt/geometry.h"

namespace zindo::platform::qt {

DocumentWidget::DocumentWidget(ScrollView& scrollView, EmojiRenderer& renderer, std::function<void()> afterClick)
    : scrollView_(&scrollView), renderer_(renderer), afterClick_(std::move(afterClick)) {
    setMouseTracking(true);
    setObjectName(QStringLiteral("emojiGrid"));
    syncDocument();
}

bool DocumentWidget::syncDocument() {
    if (scrollView_ == nullptr || scrollView_->documentGeneration() == generation_) return false;
    generation_ = scrollView_->documentGeneration();
    hovered_ = pressed_ = kNone;
    const View* document = this->document();
    const Size size = document != nullptr ? document->frame().size : Size{};
    setFixedSize(static_cast<int>(size.width), static_cast<int>(size.height));
    update();
    return true;
}

std::ptrdiff_t DocumentWidget::buttonAt(QPointF position) const {
    const View* document = this->document();
    if (document == nullptr) return kNone;
    const Point point = fromQt(position, document->frame().size.height);
    const auto& subviews = document->subviews();
    // Topmost first, as the view tree stacks them.
    for (auto index = static_cast<std::ptrdiff_t>(subviews.size()) - 1; index >= 0; --index) {
        const View& view = *subviews[static_cast<std::size_t>(index)];
        if (dynamic_cast<const Button*>(&view) != nullptr && contains(view.frame(), point)) return index;
    }
    return kNone;
}

void DocumentWidget::setHovered(std::ptrdiff_t index) {
    if (index == hovered_) return;
    hovered_ = index;
    update();
}

void DocumentWidget::paintEvent(QPaintEvent* event) {
    const View* document = this->document();
    if (document == nullptr) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double height = document->frame().size.height;
    const qreal ratio = devicePixelRatioF();
    const QRectF visible = event->rect();
    const auto& subviews = document->subviews();
    for (std::size_t index = 0; index < subviews.size(); ++index) {
        const View& view = *subviews[index];
        const QRectF frame = toQt(view.frame(), height);
        if (!frame.intersects(visible)) continue;
        if (const auto* button = dynamic_cast<const Button*>(&view)) {
            const auto at = static_cast<std::ptrdiff_t>(index);
            if (at == hovered_ || at == pressed_) {
                QColor shade = palette().color(QPalette::Highlight);
                shade.setAlphaF(at == pressed_ ? 0.35f : 0.15f);
                painter.setPen(Qt::NoPen);
                painter.setBrush(shade);
                painter.drawRoundedRect(frame, 8, 8);
            }
            painter.drawPixmap(frame.topLeft(), renderer_.pixmap(QString::fromStdString(button->title()),
                                                                 button->font().pointSize, frame.width(), ratio));
        } else if (const auto* label = dynamic_cast<const TextField*>(&view)) {
            painter.setOpacity(label->alphaValue());
            painter.drawPixmap(frame.topLeft(), renderer_.pixmap(QString::fromStdString(label->stringValue()),
                                                                 label->font().pointSize, frame.width(), ratio));
            painter.setOpacity(1.0);
        }
    }
}

void DocumentWidget::mouseMoveEvent(QMouseEvent* event) { setHovered(buttonAt(event->position())); }

void DocumentWidget::leaveEvent(QEvent*) { setHovered(kNone); }

void DocumentWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = buttonAt(event->position());
    update();
}

void DocumentWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const std::ptrdiff_t released = buttonAt(event->position());
    const std::ptrdiff_t pressed = pressed_;
    pressed_ = kNone;
    update();
    if (released == kNone || released != pressed) return;
    const View* document = this->document();
    // Held for the click: the action may rebuild the grid.
    const std::shared_ptr<View> view = document->subviews()[static_cast<std::size_t>(released)];
    static_cast<Button&>(*view).performClick();
    afterClick_();
}

}  // namespace zindo::platform::qt
