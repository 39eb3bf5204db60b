#include "catalogue/unicode_text.h"

#include <gtest/gtest.h>

#include <string>

#include "emoji_literal.h"

namespace zindo::unicode {
namespace {

using zindo::testing::utf8;

TEST(LowerCaseTest, UsesTheFullDefaultMappingWhateverTheLocale) {
    const struct {
        std::string text, lower;
    } cases[] = {
        {"Dog", "dog"},
        {"  SPACES kept ", "  spaces kept "},
        {utf8("0130"), utf8("0069 0307")},                           // İ: i with a dot above, not Turkish i
        {utf8("1E9E"), utf8("00DF")},                                // ẞ
        {utf8("039F 0394 039F 03A3"), utf8("03BF 03B4 03BF 03C2")},  // ΟΔΟΣ: final sigma
        {utf8("03A3 0391"), utf8("03C3 03B1")},                      // ΣΑ: medial sigma
        {utf8("01C5"), utf8("01C6")},                                // ǅ
        {utf8("212A"), "k"},                                         // Kelvin sign
        {utf8("1F600 0041"), utf8("1F600 0061")},                    // emoji stay as they are
    };
    for (const auto& c : cases) EXPECT_EQ(toLower(c.text), c.lower) << c.text;
}

TEST(Utf8Test, IllFormedInputIsRecognisedAndReplaced) {
    EXPECT_TRUE(isValidUtf8(utf8("1F468 200D 1F469")));
    EXPECT_TRUE(isValidUtf8(""));
    for (std::string_view bad : {"\xFF", "\xC0\xAF", "\xED\xA0\x80", "\xF0\x9F\x98", "a\x80"}) {
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
        EXPECT_TRUE(isValidUtf8(toValidUtf8(bad)));
    }
    EXPECT_EQ(toValidUtf8("a\xFF"
                          "b"),
              "a\xEF\xBF\xBD"
              "b");
}

TEST(CanonicalTermTest, ContainmentUnderCanonicalEquivalence) {
    const struct {
        std::string text, term;
        bool found;
    } cases[] = {
        {"grinning", "grin", true},
        {"grin", "grinning", false},
        {"dog", "", false},
        {"caf" + utf8("00E9"), "caf" + utf8("0065 0301"), true},  // NFD finds NFC
        {"cafe" + utf8("0301"), utf8("00E9"), true},              // and NFC finds NFD
        {"caf" + utf8("00E9"), "cafe", false},                    // never half a character
        {utf8("00C5"), utf8("212B"), true},                       // Å and the Ångström sign
        {utf8("2764 FE0F"), utf8("2764"), false},                 // U+FE0F is part of the emoji
        {utf8("2764 FE0F"), utf8("2764 FE0F"), true},
        {utf8("2764"), utf8("2764 FE0F"), false},
        {utf8("1F468 200D 1F469 200D 1F467"), utf8("1F468"), false},  // 👨 is not 👨‍👩‍👧
        {utf8("1F468 200D 1F469 200D 1F467"), utf8("1F468 200D"), false},
        {utf8("1F468 200D 1F469 200D 1F467 200D 1F466"), utf8("1F468 200D 1F469 200D 1F467"), false},
        {utf8("1F441 FE0F 200D 1F5E8 FE0F"), utf8("1F441 FE0F 200D 1F5E8 FE0F"), true},
        {utf8("0023 FE0F 20E3"), "#", false},
        {"a\r\nb", "\r", false},
        {"a\r\nb", "a", true},
        {"Kelvin", utf8("212A"), true},  // the Kelvin sign decomposes to K
        {"kelvin", utf8("212A"), false},
    };
    for (const auto& c : cases) {
        const CanonicalTerm term(c.term);
        EXPECT_EQ(term.isFoundInByNormalForm(c.text), c.found) << c.text << " / " << c.term;
        EXPECT_EQ(term.isFoundIn(c.text), term.isFoundInByNormalForm(c.text)) << c.text << " / " << c.term;
    }
}

}  // namespace
}  // namespace zindo::unicode
