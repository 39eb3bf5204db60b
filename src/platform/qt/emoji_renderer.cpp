#include "platform/qt/emoji_renderer.h"

#include <QFontDatabase>
#include <QPainter>

namespace zindo::platform::qt {
namespace {

const QString kColourEmojiFamily = QStringLiteral("Noto Color Emoji");

}  // namespace

EmojiRenderer::EmojiRenderer() = default;

QFont EmojiRenderer::emojiFont(double pixelSize) {
    QFont font;
    font.setFamilies({kColourEmojiFamily, font.family()});
    font.setPixelSize(static_cast<int>(pixelSize + 0.5));
    return font;
}

QString EmojiRenderer::drawableText(QString text) {
    text.remove(QChar(0xFE0F));
    return text;
}

QString EmojiRenderer::withColourEmoji(const QString& text) {
    // An emoji here is what asks for emoji presentation with U+FE0F, or lies
    // in the supplementary planes' pictographs, as every emoji of ours does.
    const QList<uint> points = text.toUcs4();
    QString html;
    for (qsizetype at = 0; at < points.size(); ++at) {
        const bool emoji = points[at] >= 0x1F000 || (at + 1 < points.size() && points[at + 1] == 0xFE0F);
        if (points[at] == 0xFE0F) continue;
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t*>(&points[at]), 1).toHtmlEscaped();
        html += emoji ? QStringLiteral("<span style=\"font-family:'%1'\">%2</span>").arg(kColourEmojiFamily, character)
                      : character;
    }
    return html;
}

QString EmojiRenderer::colourEmojiFamily() { return kColourEmojiFamily; }

bool EmojiRenderer::hasColourEmojiFont() { return QFontDatabase::families().contains(kColourEmojiFamily); }

const QPixmap& EmojiRenderer::pixmap(const QString& text, double pixelSize, double box, qreal devicePixelRatio) {
    const QString key = QStringLiteral("%1|%2|%3|%4").arg(text).arg(pixelSize).arg(box).arg(devicePixelRatio);
    const auto found = cache_.constFind(key);
    if (found != cache_.constEnd()) return *found;

    const int side = static_cast<int>(box * devicePixelRatio + 0.5);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.setFont(emojiFont(pixelSize));
    painter.drawText(QRectF(0, 0, box, box), Qt::AlignCenter, drawableText(text));
    painter.end();
    return *cache_.insert(key, pixmap);
}

}  // namespace zindo::platform::qt
