// The two Unicode operations search relies on, with ICU's exact meaning:
// default lower-casing and containment under canonical equivalence.
#pragma once

#include <string>
#include <string_view>

namespace zindo::unicode {

bool isValidUtf8(std::string_view text);

// Ill-formed sequences become U+FFFD, so that every later step sees valid text.
std::string toValidUtf8(std::string_view text);

// Unicode's full default lower-case mapping, the same in every locale
// (İ becomes i + U+0307, ẞ becomes ß, Σ becomes ς at the end of a word).
std::string toLower(std::string_view text);
// The canonical decomposition (NFD), which the containment below works on.
std::string decomposed(std::string_view text);
// Latin letters without their accents, and œ æ ø ß ł đ ı spelt as a plain
// keyboard types them: "cœur" and "corazón" read as "coeur" and "corazon".
// Other scripts keep their marks, which make other letters there (が, й).
// Lower-case text in; decomposed text out.
std::string foldLatinAccents(std::string_view lowered);
// Hiragana as the katakana of the same sound (いぬ reads as イヌ): Japanese
// writes a word in either, and an input method commits hiragana unconverted.
std::string hiraganaAsKatakana(std::string_view text);

// A term prepared once and then sought in many texts.
//
// It is found where some text, after canonical decomposition, holds the
// term's decomposition at a stretch that starts and ends on grapheme-cluster
// boundaries: an NFD é finds an NFC é, but "e" does not find é, ❤ (U+2764)
// does not find ❤️, and 👨 does not find a family it is part of.
class CanonicalTerm {
public:
    explicit CanonicalTerm(std::string_view term);

    bool isFoundIn(std::string_view text) const;
    // The same for text known to be valid and decomposed already, as words
    // prepared once for many searches are.
    bool isFoundInDecomposed(std::string_view decomposedText) const;

    // The same answer without the plain-ASCII shortcut; the tests hold the
    // two against each other.
    bool isFoundInByNormalForm(std::string_view text) const;

private:
    std::string decomposed_;
    bool ascii_ = true;
};

}  // namespace zindo::unicode
