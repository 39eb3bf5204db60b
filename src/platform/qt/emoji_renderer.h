// Emoji drawn once into a pixmap per size and device pixel ratio, then
// blitted: drawing colour emoji text rescales the font's bitmaps on every paint.
#pragma once

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QString>

namespace zindo::platform::qt {

class EmojiRenderer {
public:
    EmojiRenderer();

    // A square pixmap, in device-independent pixels of side `box`, with the
    // text centred in it at the given pixel size.
    const QPixmap& pixmap(const QString& text, double pixelSize, double box, qreal devicePixelRatio);

    // The colour emoji font first, so that no emoji falls to a black-and-white one.
    static QFont emojiFont(double pixelSize);
    // The text as the colour font shapes it into one glyph. The font has no
    // U+FE0F, so Qt takes that from another font and splits the sequence
    // (an eye and a bubble instead of 👁️‍🗨️); without it every emoji in the
    // list comes out whole. Only the drawing drops it: copies stay exact.
    static QString drawableText(QString text);
    // Plain text as rich text whose emoji come from the colour emoji font, as
    // in the grid: a label's own font may have a black-and-white glyph (a
    // grey outline for the heart of "❤️"), which it would use first.
    static QString withColourEmoji(const QString& text);
    static bool hasColourEmojiFont();
    static QString colourEmojiFamily();

private:
    QHash<QString, QPixmap> cache_;
};

}  // namespace zindo::platform::qt
