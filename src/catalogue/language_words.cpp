#include "catalogue/language_words.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "catalogue/language_tables.h"
#include "catalogue/skin_tones.h"

namespace zindo {
namespace {

const tables::LanguageTable* tableFor(std::string_view locale) {
    const auto found = std::lower_bound(
        tables::kLanguageTables.begin(), tables::kLanguageTables.end(), locale,
        [](const tables::LanguageTable& table, std::string_view wanted) { return table.locale < wanted; });
    return found != tables::kLanguageTables.end() && found->locale == locale ? &*found : nullptr;
}

// "de_AT.UTF-8" is de_AT; "sr_RS@latin" is sr_Latn_RS; "zh-TW" is zh_TW.
std::string cldrName(std::string_view posix) {
    std::string name(posix.substr(0, posix.find_first_of(".@")));
    std::replace(name.begin(), name.end(), '-', '_');
    if (posix.substr(std::min(posix.size(), posix.find('@'))) == "@latin") {
        const std::size_t language = name.find('_');
        name.insert(language == std::string::npos ? name.size() : language, "_Latn");
    }
    return name;
}

// The locale itself, then each shorter one. Taiwan and Hong Kong write in
// traditional characters, which CLDR names as a script.
std::vector<std::string> fromMostSpecific(std::string name) {
    if (name == "zh_TW" || name == "zh_MO") name = "zh_Hant";
    if (name == "zh_HK") name = "zh_Hant_HK";
    std::vector<std::string> candidates;
    for (;;) {
        candidates.push_back(name);
        const std::size_t cut = name.rfind('_');
        if (cut == std::string::npos) return candidates;
        name.resize(cut);
    }
}

const LanguageWords* madeOnce(const tables::LanguageTable& table) {
    static std::mutex mutex;
    static std::unordered_map<const tables::LanguageTable*, std::unique_ptr<LanguageWords>> made;
    const std::lock_guard lock(mutex);
    auto& words = made[&table];
    if (words == nullptr)
        words = std::make_unique<LanguageWords>(static_cast<std::size_t>(&table - tables::kLanguageTables.data()));
    return words.get();
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    lines.reserve(tables::kWordedEmoji.size());
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

}  // namespace

const LanguageWords* LanguageWords::forLanguages(std::span<const std::string> languages) {
    for (const std::string& language : languages) {
        const std::string name = cldrName(language);
        if (name.empty()) continue;
        if (name == "C" || name == "POSIX" || name == "en" || name.starts_with("en_")) return nullptr;
        for (const std::string& candidate : fromMostSpecific(name)) {
            if (const tables::LanguageTable* table = tableFor(candidate)) return madeOnce(*table);
        }
    }
    return nullptr;
}

const LanguageWords* LanguageWords::ofEnvironment() {
    static const LanguageWords* const chosen = [] {
        const auto variable = [](const char* name) -> std::string_view {
            const char* value = std::getenv(name);
            return value == nullptr ? std::string_view() : value;
        };
        std::vector<std::string> languages;
        for (std::string_view list = variable("LANGUAGE"); !list.empty();) {
            const std::size_t colon = list.find(':');
            languages.emplace_back(list.substr(0, colon));
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            if (!variable(name).empty()) {
                languages.emplace_back(variable(name));
                break;
            }
        }
        return forLanguages(languages);
    }();
    return chosen;
}

LanguageWords::LanguageWords(std::size_t table)
    : locale_(tables::kLanguageTables[table].locale), foldsKana_(locale_.substr(0, locale_.find('_')) == "ja") {
    // This table's lines, then its parent's, and so on.
    std::vector<std::vector<std::string_view>> chain, toneChain;
    for (const tables::LanguageTable* at = &tables::kLanguageTables[table]; at != nullptr;
         at = at->parent.empty() ? nullptr : tableFor(at->parent)) {
        chain.push_back(linesOf(at->words));
        toneChain.push_back(linesOf(at->toneNames));
    }
    words_.reserve(tables::kWordedEmoji.size());
    for (std::size_t emoji = 0; emoji < tables::kWordedEmoji.size(); ++emoji) {
        for (const std::vector<std::string_view>& lines : chain) {
            if (emoji >= lines.size() || lines[emoji].empty()) continue;
            const std::string lowered = unicode::toLower(lines[emoji]);
            Words words{unicode::decomposed(lowered), folded(lowered)};
            if (words.folded == words.lowered) words.folded.clear();
            words_.emplace(tables::kWordedEmoji[emoji], std::move(words));
            break;
        }
    }
    for (std::size_t tone = 0; tone < tables::kSkinTones.size(); ++tone) {
        for (const std::vector<std::string_view>& lines : toneChain) {
            if (tone >= lines.size() || lines[tone].empty()) continue;
            toneNames_.emplace(tables::kSkinTones[tone].form, lines[tone]);
            break;
        }
    }
}

std::string LanguageWords::folded(std::string_view lowered) const {
    std::string withoutAccents = unicode::foldLatinAccents(lowered);
    return foldsKana_ ? unicode::hiraganaAsKatakana(withoutAccents) : withoutAccents;
}

// A tab would join two words.
LanguageWords::Term::Term(std::string_view lowered, const LanguageWords& words)
    : Term(lowered, words.folded(lowered)) {}

LanguageWords::Term::Term(std::string_view lowered, const std::string& folded)
    : usable_(lowered.find('\t') == std::string_view::npos),
      foldingChangesIt_(folded != unicode::decomposed(lowered)),
      lowered_(lowered),
      folded_(folded) {}

std::string_view LanguageWords::skinToneName(EmojiString form) const {
    const auto found = toneNames_.find(form);
    return found == toneNames_.end() ? std::string_view() : found->second;
}

bool LanguageWords::anyWordContains(EmojiString emoji, const Term& term) const {
    if (!term.usable_) return false;
    const auto found = words_.find(emoji);
    if (found == words_.end()) return false;
    const Words& words = found->second;
    if (term.lowered_.isFoundInDecomposed(words.lowered)) return true;
    // Where folding changes neither, the folded search is the one just made.
    if (!term.foldingChangesIt_ && words.folded.empty()) return false;
    return term.folded_.isFoundInDecomposed(words.folded.empty() ? words.lowered : words.folded);
}

}  // namespace zindo
