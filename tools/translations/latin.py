#!/usr/bin/env python3
"""Writes the Serbian Latin translation from the Cyrillic one, letter for letter, so that the two
never drift apart. The language names stay as the Cyrillic file has them: each is named in itself.

Usage: latin.py CYRILLIC_TS LATIN_TS
"""
import re
import sys

LETTERS = dict(zip(
    "абвгдђежзијклљмнњопрстћуфхцчџш",
    ["a", "b", "v", "g", "d", "đ", "e", "ž", "z", "i", "j", "k", "l", "lj", "m", "n", "nj", "o",
     "p", "r", "s", "t", "ć", "u", "f", "h", "c", "č", "dž", "š"]))


def latin(text):
    out = []
    for i, ch in enumerate(text):
        small = ch.lower()
        if small not in LETTERS:
            out.append(ch)
            continue
        letters = LETTERS[small]
        if ch != small:
            # Lj, Nj, Dž open a word; beside capitals (NJANJA) the whole pair is capital.
            near = text[i + 1:i + 2] + text[i - 1:i] if i else text[i + 1:i + 2]
            shouting = any(c.isupper() for c in near)
            letters = letters.upper() if shouting else letters.capitalize()
        out.append(letters)
    return "".join(out)


def convert(ts):
    ts = ts.replace('language="sr"', 'language="sr_Latn"', 1)

    def context(match):
        if "<name>Language</name>" in match.group(0):
            return match.group(0)
        return re.sub(r"(<translation[^>]*>)(.*?)(</translation>)",
                      lambda m: m.group(1) + latin(m.group(2)) + m.group(3),
                      match.group(0), flags=re.S)

    return re.sub(r"<context>.*?</context>", context, ts, flags=re.S)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        ts = f.read()
    with open(sys.argv[2], "w", encoding="utf-8") as f:
        f.write(convert(ts))


if __name__ == "__main__":
    main()
