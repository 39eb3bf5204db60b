// The catalogue's list and map, and the filter that searches them.
#include <gtest/gtest.h>

#include <algorithm>
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
        {"\U0001F44D", {155}},  // no keywords: only its own text finds it
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
    EXPECT_FALSE(map.contains("\u2764"));           // U+FE0F is part of the key
    EXPECT_TRUE(map.lookup("\U0001F44D").empty());  // displayed, with no row
}

bool finds(const LanguageWords* language, std::string_view term, EmojiString emoji) {
    const std::vector<EmojiString> found = filteredEmojis(term, buildCatalogue(language));
    return std::find(found.begin(), found.end(), emoji) != found.end();
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
    EXPECT_EQ(LanguageWords::forLanguages(std::vector<std::string>{"sr@latin"})->locale(), "sr_Latn");
    EXPECT_EQ(LanguageWords::forLanguages(std::vector<std::string>{"zh_TW.UTF-8"})->locale(), "zh_Hant");
    for (const std::vector<std::string>& english : std::vector<std::vector<std::string>>{
             {"C"}, {"POSIX"}, {"C.UTF-8"}, {"en_GB.UTF-8"}, {"xx"}, {}, {"en", "de"}})
        EXPECT_EQ(LanguageWords::forLanguages(english), nullptr) << english.size();
}

}  // namespace
}  // namespace zindo
