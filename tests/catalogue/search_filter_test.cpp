#include "catalogue/search_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "catalogue/unicode_text.h"
#include "emoji_literal.h"

namespace zindo {
namespace {

using testing::utf8;

class SearchFilterTest : public ::testing::Test {
protected:
    const Catalogue catalogue = buildCatalogue();

    std::vector<std::size_t> positions(std::string_view term) const {
        std::vector<std::size_t> found;
        const std::vector<EmojiString> selected = filteredEmojis(term, catalogue);
        std::size_t at = 0;
        for (EmojiString emoji : selected) {
            while (at < catalogue.emojiList.size() && catalogue.emojiList[at] != emoji) ++at;
            found.push_back(at++);
        }
        return found;
    }
};

using Positions = std::vector<std::size_t>;

TEST_F(SearchFilterTest, EmptyTermShowsTheWholeListInOrder) {
    EXPECT_EQ(filteredEmojis("", catalogue), catalogue.emojiList);
}

TEST_F(SearchFilterTest, FindsByKeywordInDisplayOrderWithRepeats) {
    EXPECT_EQ(positions("grin"), (Positions{0, 1, 3, 5, 104, 105}));
    EXPECT_EQ(positions("baguette"), (Positions{434, 500, 658}));
    EXPECT_EQ(positions("zzz"), (Positions{46, 135}));
    EXPECT_EQ(positions("24"), (Positions{743}));
    EXPECT_EQ(positions("ardelka"), (Positions{363, 365, 366, 446, 489, 515}));
    EXPECT_EQ(positions("zindo"), (Positions{365}));
}

TEST_F(SearchFilterTest, KeywordsOfUndisplayedRowsFindNothing) {
    // Only the keycap 🔢 has "1234", and it is not in the grid.
    EXPECT_TRUE(positions("1234").empty());
}

TEST_F(SearchFilterTest, KeywordsCompareInLowerCaseWhateverTheCallerPasses) {
    const Positions smile{0, 1, 2, 3, 4, 5, 104, 108, 181};
    EXPECT_EQ(positions("smile"), smile);
    EXPECT_EQ(positions("SMILE"), smile);
    EXPECT_EQ(positions("sMiLe"), smile);
}

TEST_F(SearchFilterTest, SpacesAreNeverTrimmedAndMatchNothing) {
    for (std::string_view term : {" ", "dog ", " dog", "smile face"}) EXPECT_TRUE(positions(term).empty()) << term;
}

TEST_F(SearchFilterTest, FallsBackToTheEmojiText) {
    EXPECT_EQ(positions(utf8("1F600")), (Positions{0}));
    // 👍 has no keywords, so only its own text finds it.
    EXPECT_EQ(positions(utf8("1F44D")), (Positions{155}));
    EXPECT_EQ(positions(utf8("1F4A3")), (Positions{129, 931}));
    // U+FE0F is significant: ❤️ finds itself, the bare ❤ finds nothing.
    EXPECT_EQ(positions(utf8("2764 FE0F")), (Positions{113}));
    EXPECT_TRUE(positions(utf8("2764")).empty());
    // A whole family finds itself, not the larger families that begin with it.
    EXPECT_EQ(positions(utf8("1F468 200D 1F469 200D 1F467")), (Positions{272}));
    // A term that ends inside a joiner sequence finds no sequence.
    EXPECT_TRUE(positions(utf8("1F468 200D")).empty());
    EXPECT_EQ(positions(utf8("1F468")), (Positions{195}));
}

// The filter as written out in full, with the normal-form path only: the fast
// paths must give exactly these answers.
std::vector<EmojiString> referenceFilter(std::string_view term, const Catalogue& catalogue) {
    if (term.empty()) return catalogue.emojiList;
    const unicode::CanonicalTerm lowered(unicode::toLower(term));
    const unicode::CanonicalTerm asPassed(term);
    std::vector<EmojiString> out;
    for (EmojiString emoji : catalogue.emojiList) {
        bool match = false;
        for (std::string_view keyword : catalogue.emojiKeywords.lookup(emoji)) {
            if (lowered.isFoundInByNormalForm(unicode::toLower(keyword))) match = true;
        }
        if (match || asPassed.isFoundInByNormalForm(emoji)) out.push_back(emoji);
    }
    return out;
}

TEST_F(SearchFilterTest, FastPathsAgreeWithTheFullUnicodePath) {
    std::vector<std::string> terms{"a",           "face",       "Dog",
                                   "CAT",         "heart",      "e",
                                   "7",           "zz",         "\r",
                                   "K",           utf8("212A"), utf8("212A 0049 0053 0053"),
                                   utf8("0130"),  utf8("00E9"), utf8("0065 0301"),
                                   utf8("1F600"), utf8("FE0F"), utf8("200D"),
                                   utf8("1F415"), "?"};
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

TEST_F(SearchFilterTest, IllFormedTermsGiveASubsequenceOfTheList) {
    for (std::string_view term : {std::string_view("\xFF"), std::string_view("\xF0\x9F"), std::string_view("a\0b", 3),
                                  std::string_view("\xED\xA0\x80"), std::string_view("\xEF\xBF\xBD")}) {
        const std::vector<EmojiString> selected = filteredEmojis(term, catalogue);
        auto at = catalogue.emojiList.begin();
        for (EmojiString emoji : selected) {
            at = std::find(at, catalogue.emojiList.end(), emoji);
            ASSERT_NE(at, catalogue.emojiList.end()) << "not a subsequence for term " << term;
            ++at;
        }
    }
}

}  // namespace
}  // namespace zindo
