#include "platform/qt/tray.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>

#include "platform/qt/emoji_renderer.h"

namespace zindo::platform::qt {
namespace {

// Drawn from the glyph at every size a panel asks for, sharp at the screen's ratio.
QIcon iconFromGlyph(const QString& glyph) {
    const qreal ratio =
        QGuiApplication::primaryScreen() != nullptr ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1.0;
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64, 128}) {
        for (const qreal scale : {1.0, ratio == 1.0 ? 2.0 : ratio}) {
            const int pixels = static_cast<int>(side * scale);
            QPixmap pixmap(pixels, pixels);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                   QPainter::SmoothPixmapTransform);
            painter.setFont(EmojiRenderer::emojiFont(pixels * 0.8));
            painter.drawText(QRectF(0, 0, pixels, pixels), Qt::AlignCenter, EmojiRenderer::drawableText(glyph));
            painter.end();
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

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
        entry.icon = std::make_unique<QSystemTrayIcon>(iconFromGlyph(title));
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
