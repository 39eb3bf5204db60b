// The words of the user's language for our emoji (Unicode's CLDR names and
// keywords), searched beside the built-in English keywords.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/emoji_tables.h"
#include "catalogue/unicode_text.h"

namespace zindo {

class LanguageWords {
public:
    // The words of the first of these languages (POSIX names such as
    // "de_AT.UTF-8" or "sr@latin", the most wanted first) that has any,
    // from the most specific locale to its parent; none where English, C or
    // POSIX comes first, or where none has words. Made once a language, on
    // first use: only the chosen language's table is ever read.
    static const LanguageWords* forLanguages(std::span<const std::string> languages);
    // As desktop programs choose: LANGUAGE's list, then LC_ALL, LC_MESSAGES
    // or LANG, whichever is set first. Read once.
    static const LanguageWords* ofEnvironment();

    const std::string& locale() const { return locale_; }

    // A search term made ready for these words: lower-cased by the caller.
    class Term {
    public:
        Term(std::string_view lowered, const LanguageWords& words);

    private:
        friend class LanguageWords;
        Term(std::string_view lowered, const std::string& folded);
        bool usable_;
        bool foldingChangesIt_;
        unicode::CanonicalTerm lowered_;
        unicode::CanonicalTerm folded_;
    };
    // Whether the term occurs within one of the emoji's words, compared as
    // lower-cased text, or folded on both sides: without accents, and in
    // Japanese with hiragana read as katakana.
    bool anyWordContains(EmojiString emoji, const Term& term) const;
    // CLDR's name of a skin tone form ("Daumen hoch: mittlere Hautfarbe"),
    // or nothing where these words have none.
    std::string_view skinToneName(EmojiString form) const;

    explicit LanguageWords(std::size_t table);

private:
    std::string folded(std::string_view lowered) const;

    struct Words {
        std::string lowered;  // tab-separated, canonically decomposed
        std::string folded;   // empty where folding changes nothing
    };
    std::string locale_;
    bool foldsKana_;
    std::unordered_map<EmojiString, Words> words_;
    std::unordered_map<EmojiString, std::string_view> toneNames_;
};

}  // namespace zindo
