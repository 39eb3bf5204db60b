#include "catalogue/skin_tones.h"

#include <algorithm>

namespace zindo {

// string_view compares bytes as unsigned, as the generator sorts them.
std::span<const SkinTone> skinTonesOf(EmojiString emoji) {
    // Not std::ranges: clang 14, which builds the fuzzer, cannot compile GCC 12's ranges.
    struct ByEmoji {
        bool operator()(const SkinTone& tone, EmojiString key) const { return tone.emoji < key; }
        bool operator()(EmojiString key, const SkinTone& tone) const { return key < tone.emoji; }
    };
    const auto [first, last] = std::equal_range(tables::kSkinTones.begin(), tables::kSkinTones.end(), emoji, ByEmoji{});
    return {first, last};
}

std::string_view nameOf(const SkinTone& tone, const LanguageWords* languageWords) {
    const std::string_view name = languageWords != nullptr ? languageWords->skinToneName(tone.form) : "";
    return name.empty() ? tone.englishName : name;
}

}  // namespace zindo
