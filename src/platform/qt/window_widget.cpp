#include "platform/qt/window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include "platform/controls.h"
#include "platform/qt/emoji_grid_widget.h"
#include "platform/qt/emoji_renderer.h"
#include "platform/qt/geometry.h"
#include "platform/qt/quiet_text.h"

namespace zindo::platform::qt {
namespace {

Qt::WindowFlags flagsFor(unsigned styleMask) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if ((styleMask & StyleMask::titled) != 0) flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if ((styleMask & StyleMask::closable) != 0) flags |= Qt::WindowCloseButtonHint;
    if ((styleMask & StyleMask::miniaturizable) != 0) flags |= Qt::WindowMinimizeButtonHint;
    if ((styleMask & StyleMask::resizable) != 0) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

Qt::Alignment toQt(TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::center:
            return Qt::AlignCenter;
        case TextAlignment::right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case TextAlignment::left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The field's keys that reach past it: Down into the grid, Enter for the
// first cell. Esc, which QLineEdit ignores, goes on to the window.
class SearchLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    void setGrid(EmojiGridWidget* grid) { grid_ = grid; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_Down:
                if (grid_ != nullptr) grid_->setFocus(Qt::TabFocusReason);
                return;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (grid_ != nullptr) grid_->pressCell(0);
                return;
            default:
                QLineEdit::keyPressEvent(event);
        }
    }

private:
    EmojiGridWidget* grid_ = nullptr;
};

// A label whose line the renderer draws, emoji in colour, and keeps.
class EmojiTextLabel : public QLabel {
public:
    EmojiTextLabel(const QString& text, EmojiRenderer& renderer, QWidget* parent)
        : QLabel(parent), renderer_(renderer) {
        setTextFormat(Qt::PlainText);
        setText(text);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        const QRect box = contentsRect();
        QPainter painter(this);
        painter.drawImage(box.topLeft(), renderer_.textLine({text(), font(), palette().color(foregroundRole()),
                                                             alignment(), box.size(), devicePixelRatioF()}));
    }

private:
    EmojiRenderer& renderer_;
};

}  // namespace

WindowWidget::WindowWidget(EmojiRenderer& renderer, std::function<void()> afterEvent)
    : renderer_(renderer), afterEvent_(std::move(afterEvent)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setObjectName(QStringLiteral("pickerWindow"));
}

void WindowWidget::attach(Window& window) {
    window_ = &window;
    // Only a change of flags: any setting of them makes a new native window.
    const Qt::WindowFlags flags = flagsFor(window.styleMask());
    if (windowFlags() != flags) setWindowFlags(flags);
    setWindowTitle(QString::fromStdString(window.title()));
    const Rect content = window.contentRect();
    resize(static_cast<int>(content.size.width), static_cast<int>(content.size.height));
    // The grids first: their emoji start drawing on the worker while the rest is built.
    for (const bool grids : {true, false}) {
        for (const auto& view : window.contentView()->subviews()) {
            if ((dynamic_cast<ScrollView*>(view.get()) != nullptr) == grids) realise(view);
        }
    }
    placeChildren();
    // The user types at once; Up from the grid's top row comes back here.
    for (auto& [field, edit] : fields_) {
        auto* search = static_cast<SearchLineEdit*>(edit);
        if (!documents_.empty()) {
            EmojiGridWidget* grid = documents_.front().second;
            search->setGrid(grid);
            QWidget::setTabOrder(search, grid);
            grid->setOnLeaveUpwards([search] { search->setFocus(Qt::BacktabFocusReason); });
        }
        search->setFocus();
    }
    quietenTexts();
}

