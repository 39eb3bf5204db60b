#include "catalogue/catalogue.h"

#include <gtest/gtest.h>
#include <unicode/normalizer2.h>

namespace zindo {
namespace {

// Repeats stay where they stand, and no editor may drop a joiner or selector.
TEST(CatalogueTest, TheDisplayListAndTheMapKeepRepeatsSelectorsAndJoiners) {
    const Catalogue catalogue = buildCatalogue();
    const std::pair<std::size_t, std::string_view> entries[] = {
        {0, "\U0001F600"},
        {129, "\U0001F4A3"},
        {931, "\U0001F4A3"},
        {658, "\U0001F956"},
        {113, "\u2764\uFE0F"},
        {346, "\U0001F43B\u200D\u2744\uFE0F"},
        {131, "\U0001F441\uFE0F\u200D\U0001F5E8\uFE0F"},
        {273, "\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466"},
    };
    for (const auto& [at, emoji] : entries) EXPECT_EQ(catalogue.emojiList.at(at), emoji) << at;

    const KeywordMap& map = catalogue.emojiKeywords;
    EXPECT_EQ(map.lookup("\U0001F986").back(), "ardelka");
    EXPECT_EQ(map.lookup("\U0001F441\uFE0F\u200D\U0001F5E8\uFE0F").size(), 7u);
    EXPECT_EQ(map.lookup("\U0001F441\u200D\U0001F5E8").size(), 5u);
    EXPECT_FALSE(map.contains("\u2764"));           // U+FE0F is part of the key
    EXPECT_TRUE(map.lookup("\U0001F44D").empty());  // displayed, with no row
}

TEST(CatalogueTest, EveryEmojiIsUnchangedByNormalisation) {
    // So that containment under canonical equivalence gives the literal answers.
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* forms[] = {icu::Normalizer2::getNFCInstance(status),
                                       icu::Normalizer2::getNFDInstance(status)};
    ASSERT_TRUE(U_SUCCESS(status));
    std::vector<EmojiString> all(tables::kDisplayList.begin(), tables::kDisplayList.end());
    for (const KeywordRow& row : keywordRows()) all.push_back(row.emoji);
    for (EmojiString emoji : all) {
        for (const icu::Normalizer2* form : forms) {
            EXPECT_TRUE(form->isNormalizedUTF8({emoji.data(), static_cast<int32_t>(emoji.size())}, status)) << emoji;
        }
    }
}

}  // namespace
}  // namespace zindo
