#include "platform/qt/emoji_renderer.h"

#include <gtest/gtest.h>

#include <QGlyphRun>
#include <QGuiApplication>
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

}  // namespace
}  // namespace zindo::platform::qt
