#include "catalogue/catalogue.h"

#include <gtest/gtest.h>
#include <unicode/normalizer2.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "emoji_literal.h"

namespace zindo {
namespace {

using testing::utf8;

std::vector<std::string> keywordsOf(const KeywordRow& row) { return {row.keywords.begin(), row.keywords.end()}; }

std::string withoutSelectors(std::string_view emoji) {
    std::string out(emoji);
    const std::string selector = utf8("FE0F");
    for (auto at = out.find(selector); at != std::string::npos; at = out.find(selector)) out.erase(at, selector.size());
    return out;
}

std::vector<char32_t> scalars(std::string_view emoji) {
    std::vector<char32_t> out;
    const auto* bytes = reinterpret_cast<const uint8_t*>(emoji.data());
    for (int32_t i = 0, n = static_cast<int32_t>(emoji.size()); i < n;) {
        UChar32 c;
        U8_NEXT(bytes, i, n, c);
        out.push_back(static_cast<char32_t>(c));
    }
    return out;
}

class CatalogueTest : public ::testing::Test {
protected:
    const Catalogue catalogue = buildCatalogue();
    const std::vector<EmojiString>& list = catalogue.emojiList;
};

TEST_F(CatalogueTest, DisplayListHasItsEntriesAndRepeats) {
    ASSERT_EQ(list.size(), 932u);
    EXPECT_EQ(list[0], utf8("1F600"));
    EXPECT_EQ(list[931], utf8("1F4A3"));
    EXPECT_EQ(list[129], utf8("1F4A3"));
    for (std::size_t at : {434u, 500u, 658u}) EXPECT_EQ(list[at], utf8("1F956")) << at;

    std::map<EmojiString, int> occurrences;
    for (EmojiString emoji : list) ++occurrences[emoji];
    EXPECT_EQ(occurrences.size(), 813u);
    EXPECT_EQ(std::count_if(occurrences.begin(), occurrences.end(), [](auto& e) { return e.second == 2; }), 115);
    std::vector<EmojiString> thrice;
    for (auto& [emoji, count] : occurrences)
        if (count == 3) thrice.push_back(emoji);
    EXPECT_EQ(thrice, (std::vector<EmojiString>{utf8("1F6F9"), utf8("1F956")}));
}

TEST_F(CatalogueTest, DisplayListKeepsVariationSelectorsAndJoiners) {
    std::size_t withSelector = 0;
    std::size_t joined = 0;
    for (std::size_t at = 0; at < list.size(); ++at) {
        const std::vector<char32_t> s = scalars(list[at]);
        if (std::count(s.begin(), s.end(), U'\u200D') > 0) {
            ++joined;
        } else if (s.size() == 2) {
            EXPECT_EQ(s.back(), U'\uFE0F') << at;
            ++withSelector;
        } else {
            EXPECT_EQ(s.size(), 1u) << at;
        }
    }
    EXPECT_EQ(withSelector, 86u);
    EXPECT_EQ(joined, 18u);
    EXPECT_EQ(list[18], utf8("263A FE0F"));
    EXPECT_EQ(list[131], utf8("1F441 FE0F 200D 1F5E8 FE0F"));
    EXPECT_EQ(list[273], utf8("1F468 200D 1F469 200D 1F467 200D 1F466"));
    EXPECT_EQ(list[346], utf8("1F43B 200D 2744 FE0F"));
}

TEST_F(CatalogueTest, KeywordTableHasItsShape) {
    std::map<std::size_t, int> rowsByLength;
    std::set<std::string_view> distinct;
    std::size_t total = 0;
    std::vector<EmojiString> rowsWithRepeats;
    for (const KeywordRow& row : keywordRows()) {
        ++rowsByLength[row.keywords.size()];
        total += row.keywords.size();
        const std::set<std::string_view> inRow(row.keywords.begin(), row.keywords.end());
        if (inRow.size() < row.keywords.size()) rowsWithRepeats.push_back(row.emoji);
        distinct.insert(row.keywords.begin(), row.keywords.end());
    }
    EXPECT_EQ(rowsByLength, (std::map<std::size_t, int>{{5, 1278}, {6, 20}, {7, 86}, {8, 1}}));
    EXPECT_EQ(total, 7120u);
    EXPECT_EQ(distinct.size(), 2743u);
    EXPECT_EQ(rowsWithRepeats.size(), 20u);
    for (const std::string& emoji : {utf8("1F41A"), utf8("1F468 200D 1F468 200D 1F466")}) {
        EXPECT_NE(std::find(rowsWithRepeats.begin(), rowsWithRepeats.end(), emoji), rowsWithRepeats.end());
    }
}

TEST_F(CatalogueTest, NineRowsStandWordForWordAtTheirRowNumbers) {
    const struct {
        std::size_t row;
        std::string emoji;
        std::vector<std::string> keywords;
    } given[] = {
        {0, utf8("0023 FE0F 20E3"), {"keycap", "number", "sign", "hash", "pound"}},
        {265, utf8("1F345"), {"tomato", "red", "vegetable", "fruit", "fresh", "salad", "sauce", "ardelka"}},
        {420, utf8("1F3EA"), {"convenience", "store", "shop", "24", "7"}},
        {465, utf8("1F41A"), {"spiral", "shell", "ocean", "beach", "spiral"}},
        {504, utf8("1F441 200D 1F5E8"), {"eye", "speech", "bubble", "witness", "see"}},
        {506, utf8("1F441 FE0F 200D 1F5E8 FE0F"), {"eye", "speech", "bubble", "witness", "see", "observe", "watch"}},
        {860, utf8("1F600"), {"grin", "happy", "smile", "face", "cheerful", "joy"}},
        {1135, utf8("1F956"), {"baguette", "bread", "french", "long", "crusty"}},
        {1381, utf8("1FAD3"), {"flatbread", "bread", "round", "pita", "naan", "tortilla", "unleavened"}},
    };
    for (const auto& expected : given) {
        const KeywordRow& row = keywordRows()[expected.row];
        EXPECT_EQ(row.emoji, expected.emoji) << expected.row;
        EXPECT_EQ(keywordsOf(row), expected.keywords) << expected.row;
    }
}

TEST_F(CatalogueTest, TheProgramsOwnWordsStandWhereTheyBelong) {
    std::set<std::string> lastIsArdelka;
    std::vector<EmojiString> withZindo;
    for (const KeywordRow& row : keywordRows()) {
        const auto words = keywordsOf(row);
        if (words.back() == "ardelka") lastIsArdelka.insert(std::string(row.emoji));
        EXPECT_EQ(std::count(words.begin(), words.end() - 1, "ardelka"), 0) << row.emoji;
        if (std::count(words.begin(), words.end(), "zindo")) withZindo.push_back(row.emoji);
    }
    EXPECT_EQ(lastIsArdelka, (std::set<std::string>{utf8("2665 FE0F"), utf8("1F345"), utf8("1F35F"), utf8("1F495"),
                                                    utf8("1F498"), utf8("1F54A FE0F"), utf8("1F986"), utf8("1F9A2")}));
    ASSERT_EQ(withZindo, std::vector<EmojiString>{utf8("1F986")});
    EXPECT_EQ(catalogue.emojiKeywords.lookup(utf8("1F986")).size(), 6u);
}

TEST_F(CatalogueTest, KeysAreTheDisplayedEmojiLessFiftyOnePlusTheUndisplayed) {
    std::set<EmojiString> displayed(list.begin(), list.end());
    int withRow = 0;
    for (EmojiString emoji : displayed) withRow += catalogue.emojiKeywords.contains(emoji);
    EXPECT_EQ(withRow, 762);
    int undisplayed = 0;
    for (const KeywordRow& row : keywordRows()) undisplayed += !displayed.contains(row.emoji);
    EXPECT_EQ(undisplayed, 623);

    // A displayed emoji without a row has none in any form, with or without U+FE0F.
    std::set<std::string> bareKeys;
    for (const KeywordRow& row : keywordRows()) bareKeys.insert(withoutSelectors(row.emoji));
    for (EmojiString emoji : displayed) {
        if (!catalogue.emojiKeywords.contains(emoji)) {
            EXPECT_FALSE(bareKeys.contains(withoutSelectors(emoji))) << emoji;
        }
    }
}

TEST_F(CatalogueTest, MapLooksUpExactScalarSequences) {
    EXPECT_EQ(catalogue.emojiKeywords.size(), 1385u);
    EXPECT_TRUE(catalogue.emojiKeywords.lookup(utf8("1F44D")).empty());
    EXPECT_TRUE(catalogue.emojiKeywords.lookup(list[129]).empty());
    EXPECT_TRUE(catalogue.emojiKeywords.lookup(list[931]).empty());
    EXPECT_EQ(catalogue.emojiKeywords.lookup(list[131]).size(), 7u);
    EXPECT_FALSE(catalogue.emojiKeywords.contains(utf8("2764")));
    EXPECT_TRUE(catalogue.emojiKeywords.contains(utf8("2764 FE0F")));
    EXPECT_TRUE(catalogue.emojiKeywords.contains(utf8("0023 FE0F 20E3")));
    EXPECT_TRUE(catalogue.emojiKeywords.contains(utf8("1F522")));
    for (std::size_t at : {434u, 500u, 658u}) {
        EXPECT_EQ(keywordsOf({list[at], catalogue.emojiKeywords.lookup(list[at])}).front(), "baguette");
    }
}

TEST(CatalogueStringsTest, EveryEmojiIsUnchangedByNormalisation) {
    // So that containment under canonical equivalence gives the literal answers.
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* forms[] = {icu::Normalizer2::getNFCInstance(status),
                                       icu::Normalizer2::getNFDInstance(status)};
    ASSERT_TRUE(U_SUCCESS(status));
    std::vector<EmojiString> all(tables::kDisplayList.begin(), tables::kDisplayList.end());
    for (const KeywordRow& row : keywordRows()) all.push_back(row.emoji);
    for (EmojiString emoji : all) {
        for (const icu::Normalizer2* form : forms) {
            EXPECT_TRUE(
                form->isNormalizedUTF8(icu::StringPiece(emoji.data(), static_cast<int32_t>(emoji.size())), status))
                << emoji;
        }
    }
}

}  // namespace
}  // namespace zindo
