// filteredEmojis: which display entries one grid build shows for a term.
#pragma once

#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace zindo {

// The whole display list for "", otherwise every entry, in display order and
// with its repeats, one of whose keywords contains the term (both
// lower-cased), or failing that whose own text contains the term as passed,
// or, in another language than English, one of whose words in it contains the
// lower-cased term.
std::vector<EmojiString> filteredEmojis(std::string_view searchTerm, const Catalogue& catalogue);

}  // namespace zindo
