#include "platform/qt/emoji_renderer.h"

#include <gtest/gtest.h>

#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QRawFont>
#include <QTextLayout>
#include <set>
#include <string>

#include "catalogue/catalogue.h"
#include "platform/qt/offscreen_picker.h"

namespace zindo::platform::qt {
namespace {

class EmojiRendererTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        testing::useOffscreenPlatform();
        static int argc = 1;
        static char name[] = "emoji_renderer_test";
        static char* argv[] = {name, nullptr};
        application = new QGuiApplication(argc, argv);
    }
    static void TearDownTestSuite() {
        delete application;
        application = nullptr;
    }
    static inline QGuiApplication* application = nullptr;
};

struct Shaped {
    qsizetype glyphs = 0;
    QStringList families;
};

Shaped shape(const QString& text) {
    QTextLayout layout(EmojiRenderer::drawableText(text), EmojiRenderer::emojiFont(28));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    Shaped shaped;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        shaped.glyphs += run.glyphIndexes().size();
        shaped.families << run.rawFont().familyName();
    }
    return shaped;
}

// A joiner sequence split into several glyphs shows as its parts side by
// side; a glyph from another font shows in black and white.
TEST_F(EmojiRendererTest, EveryEmojiOnDisplayIsOneGlyphOfTheColourFont) {
    ASSERT_TRUE(EmojiRenderer::hasColourEmojiFont()) << "install fonts-noto-color-emoji";
    std::set<std::string> texts{"\U0001F986", "\u2705"};  // the duck and the flash
    for (const EmojiString emoji : buildCatalogue().emojiList) texts.emplace(emoji);
    for (const std::string& text : texts) {
        const Shaped shaped = shape(QString::fromStdString(text));
        EXPECT_EQ(shaped.glyphs, 1) << text;
        EXPECT_EQ(shaped.families, QStringList{EmojiRenderer::colourEmojiFamily()}) << text;
    }
}

TEST_F(EmojiRendererTest, OnlyTheDrawingLosesTheVariationSelector) {
    EXPECT_EQ(EmojiRenderer::drawableText(QString::fromUtf8("\u2764\uFE0F")), QString::fromUtf8("\u2764"));
    EXPECT_EQ(EmojiRenderer::drawableText(QString::fromUtf8("\U0001F43B\u200D\u2744\uFE0F")),
              QString::fromUtf8("\U0001F43B\u200D\u2744"));
}

// Drawn at the screen's ratio, not scaled up from a 1x bitmap.
TEST_F(EmojiRendererTest, PixmapsHaveTheDevicePixelsOfTheirRatio) {
    EmojiRenderer renderer;
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap& pixmap = renderer.pixmap(QString::fromUtf8("\U0001F986"), 28, 44, ratio);
        EXPECT_EQ(pixmap.size(), QSize(44, 44) * ratio);
        EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
        const QImage image = pixmap.toImage();
        int coloured = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() > 200 && pixel.hsvSaturation() > 100) ++coloured;
            }
        }
        EXPECT_GT(coloured, image.width() * image.height() / 20) << "the duck is drawn in colour at " << ratio;
    }
}

}  // namespace
}  // namespace zindo::platform::qt
