// Emoji drawn once into an image per size and device pixel ratio, then
// blitted: drawing colour emoji text rescales the font's bitmaps, about half
// a millisecond an emoji. A worker thread draws a grid's emoji ahead of need
// (an image may be painted off the main thread, a pixmap may not), so that
// no keystroke waits for emoji it has not shown before.
#pragma once

#include <QCache>
#include <QFont>
#include <QImage>
#include <QSet>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace zindo::platform::qt {

class EmojiRenderer {
public:
    EmojiRenderer();
    ~EmojiRenderer();
    EmojiRenderer(const EmojiRenderer&) = delete;
    EmojiRenderer& operator=(const EmojiRenderer&) = delete;

    // A square image, in device-independent pixels of side `box`, with the
    // text centred in it at the given pixel size: drawn ahead, or now.
    QImage image(const QString& text, double pixelSize, double box, qreal devicePixelRatio);
    // Has the worker draw these, in order, unless drawn already; replaces
    // what it had still to draw.
    void drawAhead(const QStringList& texts, double pixelSize, double box, qreal devicePixelRatio);
    // Draws those of these not drawn yet, on this thread from the last back
    // while the worker takes them from the first on, and returns when all are
    // drawn: what a paint needs at once, on both cores.
    void drawNow(const QStringList& texts, double pixelSize, double box, qreal devicePixelRatio);

    // A line of text in a label's font and colour, its emoji in colour as in
    // the grid, aligned across `size` as told and centred down it. Laying it
    // out decodes the emoji's bitmap glyph again and again, half the work of
    // a new picker: the last line drawn is kept for the next picker.
    struct TextLine {
        QString text;
        QFont font;
        QColor colour;
        Qt::Alignment alignment;
        QSize size;
        qreal devicePixelRatio;
        bool operator==(const TextLine&) const = default;
    };
    QImage textLine(const TextLine& line);

    // What a new picker shows first, kept when the rest is forgotten: its
    // first paint then waits for nothing. Replaces what was kept before.
    void keepWhenForgetting(const QStringList& texts, double pixelSize, double box, qreal devicePixelRatio);
    // Lets go of the drawings but those, and of what was still to draw: for
    // when no picker has been open for a while.
    void forgetDrawings();

    // The colour emoji font first, so that no emoji falls to a black-and-white one.
    static QFont emojiFont(double pixelSize);
    // The text as the colour font shapes it into one glyph. The font has no
    // U+FE0F, so Qt takes that from another font and splits the sequence
    // (an eye and a bubble instead of 👁️‍🗨️); without it every emoji in the
    // list comes out whole. Only the drawing drops it: copies stay exact.
    static QString drawableText(QString text);
    static bool hasColourEmojiFont();
    static QString colourEmojiFamily();

private:
    struct Drawing {
        QString text;
        double pixelSize;
        double box;
        qreal devicePixelRatio;
        bool operator==(const Drawing&) const = default;
        friend size_t qHash(const Drawing& drawing, size_t seed = 0) {
            return qHashMulti(seed, drawing.text, drawing.pixelSize, drawing.box, drawing.devicePixelRatio);
        }
    };
    static QImage draw(const Drawing& drawing);
    // Plain text as rich text whose emoji come from the colour emoji font: a
    // label's own font may have a black-and-white glyph (a grey outline for
    // the heart of "❤️"), which it would use first.
    static QString withColourEmoji(const QString& text);
    // Drawings at another ratio than the one asked for now go: a window
    // that learns its screen's ratio only once shown (Wayland's 1.25) was
    // drawn ahead at a guess no window paints with.
    void keepOnlyRatio(qreal devicePixelRatio);
    void keep(const Drawing& drawing, const QImage& image);
    void startWorker();
    void drawAheadUntilDone();

    std::optional<std::pair<TextLine, QImage>> lastLine_;  // the main thread's alone

    std::mutex mutex_;  // guards what follows, shared with the worker
    QCache<Drawing, QImage> drawn_;
    std::deque<Drawing> ahead_;
    QSet<Drawing> keptWhenForgetting_;
    qreal ratio_ = 0;             // that of every drawing kept
    std::size_t needed_ = 0;      // how many at the front of ahead_ a paint waits for
    bool drawingNeeded_ = false;  // whether the worker is drawing one of them
    bool working_ = false;        // whether the worker runs
    bool stopping_ = false;
    std::condition_variable drawnWake_;  // drawNow's: the worker has drawn one it needed
    std::thread worker_;
};

}  // namespace zindo::platform::qt
