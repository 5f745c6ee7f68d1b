#!/usr/bin/python3
"""Writes help.doc, the user's guide, as RTF from the readable source help.txt.

Source lines: "# " title, "## " and "### " headings, "- " list items, any other
non-blank line a paragraph. Non-ASCII text is written as \\uN escapes, so the file
is plain ASCII and opens in any word processor; IPA symbols are set in a font
that has them.

Usage: make_help.py [help.txt] [help.doc]
"""

import sys
from pathlib import Path

CHINESE_FONT = "宋体"
IPA_FONT = "Lucida Sans Unicode"


def is_ipa(ch):
    code = ord(ch)
    return 0x0250 <= code <= 0x02FF or ch in "æðŋθ"


def escape(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif code < 0x80:
            out.append(ch)
        else:
            # RTF takes a signed 16-bit number; "?" is what a reader without Unicode shows.
            out.append(f"\\u{code if code < 0x8000 else code - 0x10000}?")
    return "".join(out)


def runs(text):
    """Text with its IPA symbols switched to the IPA font."""
    out, run, ipa = [], "", False
    for ch in text:
        if ch != " " and is_ipa(ch) != ipa and run:
            out.append(("{\\f1 %s}" if ipa else "%s") % escape(run))
            run = ""
        if ch != " ":
            ipa = is_ipa(ch)
        run += ch
    if run:
        out.append(("{\\f1 %s}" if ipa else "%s") % escape(run))
    return "".join(out)


def paragraph(line):
    if line.startswith("# "):
        return "\\pard\\qc\\sb120\\sa240\\b\\fs36 " + runs(line[2:]) + "\\b0\\fs22\\par"
    if line.startswith("## "):
        return "\\pard\\sb240\\sa120\\b\\fs30 " + runs(line[3:]) + "\\b0\\fs22\\par"
    if line.startswith("### "):
        return "\\pard\\sb160\\sa80\\b\\fs24 " + runs(line[4:]) + "\\b0\\fs22\\par"
    if line.startswith("- "):
        return "\\pard\\fi-280\\li560\\sa60 \\bullet\\tab " + runs(line[2:]) + "\\par"
    return "\\pard\\fi440\\sa120 " + runs(line) + "\\par"


def font_name(name):
    return "".join(f"\\'{byte:02x}" for byte in name.encode("gbk"))


def main():
    here = Path(__file__).parent
    source = Path(sys.argv[1] if len(sys.argv) > 1 else here / "help.txt")
    target = Path(sys.argv[2] if len(sys.argv) > 2 else here / "help.doc")
    lines = [line.strip() for line in source.read_text(encoding="utf-8").splitlines()]
    header = ("{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1"
              "{\\fonttbl{\\f0\\fnil\\fcharset134 " + font_name(CHINESE_FONT) + ";}"
              "{\\f1\\fswiss\\fcharset0 " + IPA_FONT + ";}}"
              "\\viewkind4\\paperw11906\\paperh16838\\margl1440\\margr1440\\margt1440\\margb1440"
              "\\f0\\fs22")
    body = [paragraph(line) for line in lines if line]
    target.write_bytes(("\r\n".join([header] + body + ["}"]) + "\r\n").encode("ascii"))
    print(f"{target}: {len(body)} paragraphs")


if __name__ == "__main__":
    main()
