// Any bytes as a search term: no crash, no sanitizer report, and the emoji the
// filter finds when written out in full on the normal-form path, which its fast
// paths must agree with. The seeds (in seeds/) are the hard cases.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const zindo::Catalogue catalogue = zindo::buildCatalogue();
    const std::string_view term(reinterpret_cast<const char*>(data), size);
    if (zindo::filteredEmojis(term, catalogue) != referenceFilter(term, catalogue)) std::abort();
    return 0;
}
