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
inline constexpr std::size_t kKeywordRowCount = 1385;

// The grid's order, repeats included.
extern const std::array<EmojiString, kDisplayCount> kDisplayList;
// Strictly ascending by code point; keywords in their written order.
extern const std::array<KeywordRow, kKeywordRowCount> kKeywordRows;
}  // namespace tables

}  // namespace zindo
