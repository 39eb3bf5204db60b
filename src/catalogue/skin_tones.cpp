#include "catalogue/skin_tones.h"

#include <algorithm>

namespace zindo {

// string_view compares bytes as unsigned, as the generator sorts them.
std::span<const SkinTone> skinTonesOf(EmojiString emoji) {
    const auto found = std::ranges::equal_range(tables::kSkinTones, emoji, {}, &SkinTone::emoji);
    return {found.begin(), found.end()};
}

std::string_view nameOf(const SkinTone& tone, const LanguageWords* languageWords) {
    const std::string_view name = languageWords != nullptr ? languageWords->skinToneName(tone.form) : "";
    return name.empty() ? tone.englishName : name;
}

}  // namespace zindo
