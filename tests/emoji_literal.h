// Spells an emoji by its code points, so that tests never depend on invisible
// joiners and variation selectors surviving an editor.
#pragma once

#include <unicode/utf8.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace zindo::testing {

inline std::string utf8(std::string_view codePoints) {
    std::istringstream in{std::string(codePoints)};
    std::string out;
    std::string hex;
    while (in >> hex) {
        uint8_t bytes[U8_MAX_LENGTH];
        int32_t length = 0;
        U8_APPEND_UNSAFE(bytes, length, static_cast<UChar32>(std::stoul(hex, nullptr, 16)));
        out.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
    }
    return out;
}

}  // namespace zindo::testing
