// The skin tones of the grid's emoji, from emoji-test.txt, and their names.
#include "catalogue/skin_tones.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zindo {
namespace {

std::vector<std::string> formsOf(EmojiString emoji) {
    std::vector<std::string> forms;
    for (const SkinTone& tone : skinTonesOf(emoji)) forms.emplace_back(tone.form);
    return forms;
}

// Pairs take one tone for both people here: the forms that mix two are left out.
TEST(SkinTonesTest, AnEmojiThatTakesAToneHasItsFiveOneToneFormsLightToDark) {
    using Forms = std::vector<std::string>;
    EXPECT_EQ(formsOf("\U0001F44D"), (Forms{"\U0001F44D\U0001F3FB", "\U0001F44D\U0001F3FC", "\U0001F44D\U0001F3FD",
                                            "\U0001F44D\U0001F3FE", "\U0001F44D\U0001F3FF"}));
    EXPECT_EQ(formsOf("\U0001F46B"), (Forms{"\U0001F46B\U0001F3FB", "\U0001F46B\U0001F3FC", "\U0001F46B\U0001F3FD",
                                            "\U0001F46B\U0001F3FE", "\U0001F46B\U0001F3FF"}));
    EXPECT_EQ(formsOf("\U0001F91D").back(), "\U0001F91D\U0001F3FF");
    EXPECT_EQ(formsOf("\u261D\uFE0F").front(), "\u261D\U0001F3FB") << "the tone takes the place of U+FE0F";
    for (const EmojiString none : {"\U0001F986", "\u2764\uFE0F", "\u261D", "\U0001F44D\U0001F3FB"})
        EXPECT_TRUE(formsOf(none).empty()) << none;
}

TEST(SkinTonesTest, AFormIsNamedInTheUsersLanguageWhereCldrNamesItElseInEnglish) {
    const SkinTone& medium = skinTonesOf("\U0001F44D")[2];
    EXPECT_EQ(nameOf(medium, nullptr), "thumbs up: medium skin tone");
    const auto in = [&](std::string language) {
        return nameOf(medium, LanguageWords::forLanguages(std::vector<std::string>{language}));
    };
    EXPECT_EQ(in("de"), "Daumen hoch: mittlere Hautfarbe");
    EXPECT_EQ(in("de_CH"), "Daumen hoch: mittlere Hautfarbe") << "from its parent";
    EXPECT_EQ(in("ja"), "\u30B5\u30E0\u30BA\u30A2\u30C3\u30D7: \u4E2D\u9593\u306E\u808C\u8272");
}

}  // namespace
}  // namespace zindo
