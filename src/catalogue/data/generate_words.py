#!/usr/bin/env python3
"""Compiles the words of every language Unicode's CLDR has for our emoji: the
name (the "tts" annotation) and the keywords, from common/annotations/ and
common/annotationsDerived/; and the names of their skin tone forms, found
in EMOJI_TEST as generate_tables.py finds them.

Usage: generate_words.py EMOJI_LIST EMOJI_TEST CLDR_COMMON OUTPUT_CPP

CLDR leaves out U+FE0F, so our emoji are matched to its without it. A regional
locale (de_CH, pt_PT) adds to or overrides its parent's words; a value of
"↑↑↑" is the parent's. Each locale keeps a line only for the emoji whose words
it changes, and the program looks up the parent for the others. English is
left out, as the program searches its own English keywords, and so is every
locale that brings no word.
"""
import functools
import os
import sys
import xml.etree.ElementTree as ElementTree

from generate_tables import read_display_list, skin_tone_forms

INHERITED = "↑↑↑"


def parent_locales(common):
    parents = {}
    root = ElementTree.parse(os.path.join(common, "supplemental", "supplementalData.xml")).getroot()
    for group in root.iter("parentLocales"):
        if group.get("component"):
            continue
        for entry in group.iter("parentLocale"):
            for locale in entry.get("locales").split():
                parents[locale] = entry.get("parent")
    return parents


def parent_of(locale, parents):
    if locale in parents:
        return parents[locale]
    return locale.rsplit("_", 1)[0] if "_" in locale else "root"


@functools.lru_cache(maxsize=None)
def own_annotations(common, locale, wanted):
    """{emoji key: (name or None, keywords or None)} as the locale's files give them."""
    found = {}
    for folder in ("annotations", "annotationsDerived"):
        path = os.path.join(common, folder, locale + ".xml")
        if not os.path.exists(path):
            continue
        for annotation in ElementTree.parse(path).getroot().iter("annotation"):
            key, text = annotation.get("cp"), (annotation.text or "").strip()
            if key not in wanted or not text or text == INHERITED:
                continue
            name, keywords = found.get(key, (None, None))
            if annotation.get("type") == "tts":
                name = text
            else:
                keywords = [word.strip() for word in text.split("|") if word.strip() and word.strip() != INHERITED]
            found[key] = (name, keywords)
    return found


# Bidirectional formatting characters, which compilers warn of in source.
BIDI_CONTROLS = set("\u061C\u200E\u200F\u202A\u202B\u202C\u202D\u202E\u2066\u2067\u2068\u2069")


def cpp_text(text):
    out = []
    for c in text:
        if c in BIDI_CONTROLS:
            # Bytes, then a new literal, so that no character after them reads as part of the escape.
            out.append("".join(f"\\x{b:02X}" for b in c.encode("utf-8")) + '" "')
        elif c in '"\\':
            out.append("\\" + c)
        elif c == "\n":
            out.append("\\n")
        elif c == "\t":
            out.append("\\t")
        elif ord(c) < 0x20:
            sys.exit(f"a control character in CLDR's words: {ord(c):02X}")
        else:
            out.append(c)
    return "".join(out)


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    display, common = read_display_list(sys.argv[1]), sys.argv[3]
    # Ours in byte order, which the program searches by halves.
    ours = sorted(set(display), key=lambda emoji: emoji.encode("utf-8"))
    keys = [emoji.replace("\uFE0F", "") for emoji in ours]
    # In the order of the tone table, which the program reads them by.
    tone_keys = [form.replace("\uFE0F", "") for _, form, _ in skin_tone_forms(sys.argv[2], display)]
    wanted = frozenset(keys + tone_keys)
    parents = parent_locales(common)
    locales = sorted({name[:-4] for folder in ("annotations", "annotationsDerived")
                      for name in os.listdir(os.path.join(common, folder)) if name.endswith(".xml")})
    locales = [locale for locale in locales if locale != "root" and locale.split("_")[0] != "en"]

    resolved_cache = {}

    def resolved(locale):
        """Every emoji's (name, keywords) as the locale and its parents give them."""
        if locale in ("root", None) or locale.split("_")[0] == "en":
            return {}
        if locale not in resolved_cache:
            words = dict(resolved(parent_of(locale, parents)))
            for key, (name, keywords) in own_annotations(common, locale, wanted).items():
                inherited_name, inherited_keywords = words.get(key, (None, None))
                words[key] = (name or inherited_name, keywords or inherited_keywords)
            resolved_cache[locale] = words
        return resolved_cache[locale]

    tables = []
    for locale in locales:
        own = own_annotations(common, locale, wanted)
        if not own:
            continue
        words = resolved(locale)
        lines = []
        for key in keys:
            if key not in own:
                lines.append("")
                continue
            name, keywords = words[key]
            found = ([name] if name else []) + [word for word in keywords or [] if word != name]
            lines.append("\t".join(found))
        names = "\n".join(own.get(key, (None, None))[0] or "" for key in tone_keys)
        parent = parent_of(locale, parents)
        while parent != "root" and parent not in [table[0] for table in tables] and parent not in locales:
            parent = parent_of(parent, parents)
        tables.append((locale, "" if parent == "root" else parent, "\n".join(lines), names))
    # A parent that brought nothing of its own was left out: its children look past it.
    kept = {locale for locale, _, _, _ in tables}
    tables = [(locale, parent if parent in kept else "", text, names) for locale, parent, text, names in tables]

    out = [
        "// generated by src/catalogue/data/generate_words.py from emoji_list.tsv and",
        "// Unicode's CLDR annotations (Unicode-DFS-2016); edit neither here.",
        '#include "catalogue/language_tables.h"',
        "",
        "namespace zindo::tables {",
        "",
        "namespace {",
        "",
        f"constexpr EmojiString kWordedEmojiArray[] = {{",
    ]
    out += ['    "' + "".join(f"\\x{b:02X}" for b in emoji.encode("utf-8")) + '",' for emoji in ours]
    out += ["};", ""]
    for index, (locale, _, text, names) in enumerate(tables):
        out.append(f'constexpr char kWords{index}[] = "{cpp_text(text)}";  // {locale}')
        out.append(f'constexpr char kToneNames{index}[] = "{cpp_text(names)}";')
    out += ["", "constexpr LanguageTable kLanguageTableArray[] = {"]
    for index, (locale, parent, _, _) in enumerate(tables):
        out.append(f'    {{"{locale}", "{parent}", {{kWords{index}, sizeof kWords{index} - 1}}, '
                   f'{{kToneNames{index}, sizeof kToneNames{index} - 1}}}},')
    out += ["};", "", "}  // namespace", "",
            "const std::span<const EmojiString> kWordedEmoji = kWordedEmojiArray;",
            "const std::span<const LanguageTable> kLanguageTables = kLanguageTableArray;",
            "", "}  // namespace zindo::tables", ""]
    with open(sys.argv[4], "w", encoding="utf-8") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main()
