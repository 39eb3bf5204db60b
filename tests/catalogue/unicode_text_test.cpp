#include "catalogue/unicode_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zindo::unicode {
namespace {

TEST(LowerCaseTest, UsesTheFullDefaultMappingWhateverTheLocale) {
    const struct {
        std::string text, lower;
    } cases[] = {
        {"  SPACES kept ", "  spaces kept "},
        {"\u0130", "\u0069\u0307"},                                // İ: i with a dot above, not Turkish i
        {"\u1E9E", "\u00DF"},                                      // ẞ
        {"\u039F\u0394\u039F\u03A3", "\u03BF\u03B4\u03BF\u03C2"},  // ΟΔΟΣ: final sigma
        {"\u03A3\u0391", "\u03C3\u03B1"},                          // ΣΑ: medial sigma
        {"\u01C5", "\u01C6"},                                      // ǅ
        {"\u212A", "k"},                                           // Kelvin sign
        {"\U0001F600\u0041", "\U0001F600\u0061"},                  // emoji stay as they are
    };
    for (const auto& c : cases) EXPECT_EQ(toLower(c.text), c.lower) << c.text;
}

TEST(CanonicalTermTest, ContainmentUnderCanonicalEquivalence) {
    const struct {
        std::string text, term;
        bool found;
    } cases[] = {
        {"dog", "", false},
        {"caf\u00E9", "cafe\u0301", true},  // NFD finds NFC
        {"cafe\u0301", "\u00E9", true},     // and NFC finds NFD
        {"caf\u00E9", "cafe", false},       // never half a character
        {"\u00C5", "\u212B", true},         // Å and the Ångström sign
        {"\u2764\uFE0F", "\u2764", false},  // U+FE0F is part of the emoji
        {"\U0001F468\u200D\U0001F469", "\U0001F468\u200D", false},
        {"a\r\nb", "\r", false},
        {"Kelvin", "\u212A", true},  // the Kelvin sign decomposes to K
    };
    for (const auto& c : cases) {
        const CanonicalTerm term(c.term);
        EXPECT_EQ(term.isFoundInByNormalForm(c.text), c.found) << c.text << " / " << c.term;
        EXPECT_EQ(term.isFoundIn(c.text), term.isFoundInByNormalForm(c.text)) << c.text << " / " << c.term;
    }
}

}  // namespace
}  // namespace zindo::unicode
