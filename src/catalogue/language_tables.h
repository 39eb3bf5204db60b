// The words of other languages for our emoji, generated at build time from
// Unicode's CLDR annotations by data/generate_words.py.
#pragma once

#include <span>
#include <string_view>

#include "catalogue/emoji_tables.h"

namespace zindo::tables {

struct LanguageTable {
    std::string_view locale;  // CLDR's name: "de", "de_CH", "zh_Hant"
    std::string_view parent;  // the table whose words it adds to, or none
    // A line for each emoji of kWordedEmoji, in order: its name and keywords
    // separated by tabs, or nothing where the parent's words stand.
    std::string_view words;
    // A line for each form of kSkinTones, in order: its name, or nothing
    // where the parent's stands.
    std::string_view toneNames;
};

// Sized by the generator: how many tables there are is the release's CLDR's to say.
// The distinct emoji of the display list, in byte order.
extern const std::span<const EmojiString> kWordedEmoji;
// By locale, in byte order.
extern const std::span<const LanguageTable> kLanguageTables;

}  // namespace zindo::tables
