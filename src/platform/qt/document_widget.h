// Paints a scroll view's document view as one widget: only the cells in the
// visible rectangle, with hover and pressed feedback, and hit-tests clicks
// to the button under them.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "platform/controls.h"
#include "platform/qt/emoji_renderer.h"

namespace zindo::platform::qt {

class DocumentWidget : public QWidget {
public:
    DocumentWidget(ScrollView& scrollView, EmojiRenderer& renderer, std::function<void()> afterClick);

    // Brings the widget's size in line with the document; true when the
    // document is a new one.
    bool syncDocument();
    // Lets go of the scroll view, which is going away with its window.
    void detach() { scrollView_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    static constexpr std::ptrdiff_t kNone = -1;
    const View* document() const { return scrollView_ != nullptr ? scrollView_->documentView().get() : nullptr; }
    std::ptrdiff_t buttonAt(QPointF position) const;
    void setHovered(std::ptrdiff_t index);

    ScrollView* scrollView_;
    EmojiRenderer& renderer_;
    std::function<void()> afterClick_;
    std::uint64_t generation_ = ~std::uint64_t{0};
    std::ptrdiff_t hovered_ = kNone;
    std::ptrdiff_t pressed_ = kNone;
};

}  // namespace zindo::platform::qt
