#include "catalogue/catalogue.h"

namespace zindo {

std::span<const KeywordRow> keywordRows() { return tables::kKeywordRows; }

Catalogue buildCatalogue() {
    Catalogue catalogue{
        .emojiList = {tables::kDisplayList.begin(), tables::kDisplayList.end()},
        .emojiKeywords = KeywordMap(tables::kKeywordRowCount),
    };
    for (const KeywordRow& row : keywordRows()) catalogue.emojiKeywords.store(row.emoji, row.keywords);
    return catalogue;
}

}  // namespace zindo
