#include "catalogue/search_filter.h"

#include <algorithm>
#include <optional>

#include "catalogue/unicode_text.h"

namespace zindo {
namespace {

bool isLowerAscii(std::string_view word) {
    return std::none_of(word.begin(), word.end(),
                        [](char c) { return static_cast<unsigned char>(c) >= 0x80 || (c >= 'A' && c <= 'Z'); });
}

bool anyKeywordContains(KeywordMap::Keywords keywords, const unicode::CanonicalTerm& term) {
    return std::any_of(keywords.begin(), keywords.end(), [&](std::string_view keyword) {
        // The built-in keywords are lower-case ASCII already; lowering them again
        // would cost an allocation per keyword for the same text.
        return isLowerAscii(keyword) ? term.isFoundIn(keyword) : term.isFoundIn(unicode::toLower(keyword));
    });
}

}  // namespace

std::vector<EmojiString> filteredEmojis(std::string_view searchTerm, const Catalogue& catalogue) {
    if (searchTerm.empty()) return catalogue.emojiList;

    const std::string loweredText = unicode::toLower(searchTerm);
    const unicode::CanonicalTerm lowered(loweredText);
    const unicode::CanonicalTerm asPassed(searchTerm);
    std::optional<LanguageWords::Term> inLanguage;
    if (catalogue.languageWords != nullptr) inLanguage.emplace(loweredText, *catalogue.languageWords);
    std::vector<EmojiString> selected;
    for (EmojiString emoji : catalogue.emojiList) {
        if (anyKeywordContains(catalogue.emojiKeywords.lookup(emoji), lowered) || asPassed.isFoundIn(emoji) ||
            (inLanguage && catalogue.languageWords->anyWordContains(emoji, *inLanguage))) {
            selected.push_back(emoji);
        }
    }
    return selected;
}

}  // namespace zindo
