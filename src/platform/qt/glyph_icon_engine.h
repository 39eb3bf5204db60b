// An icon drawn from one colour emoji, filling its square: trays draw their
// icons small, and the glyph as a font lays it out leaves a margin around it
// that would make it smaller than the icons beside it.
#pragma once

#include <QIconEngine>
#include <QImage>
#include <QString>

namespace zindo::platform::qt {

class GlyphIconEngine : public QIconEngine {
public:
    explicit GlyphIconEngine(QString glyph);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    // At the host's pixels, so that a tray at twice the pixels gets a duck as sharp as its own icons.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    QString glyph_;
    QImage glyphImage_;  // the glyph at the font's own bitmap size, cut to its visible pixels
};

}  // namespace zindo::platform::qt
