#include <gtest/gtest.h>

#include <QGlyphRun>
#include <QHelpEvent>
#include <QPainter>
#include <QRawFont>
#include <QScrollBar>
#include <QTextLayout>
#include <QToolTip>
#include <cmath>
#include <set>

#include "catalogue/skin_tones.h"
#include "platform/qt/grid_focus.h"
#include "platform/qt/picker_widgets.h"
#include "platform/qt/skin_tone_strip.h"

namespace zindo::testing {
namespace {

using namespace platform::qt;

// A joiner sequence split into several glyphs shows as its parts side by
// side; a glyph from another font shows in black and white.
TEST(EmojiRendererTest, EveryEmojiOnDisplayAndEverySkinToneOfOneIsOneGlyphOfTheColourFont) {
    ASSERT_TRUE(EmojiRenderer::hasColourEmojiFont()) << "install fonts-noto-color-emoji";
    std::set<std::string> texts{"\U0001F986", "\u2705"};  // the duck and the flash
    for (const EmojiString emoji : buildCatalogue().emojiList) {
        texts.emplace(emoji);
        for (const SkinTone& tone : skinTonesOf(emoji)) texts.emplace(tone.form);
    }
    for (const std::string& text : texts) {
        QTextLayout layout(EmojiRenderer::drawableText(QString::fromStdString(text)), EmojiRenderer::emojiFont(28));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        qsizetype glyphs = 0;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            glyphs += run.glyphIndexes().size();
            EXPECT_EQ(run.rawFont().familyName(), EmojiRenderer::colourEmojiFamily()) << text;
        }
        EXPECT_EQ(glyphs, 1) << text;
    }
}

// A drawing kept comes back as the same image; one forgotten is drawn anew.
TEST(EmojiRendererTest, KeepsDrawingsAtTheLastRatioOnlyAndWhenForgettingOnlyThoseAskedFor) {
    EmojiRenderer renderer;
    const QString dog = QStringLiteral("\U0001F436"), cat = QStringLiteral("\U0001F431");
    const auto drawingOf = [&](const QString& text, qreal ratio = 1.0) {
        return renderer.image(text, 28, 44, ratio).cacheKey();
    };
    const qint64 dogAtOne = drawingOf(dog);
    EXPECT_EQ(drawingOf(dog), dogAtOne);
    drawingOf(dog, 2.0);
    EXPECT_NE(drawingOf(dog), dogAtOne) << "a window moved to another ratio leaves nothing at the old one";

    renderer.keepWhenForgetting({dog}, 28, 44, 1.0);
    const qint64 keptDog = drawingOf(dog), catBefore = drawingOf(cat);
    renderer.forgetDrawings();
    EXPECT_EQ(drawingOf(dog), keptDog);
    EXPECT_NE(drawingOf(cat), catBefore);
}

TEST(GridFocusTest, MovesStopAtTheEdgesAndUpFromTheTopRowLeaves) {
    using enum FocusMove;
    const GridShape rows{20, 8, 1}, pages{20, 8, 5}, one{1, 1, 1};  // rows 0-7, 8-15 and a short 16-19
    constexpr std::nullopt_t none = std::nullopt;
    const struct {
        std::ptrdiff_t from;
        FocusMove move;
        GridShape shape;
        std::optional<std::ptrdiff_t> to;
    } cases[] = {
        {0, left, rows, 0},    {8, left, rows, 8},     {9, left, rows, 8},       {7, right, rows, 7},
        {19, right, rows, 19}, {6, right, rows, 7},    {3, up, rows, none},      {11, up, rows, 3},
        {3, down, rows, 11},   {11, down, rows, 19},   {12, down, rows, 12},     {13, first, rows, 0},
        {2, last, rows, 19},   {1, pageDown, rows, 9}, {1, pageDown, pages, 17}, {5, pageDown, pages, 13},
        {13, pageUp, rows, 5}, {17, pageUp, pages, 1}, {0, pageUp, rows, 0},     {19, pageDown, pages, 19},
        {0, up, one, none},    {0, right, one, 0},     {0, down, one, 0},        {0, pageDown, one, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(moveFocus(c.from, c.move, c.shape), c.to)
            << "from " << c.from << ", move " << static_cast<int>(c.move) << " in " << c.shape.count;
    }
}

// How much of a part of the grid is the "✅"'s green.
double greenShare(const QImage& picture) {
    return shareOf(picture, [](QColor c) { return c.green() > c.red() + 30 && c.green() > c.blue() + 30; });
}

// Squared steps between grey neighbours inside 2 x 2 blocks, against all the
// steps of the picture at half its pixels: drawn anew at twice the pixels a
// picture scores about 1; a half-size bitmap blown up, under a half.
double detailBeyondHalf(const QImage& picture) {
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const QImage half = grey.scaled(grey.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const auto steps = [](const QImage& image, int stride) {
        double sum = 0.0;
        for (int y = 0; y + 1 < image.height(); y += stride) {
            for (int x = 0; x + 1 < image.width(); x += stride) {
                const auto at = [&](int dx, int dy) { return double(image.constScanLine(y + dy)[x + dx]); };
                sum += std::pow(at(0, 0) - at(1, 0), 2) + std::pow(at(0, 0) - at(0, 1), 2);
                if (stride == 2) sum += std::pow(at(0, 1) - at(1, 1), 2) + std::pow(at(1, 0) - at(1, 1), 2);
            }
        }
        return sum;
    };
    return steps(grey, 2) / steps(half, 1);
}

TEST(EmojiGridWidgetTest, AHoverDescribesACellAndOnlyALeftClickOnItCopiesItUnderASharpMarkAtItsAlpha) {
    PickerWidgets picker;
    const QRect cell(12 + 52, 20 + 52, 44, 44);  // row 2, column 2; the rows hang 8 points below the document's top
    const QRect mark = cell.adjusted(10, 10, -10, -10);
    ASSERT_EQ(picker.grid->devicePixelRatio(), 2);
    EXPECT_GT(detailBeyondHalf(picker.grid->grab(cell).toImage()), 0.75);
    EXPECT_LT(greenShare(picker.grid->grab(cell).toImage()), 0.01);
    // The cell shows its own emoji as the renderer draws it, over the grid's ground, and its neighbour another.
    const QImage shown = picker.grid->grab(cell).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage expected(shown.size(), shown.format());
    expected.setDevicePixelRatio(shown.devicePixelRatio());
    expected.fill(shown.pixel(0, 0));
    QPainter(&expected).drawImage(0, 0, picker.renderer.image(QString::fromUtf8("\U0001F643"), 28, 44, 2));
    EXPECT_EQ(shown, expected);
    EXPECT_NE(picker.grid->grab(cell.translated(52, 0)).toImage().convertToFormat(shown.format()), shown);
    QHelpEvent hover(QEvent::ToolTip, cell.center(), picker.grid->mapToGlobal(cell.center()));
    QApplication::sendEvent(picker.grid, &hover);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("\U0001F643, silly, sarcasm, irony, upside, down"));

    QTest::mouseClick(picker.grid, Qt::LeftButton, {}, cell.center() - QPoint(26, 0));  // the gap between two cells
    QTest::mousePress(picker.grid, Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(picker.grid, Qt::LeftButton, {}, cell.center() + QPoint(52, 0));  // a change of mind
    QTest::mouseClick(picker.grid, Qt::RightButton, {}, cell.center());
    EXPECT_EQ(picker.clipboard(), std::nullopt);
    EXPECT_EQ(picker.window->findChild<QWidget*>(QStringLiteral("skinTones")), nullptr) << "no skin tones to show";
    QTest::mouseClick(picker.grid, Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(picker.clipboard(), "\U0001F643");
    picker.advance(0.15);  // the mark at its full alpha
    EXPECT_GT(greenShare(picker.grid->grab(cell).toImage()), 0.1);
    EXPECT_GT(detailBeyondHalf(picker.grid->grab(mark).toImage()), 0.75);
    picker.advance(0.149);
    EXPECT_LT(greenShare(picker.grid->grab(cell).toImage()), 0.01);
    EXPECT_TRUE(picker.isOpen());
    picker.advance(0.001);
    EXPECT_FALSE(picker.isOpen());
}

TEST(EmojiGridWidgetTest, TheKeysMoveARingThatStaysInViewCrossBetweenFieldAndGridCopyAndClose) {
    PickerWidgets picker;
    ASSERT_TRUE(QTest::qWaitForWindowActive(picker.window));
    EXPECT_TRUE(picker.field->hasFocus());
    QTest::keyClicks(picker.field, QStringLiteral("zzq"));
    picker.key(Qt::Key_Return);  // nothing to copy
    EXPECT_EQ(picker.clipboard(), std::nullopt);
    picker.key(Qt::Key_Escape);
    EXPECT_EQ(picker.grid->cellCount(), 932);
    const auto keys = [&](std::initializer_list<Qt::Key> pressed) {
        for (const Qt::Key key : pressed) picker.key(key);
        return picker.grid->focusedCell();
    };
    EXPECT_EQ(keys({Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}), 9);
    QScrollBar* scrollBar = picker.scrollArea->verticalScrollBar();
    EXPECT_EQ(keys({Qt::Key_End}), 931);
    EXPECT_EQ(scrollBar->value(), scrollBar->maximum());
    EXPECT_EQ(keys({Qt::Key_Home}), 0);
    EXPECT_EQ(scrollBar->value(), 0);
    // A page is the rows that fit in the 478-point viewport: 9 of 52.
    EXPECT_EQ(keys({Qt::Key_PageDown}), 72);
    EXPECT_EQ(keys({Qt::Key_PageDown, Qt::Key_PageUp}), 72);
    EXPECT_TRUE(picker.grid->visibleRegion().contains(picker.grid->cellRect(72)));
    EXPECT_EQ(keys({Qt::Key_Home, Qt::Key_Right, Qt::Key_Up}), EmojiGridWidget::kNone);  // up from the top row
    EXPECT_TRUE(picker.field->hasFocus());
    EXPECT_EQ(keys({Qt::Key_Tab}), 0) << "entering the grid starts at its first cell";

    // Text set from outside, as a screen reader may: the grid rebuilds under the ring.
    picker.key(Qt::Key_Right);
    picker.field->setText(QStringLiteral("dog"));
    EXPECT_EQ(picker.grid->cellCount(), static_cast<std::ptrdiff_t>(expectedTitles("dog").size()));
    EXPECT_EQ(picker.grid->focusedCell(), 0);
    picker.key(Qt::Key_Space);
    EXPECT_EQ(picker.clipboard(), expectedTitles("dog").at(0));

    // A click takes the focus without a ring; keys go on from the clicked cell.
    picker.field->setFocus();
    const QRect ringTops(0, picker.grid->cellRect(0).top(), picker.grid->width(), 3);  // above the check mark
    const QImage unringed = picker.grid->grab(ringTops).toImage();
    QTest::mouseClick(picker.grid, Qt::LeftButton, {}, picker.grid->cellRect(1).center());
    EXPECT_TRUE(picker.grid->hasFocus());
    EXPECT_EQ(picker.grid->grab(ringTops).toImage(), unringed);
    EXPECT_EQ(keys({Qt::Key_Right}), 2);

    // In the field, Enter copies the first result; Esc in the grid, as in the field, clears the text back in the
    // field, and with nothing to clear closes.
    picker.field->setFocus();
    picker.field->setText(QStringLiteral("cat"));
    picker.key(Qt::Key_Enter);
    EXPECT_EQ(picker.clipboard(), expectedTitles("cat").at(0));
    EXPECT_EQ(keys({Qt::Key_Down, Qt::Key_Escape}), EmojiGridWidget::kNone);
    EXPECT_EQ(picker.field->text(), QString());
    EXPECT_TRUE(picker.field->hasFocus());
    EXPECT_EQ(keys({Qt::Key_Down}), 0);
    picker.key(Qt::Key_Escape);
    EXPECT_FALSE(picker.isOpen());
}

// "thumbs" finds 👍 first.
TEST(EmojiGridWidgetTest, ARightClickALongPressOrTheMenuKeyShowsTheSkinTonesBesideTheCellForKeysOrAClickToCopy) {
    PickerWidgets picker;
    ASSERT_TRUE(QTest::qWaitForWindowActive(picker.window));
    picker.field->setText(QStringLiteral("thumbs"));
    const QRect cell = picker.grid->cellRect(0);
    QTest::mouseClick(picker.grid, Qt::RightButton, {}, cell.center());
    // By name and cast: Qt 6.8 finds by class only what has Q_OBJECT.
    auto* strip = dynamic_cast<SkinToneStrip*>(picker.window->findChild<QWidget*>(QStringLiteral("skinTones")));
    ASSERT_NE(strip, nullptr);
    ASSERT_TRUE(strip->isVisible());
    std::vector<std::string> shown;
    for (std::ptrdiff_t index = 0; index < strip->cellCount(); ++index)
        shown.push_back(strip->cellName(index).toStdString());
    EXPECT_EQ(shown,
              (std::vector<std::string>{"\U0001F44D", "\U0001F44D\U0001F3FB", "\U0001F44D\U0001F3FC",
                                        "\U0001F44D\U0001F3FD", "\U0001F44D\U0001F3FE", "\U0001F44D\U0001F3FF"}));
    const QRect inWindow(picker.grid->mapTo(picker.window, cell.topLeft()), cell.size());
    EXPECT_TRUE(picker.window->rect().contains(strip->geometry()));
    EXPECT_FALSE(strip->geometry().intersects(inWindow)) << "beside the cell, not over it";
    // Each tone drawn as the grid draws a cell, over the strip's ground.
    const QImage tone = strip->grab(strip->cellRect(5)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage expected(tone.size(), tone.format());
    expected.setDevicePixelRatio(tone.devicePixelRatio());
    expected.fill(tone.pixel(0, 0));
    QPainter(&expected).drawImage(0, 0, picker.renderer.image(strip->cellName(5), 28, cell.width(), 2));
    EXPECT_EQ(tone, expected);

    // Esc, a click elsewhere and a new search close the strip alone.
    picker.key(Qt::Key_Escape);
    EXPECT_FALSE(strip->isVisible());
    EXPECT_TRUE(picker.grid->hasFocus());
    picker.key(Qt::Key_Menu);
    EXPECT_TRUE(strip->hasFocus());
    QTest::mouseClick(picker.grid, Qt::LeftButton, {}, cell.center());
    EXPECT_FALSE(strip->isVisible());
    QTest::keyClick(picker.grid, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(strip->isVisible());
    picker.field->setText(QStringLiteral("thumbs up"));
    EXPECT_FALSE(strip->isVisible());
    EXPECT_EQ(picker.clipboard(), std::nullopt);
    EXPECT_TRUE(picker.isOpen());

    // Held half a second, the cell shows its tones and its release copies nothing.
    picker.field->setText(QStringLiteral("thumbs"));
    QTest::mousePress(picker.grid, Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return strip->isVisible(); }, 10000));
    QTest::mouseRelease(picker.grid, Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(picker.clipboard(), std::nullopt);
    picker.key(Qt::Key_End);
    picker.key(Qt::Key_Home);
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Return})
        picker.key(key);
    EXPECT_EQ(picker.clipboard(), "\U0001F44D\U0001F3FC");
    EXPECT_FALSE(strip->isVisible());
    picker.advance(0.15);
    EXPECT_GT(greenShare(picker.grid->grab(cell).toImage()), 0.1) << "the flash over the grid's cell";
    picker.advance(0.15);
    EXPECT_FALSE(picker.isOpen());
}

}  // namespace
}  // namespace zindo::testing
