#include "catalogue/catalogue.h"

namespace zindo {

std::span<const KeywordRow> keywordRows() { return tables::kKeywordRows; }

Catalogue buildCatalogue(const LanguageWords* languageWords) {
    Catalogue catalogue{
        .emojiList = {tables::kDisplayList.begin(), tables::kDisplayList.end()},
        .emojiKeywords = KeywordMap(tables::kKeywordRows.size()),
        .languageWords = languageWords,
    };
    for (const KeywordRow& row : keywordRows()) catalogue.emojiKeywords.store(row.emoji, row.keywords);
    return catalogue;
}

}  // namespace zindo
