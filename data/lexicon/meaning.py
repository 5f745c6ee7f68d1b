"""Short Chinese meanings from ECDICT's translation column."""

import re

MAX_LENGTH = 36
MAX_LINES = 2
MAX_SENSES = 3

_LINE_BREAK = re.compile(r"\\r\\n|\\n|\r\n|\r|\n")
_POS = re.compile(r"^([a-z]+\.)\s*")
_INFLECTION_NOTE = re.compile(r"^[(（]\s*([a-z' -]+\s*的[^)）]*)[)）]\s*")
_INLINE_NOTE = re.compile(r"\s*[(（][^)）]*[a-z][^)）]*的[^)）]*[)）]")
_DOMAIN = re.compile(r"^\[([^\]]*)\]\s*")
_SENSE_SEPARATOR = re.compile(r"\s*[,;，；]\s*")
_NAME = ("人名", "地名", "姓氏")


def short_meaning(translation, names=False):
    """The short meaning, or "" when ECDICT gives only abbreviations, names or web glosses (names
    count when asked for: the capitalised everyday words)."""
    general, domain, notes = [], [], []
    for line in _LINE_BREAK.split(translation):
        line = line.replace("|", " ").strip()
        note = _INFLECTION_NOTE.match(line)
        if note:
            notes.append(note.group(1).replace(" ", ""))
            line = line[note.end():]
        line = _INLINE_NOTE.sub("", line).strip()
        if not line or not names and any(name in line for name in _NAME):
            continue
        pos = _POS.match(line)
        tag = _DOMAIN.match(line[pos.end():] if pos else line)
        if tag:
            if names and not general and tag.group(1) in ("经", "地名"):
                general.append((pos.group(1) if pos else "n.") + " " + line[(pos.end() if pos else 0) + tag.end():])
            elif tag.group(1) != "网络":
                domain.append((pos.group(1) if pos else "") + line[(pos.end() if pos else 0) + tag.end():])
            continue
        general.append(line)
    # ECDICT lists a modal's own sense last (can: vt. 装罐, n. 罐头, aux. 能)
    lines = sorted((line for line in general if not line.startswith("abbr.")),
                   key=lambda line: not line.startswith("aux."))
    if not lines and not general:
        lines = domain[:1]
    if not lines:
        return notes[0] if notes and not general else ""
    return _fit([_senses(line) for line in lines[:MAX_LINES]])


def joined(first, second):
    """Two meanings as one, the second left off when both do not fit."""
    both = f"{first}；{second}"
    return both if len(both) <= MAX_LENGTH else first


def is_abbreviation(translation):
    """ECDICT marks every sense of the word as an abbreviation."""
    lines = [_INFLECTION_NOTE.sub("", line).strip() for line in _LINE_BREAK.split(translation)]
    lines = [line for line in lines if line and not line.startswith("[")]
    return bool(lines) and all(line.startswith("abbr.") for line in lines)


def _senses(line):
    pos = _POS.match(line)
    head = pos.group(1) + " " if pos else ""
    body = line[pos.end():] if pos else line
    senses = [s for s in _SENSE_SEPARATOR.split(body) if s][:MAX_SENSES]
    return head, senses


def _fit(parts):
    """Drops senses from the end until the text fits; the first sense always stays."""
    while True:
        text = "；".join(head + ", ".join(senses) for head, senses in parts if senses)
        text = re.sub(r"\s+", " ", text).strip()
        if len(text) <= MAX_LENGTH or (len(parts) == 1 and len(parts[0][1]) <= 1):
            return text[:MAX_LENGTH]
        if len(parts[-1][1]) > 1:
            parts[-1][1].pop()
        else:
            parts.pop()
