#include "platform/qt/tray.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>

#include "platform/qt/emoji_renderer.h"

namespace zindo::platform::qt {
namespace {

// The glyph drawn at the size and ratio the tray asks for, when it asks: it
// shows one or two of the many sizes an icon could hold, and each takes a
// colour emoji's bitmap rescaled.
class GlyphIconEngine : public QIconEngine {
public:
    explicit GlyphIconEngine(QString glyph) : glyph_(std::move(glyph)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        painter->setFont(EmojiRenderer::emojiFont(rect.height() * 0.8));
        painter->drawText(rect, Qt::AlignCenter, EmojiRenderer::drawableText(glyph_));
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }
    // The sizes a StatusNotifierItem host is sent, drawn then.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(22, 22), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }
    QIconEngine* clone() const override { return new GlyphIconEngine(glyph_); }

private:
    QString glyph_;
};

}  // namespace

std::shared_ptr<StatusItem> Tray::statusItemWithLength(double length) {
    auto item = std::make_shared<StatusItem>(length, std::make_shared<Button>());
    entries_.push_back(Entry{item, nullptr});
    return item;
}

void Tray::show() {
    // Qt looks out for a tray that starts later only on X11; elsewhere an icon
    // with no tray to go to only makes Qt warn.
    if (!QSystemTrayIcon::isSystemTrayAvailable() && QGuiApplication::platformName() != QStringLiteral("xcb")) return;
    if (menu_.isEmpty()) {
        menu_.addAction(QStringLiteral("Quit ZindoZindo"), qApp, &QCoreApplication::quit);
    }
    for (Entry& entry : entries_) {
        if (entry.icon != nullptr || entry.item->button() == nullptr) continue;
        const QString title = QString::fromStdString(entry.item->button()->title());
        entry.icon = std::make_unique<QSystemTrayIcon>(QIcon(new GlyphIconEngine(title)));
        entry.icon->setToolTip(title);
        entry.icon->setContextMenu(&menu_);
        Button* button = entry.item->button();
        QObject::connect(entry.icon.get(), &QSystemTrayIcon::activated,
                         [this, button](QSystemTrayIcon::ActivationReason reason) {
                             if (reason != QSystemTrayIcon::Trigger) return;
                             button->performClick();
                             afterClick_();
                         });
        entry.icon->show();
    }
}

void Tray::clickFirstItem() {
    if (entries_.empty() || entries_.front().item->button() == nullptr) return;
    entries_.front().item->button()->performClick();
    afterClick_();
}

}  // namespace zindo::platform::qt
