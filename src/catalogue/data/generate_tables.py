#!/usr/bin/env python3
"""Turns emoji_list.tsv and keyword_rows.tsv into the compiled-in C++ tables.

Usage: generate_tables.py EMOJI_LIST KEYWORD_ROWS EMOJI_TEST CLDR_COMMON OUTPUT_CPP

The code-point column is the truth: the literal emoji beside it is only there
for reviewers, and must agree with it, so that an editor that drops an
invisible joiner or variation selector is caught at build time. Every display
emoji must be fully qualified in Unicode's emoji-test.txt (EMOJI_TEST): one
that has lost its U+FE0F would paste as text, not as an emoji.

A display emoji that takes a skin tone offers the forms with one tone that
the same file lists as fully qualified, light to dark, with their English
names: for people pairs (🤝, 👫) only those whose every modifier is that tone.

A displayed emoji without a row would be found by no English word: it gets
the words of its English name and keywords from Unicode's CLDR (CLDR_COMMON),
in the rows' alphabet, so that the release's CLDR, not a hand-kept copy, says
what they are.
"""
import os
import re
import sys
import unicodedata
import xml.etree.ElementTree as ElementTree

KEYWORD = re.compile(r"[a-z0-9]{1,16}")


def fail(path, line_no, message):
    sys.exit(f"{path}:{line_no}: {message}")


def data_lines(path):
    with open(path, encoding="utf-8") as f:
        for line_no, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                yield line_no, line.split("\t")


def emoji_from(path, line_no, code_points, literal):
    try:
        emoji = "".join(chr(int(cp, 16)) for cp in code_points.split(" "))
    except ValueError:
        fail(path, line_no, f"bad code points {code_points!r}")
    if emoji != literal:
        fail(path, line_no, f"literal {literal!r} does not match {code_points}")
    if not 1 <= len(emoji) <= 8:
        fail(path, line_no, "an emoji has one to eight code points")
    # The search finds an emoji by its own text under canonical equivalence: only literally if no form changes it.
    if not all(unicodedata.is_normalized(form, emoji) for form in ("NFC", "NFD")):
        fail(path, line_no, "an emoji must be unchanged by normalisation")
    return emoji


def cpp_string(text):
    return '"' + "".join(f"\\x{b:02X}" for b in text.encode("utf-8")) + '"'


def cpp_name(text):
    """Readable where it is printable ASCII without quotes or backslashes, bytes otherwise."""
    return f'"{text}"' if re.fullmatch(r'[ !#-\[\]-~]*', text) else cpp_string(text)


def read_display_list(path):
    display = []
    for line_no, fields in data_lines(path):
        if len(fields) != 2:
            fail(path, line_no, "expected: code points<TAB>emoji")
        display.append(emoji_from(path, line_no, *fields))
    return display


def fully_qualified_lines(path):
    """(emoji, English name) of each line of emoji-test.txt that is fully qualified, in its order."""
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.split(";")
            if len(fields) == 2 and fields[1].split("#")[0].strip() == "fully-qualified":
                # "# 👍🏼 E1.0 thumbs up: medium-light skin tone"
                name = fields[1].split("#", 1)[1].split(None, 2)[2].strip()
                yield "".join(chr(int(cp, 16)) for cp in fields[0].split()), name


def fully_qualified(path):
    """The emoji that emoji-test.txt lists as fully qualified."""
    return {emoji for emoji, _ in fully_qualified_lines(path)}


def check_fully_qualified(path, what, emojis, qualified):
    for line_no, emoji in enumerate(emojis, 1):
        if emoji not in qualified:
            points = " ".join(f"{ord(c):X}" for c in emoji)
            sys.exit(f"{path}: {what} {line_no} ({points}) is not a fully-qualified emoji in emoji-test.txt")


SKIN_TONES = [chr(c) for c in range(0x1F3FB, 0x1F400)]


def skin_tone_forms(emoji_test, display):
    """[(display emoji, form, English name)]: for each display emoji that takes a
    skin tone, in byte order, its five one-tone forms, light to dark. A form is
    the emoji once its modifiers and every U+FE0F are left out of both, and its
    modifiers are all one tone."""
    forms = {}
    for form, name in fully_qualified_lines(emoji_test):
        tones = {c for c in form if c in SKIN_TONES}
        if len(tones) == 1:
            base = "".join(c for c in form if c not in SKIN_TONES and c != "\uFE0F")
            forms.setdefault(base, []).append((SKIN_TONES.index(tones.pop()), form, name))
    found = []
    for emoji in sorted(set(display), key=lambda emoji: emoji.encode("utf-8")):
        own = sorted(forms.get(emoji.replace("\uFE0F", ""), []))
        if own and [tone for tone, _, _ in own] != list(range(len(SKIN_TONES))):
            points = " ".join(f"{ord(c):X}" for c in emoji)
            sys.exit(f"{emoji_test}: {points} lacks a form for each skin tone, or has two for one")
        found += [(emoji, form, name) for _, form, name in own]
    return found


