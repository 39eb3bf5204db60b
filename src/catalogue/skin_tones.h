// The skin tones an emoji of the grid takes, from the release's emoji-test.txt.
#pragma once

#include <span>
#include <string_view>

#include "catalogue/emoji_tables.h"
#include "catalogue/language_words.h"

namespace zindo {

struct SkinTone {
    EmojiString emoji;             // as the display list has it
    EmojiString form;              // with the tone, fully qualified
    std::string_view englishName;  // "thumbs up: medium skin tone"
};

namespace tables {
// By emoji in byte order, then light to dark: five forms an emoji.
extern const std::span<const SkinTone> kSkinTones;
}  // namespace tables

// The emoji's forms, light to dark; none for an emoji that takes no tone.
std::span<const SkinTone> skinTonesOf(EmojiString emoji);

// The form's name in the language of these words where CLDR has one, else in English.
std::string_view nameOf(const SkinTone& tone, const LanguageWords* languageWords);

}  // namespace zindo
