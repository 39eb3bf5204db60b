#include "platform/qt/emoji_renderer.h"

#include <gtest/gtest.h>

#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <set>
#include <string>

#include "catalogue/catalogue.h"
#include "platform/qt/picker_widgets.h"

namespace zindo::platform::qt {
namespace {

// A joiner sequence split into several glyphs shows as its parts side by
// side; a glyph from another font shows in black and white.
TEST(EmojiRendererTest, EveryEmojiOnDisplayIsOneGlyphOfTheColourFont) {
    ASSERT_TRUE(EmojiRenderer::hasColourEmojiFont()) << "install fonts-noto-color-emoji";
    std::set<std::string> texts{"\U0001F986", "\u2705"};  // the duck and the flash
    for (const EmojiString emoji : buildCatalogue().emojiList) texts.emplace(emoji);
    for (const std::string& text : texts) {
        QTextLayout layout(EmojiRenderer::drawableText(QString::fromStdString(text)), EmojiRenderer::emojiFont(28));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        qsizetype glyphs = 0;
        QStringList families;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            glyphs += run.glyphIndexes().size();
            families << run.rawFont().familyName();
        }
        EXPECT_EQ(glyphs, 1) << text;
        EXPECT_EQ(families, QStringList{EmojiRenderer::colourEmojiFamily()}) << text;
    }
}

}  // namespace
}  // namespace zindo::platform::qt
