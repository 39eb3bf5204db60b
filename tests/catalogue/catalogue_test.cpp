// The catalogue's list and map, and the filter that searches them.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "catalogue/search_filter.h"
#include "catalogue/unicode_text.h"

namespace zindo {
namespace {

using Positions = std::vector<std::size_t>;

class CatalogueTest : public ::testing::Test {
protected:
    const Catalogue catalogue = buildCatalogue();

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

// The filter written out in full on the normal-form path: the fast paths must agree, ill-formed terms included.
std::vector<EmojiString> referenceFilter(std::string_view term, const Catalogue& catalogue) {
    if (term.empty()) return catalogue.emojiList;
    const unicode::CanonicalTerm lowered(unicode::toLower(term));
    const unicode::CanonicalTerm asPassed(term);
    std::vector<EmojiString> out;
    for (EmojiString emoji : catalogue.emojiList) {
        const auto keywords = catalogue.emojiKeywords.lookup(emoji);
        const bool byKeyword = std::any_of(keywords.begin(), keywords.end(), [&](std::string_view keyword) {
            return lowered.isFoundInByNormalForm(unicode::toLower(keyword));
        });
        if (byKeyword || asPassed.isFoundInByNormalForm(emoji)) out.push_back(emoji);
    }
    return out;
}

TEST_F(CatalogueTest, FastPathsAgreeWithTheFullUnicodePath) {
    std::vector<std::string> terms{"a", "face", "Dog", "CAT", "e", "zz", "\r", "\u212A", "\u0130", "\u00E9",
                                   "\u0065\u0301", "?", "\U0001F600", "\uFE0F", "\u200D", "\u212A\u0049\u0053\u0053",
                                   // ill-formed
                                   "\xFF", "\xF0\x9F", std::string("a\0b", 3), "\xED\xA0\x80", "\xEF\xBF\xBD"};
    std::mt19937 random(7);
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyzAEIOU0123456789";
    for (int i = 0; i < 60; ++i) {
        std::string term;
        for (int length = 1 + static_cast<int>(random() % 4); length > 0; --length)
            term += alphabet[random() % alphabet.size()];
        terms.push_back(term);
    }
    for (const std::string& term : terms) {
        EXPECT_EQ(filteredEmojis(term, catalogue), referenceFilter(term, catalogue)) << term;
    }
}

}  // namespace
}  // namespace zindo
