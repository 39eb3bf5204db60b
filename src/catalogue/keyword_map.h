// emojiKeywords: emoji string to its keyword list, looked up by hash.
#pragma once

#include <span>
#include <string_view>
#include <unordered_map>

#include "catalogue/emoji_tables.h"

namespace zindo {

class KeywordMap {
public:
    using Keywords = std::span<const std::string_view>;

    explicit KeywordMap(std::size_t expectedEntries = 0) { entries_.reserve(expectedEntries); }

    // Inserts, or replaces the list already stored under the key: of two rows
    // with one key the later wins.
    void store(EmojiString emoji, Keywords keywords) { entries_.insert_or_assign(emoji, keywords); }

    // An emoji without a row has no keywords.
    Keywords lookup(EmojiString emoji) const {
        const auto found = entries_.find(emoji);
        return found == entries_.end() ? Keywords{} : found->second;
    }

    bool contains(EmojiString emoji) const { return entries_.contains(emoji); }
    std::size_t size() const { return entries_.size(); }

private:
    std::unordered_map<EmojiString, Keywords> entries_;
};

}  // namespace zindo
