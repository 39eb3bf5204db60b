#include "platform/qt/emoji_renderer.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPainter>
#include <QTextDocument>

namespace zindo::platform::qt {
namespace {

const QString kColourEmojiFamily = QStringLiteral("Noto Color Emoji");
// Every emoji of a grid at one ratio (813 distinct at 2x: 25 MB) fits, and
// no more: older images go first.
constexpr qsizetype kDrawnBytes = 32 * 1024 * 1024;

}  // namespace

EmojiRenderer::EmojiRenderer() : drawn_(kDrawnBytes) {}

EmojiRenderer::~EmojiRenderer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    if (worker_.joinable()) worker_.join();
}

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

QImage EmojiRenderer::textLine(const TextLine& line) {
    if (lastLine_ && lastLine_->first == line) return lastLine_->second;
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(line.font);
    document.setDefaultTextOption(QTextOption(line.alignment & Qt::AlignHorizontal_Mask));
    document.setHtml(withColourEmoji(line.text));
    document.setTextWidth(line.size.width());
    QImage image(line.size * line.devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(line.devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(0, (line.size.height() - document.size().height()) / 2);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, line.colour);
    document.documentLayout()->draw(&painter, context);
    painter.end();
    lastLine_.emplace(line, image);
    return image;
}

void EmojiRenderer::keepWhenForgetting(const QStringList& texts, double pixelSize, double box, qreal devicePixelRatio) {
    const std::lock_guard lock(mutex_);
    keptWhenForgetting_.clear();
    for (const QString& text : texts) keptWhenForgetting_.insert({text, pixelSize, box, devicePixelRatio});
}

// The credits line stays too: tens of kilobytes that save a new picker
// half its work.
void EmojiRenderer::forgetDrawings() {
    const std::lock_guard lock(mutex_);
    ahead_.clear();
    for (const Drawing& drawing : drawn_.keys())
        if (!keptWhenForgetting_.contains(drawing)) drawn_.remove(drawing);
    // A worker that has ended still holds its stack until joined.
    if (!working_ && worker_.joinable()) worker_.join();
}

void EmojiRenderer::keepOnlyRatio(qreal devicePixelRatio) {
    if (devicePixelRatio == ratio_) return;
    ratio_ = devicePixelRatio;
    std::erase_if(ahead_, [&](const Drawing& drawing) { return drawing.devicePixelRatio != ratio_; });
    for (const Drawing& drawing : drawn_.keys())
        if (drawing.devicePixelRatio != ratio_) drawn_.remove(drawing);
}

QString EmojiRenderer::colourEmojiFamily() { return kColourEmojiFamily; }

bool EmojiRenderer::hasColourEmojiFont() { return QFontDatabase::families().contains(kColourEmojiFamily); }

QImage EmojiRenderer::draw(const Drawing& drawing) {
    const int side = static_cast<int>(drawing.box * drawing.devicePixelRatio + 0.5);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(drawing.devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.setFont(emojiFont(drawing.pixelSize));
    painter.drawText(QRectF(0, 0, drawing.box, drawing.box), Qt::AlignCenter, drawableText(drawing.text));
    return image;
}

QImage EmojiRenderer::image(const QString& text, double pixelSize, double box, qreal devicePixelRatio) {
    const Drawing drawing{text, pixelSize, box, devicePixelRatio};
    {
        const std::lock_guard lock(mutex_);
        keepOnlyRatio(devicePixelRatio);
        if (const QImage* found = drawn_.object(drawing)) return *found;
    }
    QImage image = draw(drawing);
    const std::lock_guard lock(mutex_);
    keep(drawing, image);
    return image;
}

// Unless the ratio changed while it was drawn.
void EmojiRenderer::keep(const Drawing& drawing, const QImage& image) {
    if (drawing.devicePixelRatio == ratio_) drawn_.insert(drawing, new QImage(image), image.sizeInBytes());
}

// Only what is not drawn yet: a picker whose emoji are all drawn starts no thread.
void EmojiRenderer::drawAhead(const QStringList& texts, double pixelSize, double box, qreal devicePixelRatio) {
    const std::lock_guard lock(mutex_);
    keepOnlyRatio(devicePixelRatio);
    ahead_.clear();
    for (const QString& text : texts) {
        Drawing drawing{text, pixelSize, box, devicePixelRatio};
        if (!drawn_.contains(drawing)) ahead_.push_back(std::move(drawing));
    }
    if (!ahead_.empty()) startWorker();
}

void EmojiRenderer::drawNow(const QStringList& texts, double pixelSize, double box, qreal devicePixelRatio) {
    std::unique_lock lock(mutex_);
    keepOnlyRatio(devicePixelRatio);
    std::deque<Drawing> missing;
    for (const QString& text : texts) {
        Drawing drawing{text, pixelSize, box, devicePixelRatio};
        if (!drawn_.contains(drawing)) missing.push_back(std::move(drawing));
    }
    if (missing.empty()) return;
    needed_ = missing.size();
    ahead_.insert(ahead_.begin(), missing.begin(), missing.end());
    startWorker();
    while (needed_ > 0) {
        const Drawing drawing = ahead_[--needed_];
        ahead_.erase(ahead_.begin() + static_cast<std::ptrdiff_t>(needed_));
        lock.unlock();
        const QImage image = draw(drawing);
        lock.lock();
        keep(drawing, image);
    }
    drawnWake_.wait(lock, [this] { return !drawingNeeded_; });
}

// The worker ends when it has nothing left to draw: the font caches Qt keeps
// for each thread, megabytes once a grid is drawn, go with it.
void EmojiRenderer::startWorker() {
    if (working_) return;
    if (worker_.joinable()) worker_.join();  // one that has ended
    working_ = true;
    worker_ = std::thread([this] { drawAheadUntilDone(); });
}

void EmojiRenderer::drawAheadUntilDone() {
    std::unique_lock lock(mutex_);
    while (!stopping_ && !ahead_.empty()) {
        const Drawing drawing = ahead_.front();
        ahead_.pop_front();
        const bool needed = needed_ > 0;
        if (needed) --needed_;
        if (drawn_.contains(drawing)) continue;
        drawingNeeded_ = needed;
        lock.unlock();
        const QImage image = draw(drawing);
        lock.lock();
        keep(drawing, image);
        drawingNeeded_ = false;
        if (needed) drawnWake_.notify_one();
    }
    working_ = false;
}

}  // namespace zindo::platform::qt