def read_keyword_rows(path):
    rows = []
    for line_no, fields in data_lines(path):
        if len(fields) != 3:
            fail(path, line_no, "expected: code points<TAB>emoji<TAB>keywords")
        emoji = emoji_from(path, line_no, fields[0], fields[1])
        keywords = fields[2].split(" ")
        if not 5 <= len(keywords) <= 8:
            fail(path, line_no, "a row has five to eight keywords")
        for word in keywords:
            if not KEYWORD.fullmatch(word):
                fail(path, line_no, f"keyword {word!r} is not 1-16 of a-z, 0-9")
        key = [ord(c) for c in emoji]
        if rows and key <= [ord(c) for c in rows[-1][0]]:
            fail(path, line_no, "rows must be in strictly ascending code-point order")
        rows.append((emoji, keywords))
    return rows


def cldr_rows(common, display, rows):
    """Rows for the displayed emoji that have none: their English CLDR name's
    words, then its keywords', lower-case, split on anything but a-z and 0-9,
    each word once."""
    texts = {}
    for annotation in ElementTree.parse(os.path.join(common, "annotations", "en.xml")).getroot().iter("annotation"):
        name, keywords = texts.get(annotation.get("cp"), ("", ""))
        if annotation.get("type") == "tts":
            name = annotation.text or ""
        else:
            keywords = annotation.text or ""
        texts[annotation.get("cp")] = (name, keywords)
    have = {emoji for emoji, _ in rows}
    added = []
    for emoji in dict.fromkeys(emoji for emoji in display if emoji not in have):
        # CLDR leaves out U+FE0F.
        name, keywords = texts.get(emoji.replace("\uFE0F", ""), ("", ""))
        words = [word for word in re.split(r"[^a-z0-9]+", f"{name} {keywords}".lower()) if word]
        if not words:
            points = " ".join(f"{ord(c):X}" for c in emoji)
            sys.exit(f"{common}: no English words for {points}, which has no keyword row either")
        added.append((emoji, list(dict.fromkeys(words))))
    return added


def main():
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    display = read_display_list(sys.argv[1])
    qualified = fully_qualified(sys.argv[3])
    check_fully_qualified(sys.argv[1], "display entry", display, qualified)
    tones = skin_tone_forms(sys.argv[3], display)
    check_fully_qualified(sys.argv[3], "skin tone form", [form for _, form, _ in tones], qualified)
    rows = read_keyword_rows(sys.argv[2])
    rows = sorted(rows + cldr_rows(sys.argv[4], display, rows), key=lambda row: [ord(c) for c in row[0]])

    out = [
        "// generated by src/catalogue/data/generate_tables.py from emoji_list.tsv,",
        "// keyword_rows.tsv, emoji-test.txt and CLDR's English annotations; edit those, not this file.",
        '#include "catalogue/emoji_tables.h"',
        '#include "catalogue/skin_tones.h"',
        "",
        "namespace zindo::tables {",
        "namespace {",
        f"constexpr std::string_view kWords[{sum(len(k) for _, k in rows)}] = {{",
    ]
    for _, keywords in rows:
        out.append("    " + ", ".join(f'"{w}"' for w in keywords) + ",")
    out += ["};", "}  // namespace", ""]

    out.append(f"const std::array<std::string_view, {len(display)}> kDisplayList = {{")
    out += [f"    {cpp_string(e)}," for e in display]
    out += ["};", ""]

    out += ["namespace {", f"constexpr KeywordRow kRows[{len(rows)}] = {{"]
    offset = 0
    for emoji, keywords in rows:
        out.append(f"    {{{cpp_string(emoji)}, {{kWords + {offset}, {len(keywords)}}}}},")
        offset += len(keywords)
    out += ["};", "", f"constexpr SkinTone kTones[{len(tones)}] = {{"]
    out += [f'    {{{cpp_string(emoji)}, {cpp_string(form)}, {cpp_name(name)}}},' for emoji, form, name in tones]
    out += ["};", "}  // namespace", "", "const std::span<const KeywordRow> kKeywordRows = kRows;",
            "const std::span<const SkinTone> kSkinTones = kTones;", "}  // namespace zindo::tables", ""]

    with open(sys.argv[5], "w", encoding="utf-8") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main()
