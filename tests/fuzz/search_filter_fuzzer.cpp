// Any bytes as a search term: no crash, no sanitizer report, and the result
// is always a subsequence of the display list.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "catalogue/search_filter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const zindo::Catalogue catalogue = zindo::buildCatalogue();
    const std::string_view term(reinterpret_cast<const char*>(data), size);
    auto at = catalogue.emojiList.begin();
    for (zindo::EmojiString emoji : zindo::filteredEmojis(term, catalogue)) {
        at = std::find(at, catalogue.emojiList.end(), emoji);
        if (at == catalogue.emojiList.end()) std::abort();
        ++at;
    }
    return 0;
}
