#include "platform/qt/glyph_icon_engine.h"

#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QVersionNumber>

#include "platform/qt/emoji_renderer.h"

namespace zindo::platform::qt {
namespace {

// The colour emoji font's bitmaps are 136 pixels wide, at 109 pixels a
// glyph: drawn at that size they come out as they are, and every tray size
// scales down from them.
constexpr double kBitmapPixelSize = 109.0;
constexpr int kCanvas = 192;

QImage drawGlyphCropped(const QString& glyph) {
    QImage canvas(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(EmojiRenderer::emojiFont(kBitmapPixelSize));
        painter.drawText(canvas.rect(), Qt::AlignCenter, EmojiRenderer::drawableText(glyph));
    }
    QRect visible;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) != 0) visible |= QRect(x, y, 1, 1);
        }
    }
    return visible.isEmpty() ? canvas : canvas.copy(visible);
}

}  // namespace

GlyphIconEngine::GlyphIconEngine(QString glyph) : glyph_(std::move(glyph)), glyphImage_(drawGlyphCropped(glyph_)) {}

void GlyphIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) {
    const QSize fitted = glyphImage_.size().scaled(rect.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), fitted);
    target.moveCenter(rect.center());
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, glyphImage_);
    painter->restore();
}

QPixmap GlyphIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap GlyphIconEngine::scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) {
    // Before Qt 6.8 QIcon passes the size in device pixels already, from 6.8 on in logical ones.
    const QSize pixels = QLibraryInfo::version() >= QVersionNumber(6, 8) ? size * scale : size;
    // Scaled in one step with an area filter, sharper than a painter's bilinear scaling.
    const QImage fitted = glyphImage_.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage square(pixels, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    {
        QPainter painter(&square);
        painter.drawImage((pixels.width() - fitted.width()) / 2, (pixels.height() - fitted.height()) / 2, fitted);
    }
    QPixmap pixmap = QPixmap::fromImage(square);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

// The sizes a StatusNotifierItem host is sent, drawn then.
QList<QSize> GlyphIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    return {QSize(16, 16), QSize(22, 22), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
}

QIconEngine* GlyphIconEngine::clone() const { return new GlyphIconEngine(glyph_); }

}  // namespace zindo::platform::qt
