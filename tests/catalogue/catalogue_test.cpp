// The catalogue's list and map, and the filter that searches them.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/search_filter.h"

namespace zindo {
namespace {

using Positions = std::vector<std::size_t>;

class CatalogueTest : public ::testing::Test {
protected:
    const Catalogue catalogue = buildCatalogue(nullptr);  // English, as under C and en_GB below

    // Where the selected emoji stand in the display list; fails if they are not a subsequence of it.
    Positions positions(std::string_view term) const {
        Positions found;
        std::size_t at = 0;
        for (EmojiString emoji : filteredEmojis(term, catalogue)) {
            while (at < catalogue.emojiList.size() && catalogue.emojiList[at] != emoji) ++at;
            EXPECT_LT(at, catalogue.emojiList.size()) << "not in list order for term " << term;
            found.push_back(at++);
        }
        return found;
    }
};

// Repeats stay where they stand, and no editor may drop a joiner or selector.
TEST_F(CatalogueTest, SelectsByKeywordOrByTheEmojiItselfInDisplayOrder) {
    const struct {
        std::string term;
        Positions expected;
    } cases[] = {
        {"grin", {0, 1, 3, 5, 104, 105}},
        {"baguette", {434, 500, 658}},  // repeats and all
        {"24", {743}},
        {"zindo", {365}},
        {"smile", {0, 1, 2, 3, 4, 5, 104, 108, 181}},
        {"SMILE", {0, 1, 2, 3, 4, 5, 104, 108, 181}},  // keywords compare in lower case
        {"1234", {}},                                  // only an undisplayed row has it
        {" dog", {}},                                  // spaces are never trimmed
        {"smile face", {}},
        {"angry", {88, 89, 90, 91, 93, 112, 123, 133}},      // 89, 90 by their CLDR words; the others as ever
        {"boat", {252, 631, 696, 697, 698, 699, 701, 702}},  // 697, 698 and 702 likewise
        {"\U0001F44D", {155}},
        {"\U0001F4A3", {129, 931}},
        {"\u2764\uFE0F", {113}},  // U+FE0F is significant
        {"\u2764", {}},
        {"\U0001F468\u200D\U0001F469\u200D\U0001F467", {272}},  // not the larger families that begin with it
        {"\U0001F468\u200D", {}},
        {"\U0001F468", {195}},
        {"\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466", {273}},
        {"\U0001F43B\u200D\u2744\uFE0F", {346}},
        {"\U0001F441\uFE0F\u200D\U0001F5E8\uFE0F", {131}},
    };
    EXPECT_EQ(filteredEmojis("", catalogue), catalogue.emojiList);
    for (const auto& c : cases) EXPECT_EQ(positions(c.term), c.expected) << c.term;

    const KeywordMap& map = catalogue.emojiKeywords;
    EXPECT_EQ(map.lookup("\U0001F986").back(), "ardelka");
    EXPECT_EQ(map.lookup("\U0001F441\uFE0F\u200D\U0001F5E8\uFE0F").size(), 7u);
    EXPECT_EQ(map.lookup("\U0001F441\u200D\U0001F5E8").size(), 5u);
    EXPECT_FALSE(map.contains("\u2764"));  // U+FE0F is part of the key
}

bool finds(const LanguageWords* language, std::string_view term, EmojiString emoji) {
    const std::vector<EmojiString> found = filteredEmojis(term, buildCatalogue(language));
    return std::find(found.begin(), found.end(), emoji) != found.end();
}

// The emoji without a keyword row, each with a word of its English CLDR name or keywords, in CLDR 41 and 46 alike.
TEST(CldrWordsTest, AnEmojiWithoutAKeywordRowIsFoundByItsEnglishName) {
    std::istringstream found(
        "\U0001F62E mouth \U0001F62F hushed \U0001F632 astonished \U0001F625 relieved \U0001F623 persevering "
        "\U0001F613 downcast \U0001F62B tired \U0001F621 angry \U0001F620 angry \U0001F4A6 droplets "
        "\U0001F4A8 dashing \U0001F4A3 bomb \U0001F4AC speech \U0001F4AD thought \U0001F44B waving \u270B raised "
        "\U0001F596 vulcan \U0001F44C ok \u270C\uFE0F victory \U0001F91E crossed \U0001F448 left \U0001F449 right "
        "\U0001F446 backhand \U0001F447 down \u261D\uFE0F index \U0001F44D thumbs \U0001F44E thumbs \u270A fist "
        "\U0001F44A oncoming \U0001F44F clapping \U0001F64C raising \U0001F450 open \U0001F91D handshake "
        "\U0001F64F pray \u270D\uFE0F writing \U0001F485 polish \U0001F4AA muscle \U0001F442 ear \U0001F443 nose "
        "\U0001F9E0 brain \U0001F440 eyes \U0001F445 tongue \U0001F444 lips \U0001F48B kiss \U0001F35C steaming "
        "\U0001F346 eggplant \U0001F951 avocado \u26F5 sailboat \U0001F6A4 speedboat \U0001F6A2 ship \u23F0 alarm");
    for (std::string emoji, word; found >> emoji >> word;) EXPECT_TRUE(finds(nullptr, word, emoji)) << word;
}

// Another language's names and keywords find emoji beside the English keywords; the
// first language of the list that has words counts, and English comes first where listed.
TEST(LanguageWordsTest, TheUsersLanguageFindsEmojiByItsWordsAndEnglishStaysAsItIs) {
    const EmojiString dog = "\U0001F436", cat = "\U0001F431", heart = "\u2764\uFE0F";
    const struct {
        std::vector<std::string> languages;
        std::string term;
        EmojiString found, notFound;
    } cases[] = {
        {{"de_DE.UTF-8"}, "Hund", dog, cat},
        {{"de_AT"}, "hund", dog, cat},       // no words of its own: German's
        {{"de_CH"}, "hund", dog, cat},       // words of its own for some emoji, German's for the others
        {{"de"}, "rotes herz", heart, dog},  // a name, with its space
        {{"fr"}, "c\u0153ur", heart, dog},
        {{"fr"}, "coeur", heart, dog},                 // accents and ligatures folded, so a plain keyboard finds them
        {{"ru"}, "\u0447\u0430\u0438", {}, "\u2615"},  // other scripts keep their marks: и is not й
        {{"es"}, "coraz\u00F3n", heart, cat},
        {{"es"}, "corazon", heart, cat},
        {{"ja"}, "\u72AC", dog, cat},
        {{"ja"}, "\u3044\u306C", dog, cat},                       // いぬ, hiragana, finds イヌ
        {{"ja"}, "\u30AA\u30CB\u30AE\u30EA", "\U0001F359", dog},  // and オニギリ finds おにぎり
        {{"zh"}, "\u72D7", dog, cat},
        {{"ru_RU"}, "\u0421\u043E\u0431\u0430\u043A\u0430", dog, cat},
        {{"ar"}, "\u0642\u0644\u0628", heart, dog},
        {{"xx", "fr"}, "coeur", heart, dog},  // LANGUAGE=xx:fr
        {{"de"}, "dog", dog, cat},            // the English keywords still count
        {{"de"}, "hund\tzahm", {}, dog},      // within one word only
    };
    for (const auto& c : cases) {
        const LanguageWords* language = LanguageWords::forLanguages(c.languages);
        ASSERT_NE(language, nullptr) << c.languages.back();
        if (!c.found.empty()) {
            EXPECT_TRUE(finds(language, c.term, c.found)) << c.term;
        }
        EXPECT_FALSE(finds(language, c.term, c.notFound)) << c.term << " in " << language->locale();
    }
    EXPECT_EQ(LanguageWords::forLanguages(std::vector<std::string>{"de_AT"})->locale(), "de");
    EXPECT_EQ(LanguageWords::forLanguages(std::vector<std::string>{"de_CH"})->locale(), "de_CH");
    EXPECT_EQ(LanguageWords::forLanguages(std::vector<std::string>{"sr@latin"})->locale(), "sr_Latn");
    EXPECT_EQ(LanguageWords::forLanguages(std::vector<std::string>{"zh_TW.UTF-8"})->locale(), "zh_Hant");
    for (const std::vector<std::string>& english : std::vector<std::vector<std::string>>{
             {"C"}, {"POSIX"}, {"C.UTF-8"}, {"en_GB.UTF-8"}, {"xx"}, {}, {"en", "de"}})
        EXPECT_EQ(LanguageWords::forLanguages(english), nullptr) << english.size();
}

}  // namespace
}  // namespace zindo