void WindowWidget::realise(const std::shared_ptr<View>& view) {
    if (auto* field = dynamic_cast<SearchField*>(view.get())) {
        auto* edit = new SearchLineEdit(this);
        edit->setObjectName(QStringLiteral("searchField"));
        edit->setPlaceholderText(QString::fromStdString(field->placeholderString()));
        edit->setAccessibleName(edit->placeholderText());
        edit->setClearButtonEnabled(true);
        edit->setText(QString::fromStdString(field->stringValue()));
        QObject::connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            const std::string value = text.toStdString();
            if (value == field->stringValue()) return;
            // Emptying the field, by the clear button, Esc or deleting, ends the search.
            if (value.empty()) {
                field->userDidCancelSearch();
            } else {
                field->userDidEditText(value);
            }
            afterEvent_();
        });
        fields_.emplace_back(field, edit);
        children_.push_back({view.get(), edit});
    } else if (auto* scrollView = dynamic_cast<ScrollView*>(view.get())) {
        auto* area = new QScrollArea(this);
        area->setObjectName(QStringLiteral("scrollView"));
        area->setFocusPolicy(Qt::NoFocus);  // Tab goes from the field straight to the grid
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setVerticalScrollBarPolicy(scrollView->hasVerticalScroller() && !scrollView->autohidesScrollers()
                                             ? Qt::ScrollBarAlwaysOn
                                             : Qt::ScrollBarAsNeeded);
        area->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // a short document sits at the top
        area->setWidgetResizable(false);
        auto* document = new EmojiGridWidget(*scrollView, renderer_, afterEvent_);
        area->setWidget(document);
        documents_.emplace_back(area, document);
        children_.push_back({view.get(), area});
    } else if (auto* text = dynamic_cast<TextField*>(view.get())) {
        auto* label = new EmojiTextLabel(QString::fromStdString(text->stringValue()), renderer_, this);
        label->setObjectName(QStringLiteral("credits"));
        label->setAlignment(toQt(text->alignment()));
        QFont font = label->font();
        font.setPixelSize(static_cast<int>(text->font().pointSize + 0.5));
        label->setFont(font);
        if (text->textColor() == Color::secondaryLabel) quietLabels_.push_back(label);
        children_.push_back({view.get(), label});
    }
}

// From the window's palette, which the children's quiet colours leave as it is.
void WindowWidget::quietenTexts() {
    const QColor placeholder = quietTextColour(palette(), QPalette::Text, QPalette::Base);
    const QColor credits = quietTextColour(palette(), QPalette::WindowText, QPalette::Window);
    for (auto& [field, edit] : fields_) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::PlaceholderText, placeholder);
        edit->setPalette(palette);
    }
    for (QLabel* label : quietLabels_) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, credits);
        label->setPalette(palette);
    }
}

// The desktop's style changed while the picker is open.
void WindowWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) quietenTexts();
}

void WindowWidget::placeChildren() {
    // Frames are measured from the bottom-left corner, so a resize keeps
    // their distance from the bottom, not from the top.
    const double height = this->height();
    for (const Realised& child : children_) child.widget->setGeometry(toQt(child.view->frame(), height).toRect());
}

// Esc from anywhere in the picker ends the search, back in the field, or
// with nothing to clear closes the picker.
void WindowWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || fields_.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    QLineEdit* search = fields_.front().second;
    if (search->text().isEmpty()) {
        close();
    } else {
        search->setFocus(Qt::OtherFocusReason);
        search->clear();  // a text change, then the end of the search
    }
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChildren();
}

void WindowWidget::syncFromTree(bool animating) {
    if (window_ == nullptr) return;
    for (auto& [field, edit] : fields_) {
        const QString text = QString::fromStdString(field->stringValue());
        if (edit->text() != text) {
            const QSignalBlocker blocker(edit);
            edit->setText(text);
        }
    }
    for (auto& [area, document] : documents_) {
        if (document->syncDocument()) {
            area->verticalScrollBar()->setValue(0);  // a new document shows its top
        } else if (animating) {
            document->update();
        }
    }
}

void WindowWidget::dismiss() {
    window_ = nullptr;
    // The views go with the window; events still queued for these widgets
    // before their deletion, or a hide's input method commit, must not reach them.
    for (auto& [field, edit] : fields_) QObject::disconnect(edit, nullptr, this, nullptr);
    for (auto& [area, document] : documents_) document->detach();
    hide();
    setWindowTitle({});  // hidden, it is no picker to whoever lists the windows
    for (const Realised& child : children_) {
        child.widget->hide();  // not to show with the next window before it goes
        child.widget->deleteLater();
    }
    children_.clear();
    fields_.clear();
    documents_.clear();
    quietLabels_.clear();
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // The close button, or Qt closing every window to quit: the window closes
    // in the view tree, which dismisses us. Refusing would cancel a quit.
    event->accept();
    if (window_ == nullptr) return;
    window_->close();
    afterEvent_();
}

}  // namespace zindo::platform::qt
