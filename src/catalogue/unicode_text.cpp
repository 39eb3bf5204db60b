#include "catalogue/unicode_text.h"

#include <unicode/brkiter.h>
#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uscript.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <memory>

namespace zindo::unicode {
namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

const icu::Normalizer2& nfd() {
    UErrorCode status = U_ZERO_ERROR;
    static const icu::Normalizer2* instance = icu::Normalizer2::getNFDInstance(status);
    return *instance;
}

// The canonical decomposition of valid UTF-8; `storage` holds it only when it
// differs from the text, which for emoji and keywords it never does.
std::string_view decompose(std::string_view text, std::string& storage) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::StringPiece piece(text.data(), static_cast<int32_t>(text.size()));
    if (nfd().isNormalizedUTF8(piece, status) && U_SUCCESS(status)) return text;
    storage.clear();
    icu::StringByteSink<std::string> sink(&storage);
    status = U_ZERO_ERROR;
    nfd().normalizeUTF8(0, piece, sink, nullptr, status);
    return U_SUCCESS(status) ? std::string_view(storage) : text;
}

bool onClusterBoundaries(std::string_view text, std::size_t start, std::size_t end) {
    UErrorCode status = U_ZERO_ERROR;
    // Made once a thread: making one loads the rules, which costs far more than a search.
    thread_local const std::unique_ptr<icu::BreakIterator> clusters(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (clusters == nullptr) return false;
    UText* utext = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
    if (U_FAILURE(status)) {
        utext_close(utext);
        return false;
    }
    clusters->setText(utext, status);
    const bool result = U_SUCCESS(status) && clusters->isBoundary(static_cast<int32_t>(start)) &&
                        clusters->isBoundary(static_cast<int32_t>(end));
    utext_close(utext);
    return result;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) return false;
    }
    return true;
}

std::string toValidUtf8(std::string_view text) {
    if (isValidUtf8(text)) return std::string(text);
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    std::string out;
    for (int32_t i = 0; i < length;) {
        const int32_t start = i;
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            out += "\xEF\xBF\xBD";
        } else {
            out.append(text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)));
        }
    }
    return out;
}

std::string toLower(std::string_view text) {
    const std::string valid = toValidUtf8(text);
    if (isAscii(valid)) {
        std::string out = valid;
        std::transform(out.begin(), out.end(), out.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        return out;
    }
    std::string out;
    icu::StringByteSink<std::string> sink(&out);
    UErrorCode status = U_ZERO_ERROR;
    // The empty locale is the root locale: no Turkish or Lithuanian tailoring.
    icu::CaseMap::utf8ToLower("", 0, icu::StringPiece(valid.data(), static_cast<int32_t>(valid.size())), sink, nullptr,
                              status);
    return U_SUCCESS(status) ? out : valid;
}

std::string decomposed(std::string_view text) {
    const std::string valid = toValidUtf8(text);
    std::string storage;
    return std::string(decompose(valid, storage));
}

std::string foldLatinAccents(std::string_view lowered) {
    const std::string text = decomposed(lowered);
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    std::string out;
    bool afterLatin = false;
    for (int32_t i = 0; i < length;) {
        const int32_t start = i;
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        if (afterLatin && c >= 0x300 && c <= 0x36F) continue;  // the combining diacritical marks
        UErrorCode status = U_ZERO_ERROR;
        afterLatin = uscript_getScript(c, &status) == USCRIPT_LATIN;
        switch (c) {
            case 0x0153:
                out += "oe";
                break;
            case 0x00E6:
                out += "ae";
                break;
            case 0x00F8:
                out += "o";
                break;
            case 0x00DF:
                out += "ss";
                break;
            case 0x0142:
                out += "l";
                break;
            case 0x0111:
                out += "d";
                break;
            case 0x0131:
                out += "i";
                break;
            default:
                out.append(text, static_cast<std::size_t>(start), static_cast<std::size_t>(i - start));
        }
    }
    return out;
}

std::string hiraganaAsKatakana(std::string_view text) {
    const std::string valid = toValidUtf8(text);
    const auto* bytes = reinterpret_cast<const uint8_t*>(valid.data());
    const auto length = static_cast<int32_t>(valid.size());
    std::string out;
    out.reserve(valid.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT_UNSAFE(bytes, i, c);
        // The two blocks list the same sounds in the same order, ぁ to ゖ and ァ to ヶ.
        if (c >= 0x3041 && c <= 0x3096) c += 0x60;
        uint8_t encoded[U8_MAX_LENGTH];
        int32_t size = 0;
        U8_APPEND_UNSAFE(encoded, size, c);
        out.append(reinterpret_cast<const char*>(encoded), static_cast<std::size_t>(size));
    }
    return out;
}

CanonicalTerm::CanonicalTerm(std::string_view term) {
    const std::string valid = toValidUtf8(term);
    std::string storage;
    decomposed_ = decompose(valid, storage);
    ascii_ = isAscii(decomposed_);
}

bool CanonicalTerm::isFoundIn(std::string_view text) const {
    if (decomposed_.empty()) return false;
    // Plain ASCII decomposes to itself and has a cluster boundary between any
    // two characters but CR LF, so a byte search is the whole answer.
    if (isAscii(text)) {
        if (ascii_ && text.find('\r') == std::string_view::npos)
            return text.find(decomposed_) != std::string_view::npos;
        // Plain ASCII holds no byte of a term that is not.
        if (!ascii_) return false;
    }
    return isFoundInByNormalForm(text);
}

bool CanonicalTerm::isFoundInByNormalForm(std::string_view text) const {
    if (decomposed_.empty()) return false;
    std::string repaired;
    std::string_view checked = text;
    if (!isValidUtf8(text)) checked = repaired = toValidUtf8(text);
    std::string storage;
    return isFoundInDecomposed(decompose(checked, storage));
}

bool CanonicalTerm::isFoundInDecomposed(std::string_view decomposedText) const {
    if (decomposed_.empty()) return false;
    for (std::size_t at = decomposedText.find(decomposed_); at != std::string_view::npos;
         at = decomposedText.find(decomposed_, at + 1)) {
        if (onClusterBoundaries(decomposedText, at, at + decomposed_.size())) return true;
    }
    return false;
}

}  // namespace zindo::unicode
