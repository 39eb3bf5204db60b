// The catalogue one grid build works from: the display list and the keyword map.
#pragma once

#include <span>
#include <vector>

#include "catalogue/emoji_tables.h"
#include "catalogue/keyword_map.h"
#include "catalogue/language_words.h"

namespace zindo {

struct Catalogue {
    std::vector<EmojiString> emojiList;
    KeywordMap emojiKeywords;
    // The user's language's words, searched beside the keywords; none for English.
    const LanguageWords* languageWords = nullptr;
};

// The keyword table in row order.
std::span<const KeywordRow> keywordRows();

// Built anew for every grid build: nothing of it outlives the build.
Catalogue buildCatalogue(const LanguageWords* languageWords = LanguageWords::ofEnvironment());

}  // namespace zindo
