// Any bytes as a search term: no crash, no sanitizer report, and the emoji the
// filter finds when written out in full on the normal-form path, which its fast
// paths must agree with; in French and Japanese, those and more, still in grid
// order. The seeds (in seeds/) are the hard cases.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/search_filter.h"
#include "catalogue/unicode_text.h"

namespace {

std::vector<zindo::EmojiString> referenceFilter(std::string_view term, const zindo::Catalogue& catalogue) {
    if (term.empty()) return catalogue.emojiList;
    const zindo::unicode::CanonicalTerm lowered(zindo::unicode::toLower(term));
    const zindo::unicode::CanonicalTerm asPassed(term);
    std::vector<zindo::EmojiString> out;
    for (zindo::EmojiString emoji : catalogue.emojiList) {
        const auto keywords = catalogue.emojiKeywords.lookup(emoji);
        const bool byKeyword = std::any_of(keywords.begin(), keywords.end(), [&](std::string_view keyword) {
            return lowered.isFoundInByNormalForm(zindo::unicode::toLower(keyword));
        });
        if (byKeyword || asPassed.isFoundInByNormalForm(emoji)) out.push_back(emoji);
    }
    return out;
}

// Whether `all` holds every emoji of `some` in the same order.
bool isSubsequence(const std::vector<zindo::EmojiString>& some, const std::vector<zindo::EmojiString>& all) {
    auto at = all.begin();
    for (zindo::EmojiString emoji : some) {
        at = std::find(at, all.end(), emoji);
        if (at == all.end()) return false;
        ++at;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const zindo::Catalogue english = zindo::buildCatalogue(nullptr);
    static const zindo::Catalogue others[] = {
        zindo::buildCatalogue(zindo::LanguageWords::forLanguages(std::vector<std::string>{"fr"})),
        zindo::buildCatalogue(zindo::LanguageWords::forLanguages(std::vector<std::string>{"ja"}))};
    const std::string_view term(reinterpret_cast<const char*>(data), size);
    const std::vector<zindo::EmojiString> found = zindo::filteredEmojis(term, english);
    if (found != referenceFilter(term, english)) std::abort();
    for (const zindo::Catalogue& other : others) {
        const std::vector<zindo::EmojiString> more = zindo::filteredEmojis(term, other);
        if (!isSubsequence(found, more) || !isSubsequence(more, english.emojiList)) std::abort();
    }
    return 0;
}
