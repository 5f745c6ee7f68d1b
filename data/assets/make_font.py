#!/usr/bin/python3
"""Builds Fonvella.ttf, the phonetic font, from DejaVu Sans.

Each code character of the phonetic letter code is pointed at DejaVu's glyph of
the IPA symbol it stands for; only the character map, the name table and the
layout features change, so outlines and hinting stay DejaVu's own. Kerning and
ligatures go: a transcription must draw one symbol per code character, never
a ligature glyph or a pair adjusted for the letters the code borrows.

Usage: make_font.py [DejaVuSans.ttf] [Fonvella.ttf]
"""

import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FAMILY = "Fonvella"

# Code character -> the IPA symbol the font draws for it.
CODE_TABLE = {
    "5": "ˈ", "7": "ˌ", "2": "ɒ", "3": "ɜ", "A": "æ", "T": "ð", "N": "ŋ",
    "B": "ɑ", "C": "ɔ", "E": "ə", "Z": "ɛ", "I": "ɪ", "F": "ʃ", "J": "ʊ",
    "Q": "ʌ", "V": "ʒ", "W": "θ",
    ":": "ː", "g": "ɡ", "R": "ɔ", "U": "ʊ", "G": "ɚ",
    # Extra keys: symbols of narrower transcription the other keys lack.
    "8": "ɝ", "M": "ʍ", "H": "ʰ", "K": "ʔ", "L": "ɫ", "O": "ʧ", "P": "ʤ", "X": "ɾ",
}

DROPPED_FEATURES = {"kern", "liga", "clig", "dlig", "hlig"}

# A fixed build date keeps the committed font reproducible.
MODIFIED = 3850000000  # seconds since 1904-01-01 (2026)


def all_feature_tags(font):
    tags = set()
    for table in ("GSUB", "GPOS"):
        if table in font:
            tags.update(r.FeatureTag for r in font[table].table.FeatureList.FeatureRecord)
    return tags


def drop_kerning_and_ligatures(font):
    options = subset.Options()
    options.glyph_names = True
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.recalc_timestamp = False
    options.legacy_kern = False
    options.hinting = True
    options.layout_features = sorted(all_feature_tags(font) - DROPPED_FEATURES)
    options.drop_tables += ["FFTM"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(glyphs=font.getGlyphOrder(), unicodes=font.getBestCmap().keys())
    subsetter.subset(font)


def remap_code_characters(font):
    best = font.getBestCmap()
    for code, ipa in CODE_TABLE.items():
        glyph = best[ord(ipa)]
        for table in font["cmap"].tables:
            if ord(code) in table.cmap:
                table.cmap[ord(code)] = glyph


def rename(font):
    version = "Version 1.000"
    names = {
        1: FAMILY,
        2: "Regular",
        3: f"{FAMILY} Regular {version}",
        4: FAMILY,
        5: version,
        6: FAMILY,
        8: "Phonexa",
        10: "Phonetic letter code font of Phonexa, a changed copy of DejaVu Sans "
            "(Bitstream Vera, Arev); the code characters draw IPA symbols.",
    }
    table = font["name"]
    # Typographic family names would keep "DejaVu Sans" as the family some programs show.
    table.removeNames(nameID=16)
    table.removeNames(nameID=17)
    for name_id, text in names.items():
        table.removeNames(nameID=name_id)
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)
    font["head"].modified = MODIFIED
    font["head"].fontRevision = 1.0
    font["OS/2"].usWeightClass = 400


def main():
    source = Path(sys.argv[1] if len(sys.argv) > 1 else SOURCE)
    target = Path(sys.argv[2] if len(sys.argv) > 2 else Path(__file__).with_name("Fonvella.ttf"))
    font = TTFont(source, recalcTimestamp=False)
    drop_kerning_and_ligatures(font)
    remap_code_characters(font)
    rename(font)
    font.save(target, reorderTables=True)
    print(f"{target}: {len(font.getGlyphOrder())} glyphs")


if __name__ == "__main__":
    main()
