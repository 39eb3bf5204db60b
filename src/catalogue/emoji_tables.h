// The compiled-in emoji tables, generated at build time from data/*.tsv.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace zindo {

// One emoji as UTF-8: a single code point, a base with U+FE0F, a keycap, or
// parts joined by U+200D. Compared scalar by scalar, so U+FE0F is significant.
using EmojiString = std::string_view;

struct KeywordRow {
    EmojiString emoji;
    std::span<const std::string_view> keywords;
};

namespace tables {
inline constexpr std::size_t kDisplayCount = 932;

// The grid's order, repeats included.
extern const std::array<EmojiString, kDisplayCount> kDisplayList;
// Strictly ascending by code point; keywords in their written order. The rows
// of keyword_rows.tsv, and for each displayed emoji without one, the words of
// its English name and keywords from the CLDR it was built with.
extern const std::span<const KeywordRow> kKeywordRows;
}  // namespace tables

}  // namespace zindo
