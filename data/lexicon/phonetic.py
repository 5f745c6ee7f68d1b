"""Transcriptions in the font letter code ("old" notation) from espeak-ng phonemes and from
ECDICT's phonetic column, with stress marks at the start of their syllable."""

import re

PRIMARY, SECONDARY = "5", "7"
SYLLABIC = "syllabic"

# espeak-ng's IPA phonemes (en-gb-x-rp) in the code.
_ESPEAK = {
    "iː": "i:", "i": "i", "ɪ": "i", "ᵻ": "i", "e": "e", "ɛ": "e", "æ": "A", "a": "A",
    "ɜː": "E:", "ə": "E", "ɐ": "E", "ʌ": "Q", "uː": "u:", "u": "u", "ʊ": "u",
    "ɔː": "C:", "ɔ": "C", "ɒ": "C", "ɑː": "B:", "ɔ̃": "C", "ɑ̃": "B:",
    "eɪ": "ei", "aɪ": "ai", "ɔɪ": "Ci", "aʊ": "au", "əʊ": "Eu", "oʊ": "Eu",
    "iə": "iE", "ɪə": "iE", "eə": "ZE", "ɛə": "ZE", "ʊə": "uE", "aɪə": "aiE", "aʊə": "auE",
    "əl": "El", "n̩": "n",
    "θ": "W", "ð": "T", "ʃ": "F", "ʒ": "V", "ŋ": "N", "tʃ": "tF", "dʒ": "dV",
    "ɹ": "r", "r": "r", "ɡ": "g", "ɡʲ": "g", "x": "k", "ɬ": "l",
    **{c: c for c in "pbtdkfvszhmnlwj"},
}
_CONSONANTS = set("pbtdkgfvszhmnlrwjWTFVN") | {"tF", "dV"}
_VOWEL_LETTERS = set("iueAEQCBaZ")
_TRIPHTHONGS = ("aiE", "auE")

# Onsets a syllable of English may start with; the stress mark goes before the longest of them.
_ONSETS = {tuple(o.split()) for o in """
p r|b r|t r|d r|k r|g r|f r|W r|F r|p l|b l|k l|g l|f l|s l|t w|d w|k w|g w|s w
p j|b j|t j|d j|k j|g j|m j|n j|f j|v j|W j|s j|z j|h j|l j
s p|s t|s k|s m|s n|s f|s p r|s t r|s k r|s p l|s k l|s k w|s p j|s t j|s k j""".replace("\n", "|").split("|") if o.strip()}
_SYLLABIC_N_AFTER = set("tdszfvWT")


class Segment:
    """One phoneme in the code; a nucleus carries the stress of its syllable."""

    def __init__(self, code, stress=""):
        self.code = code
        self.stress = stress

    @property
    def nucleus(self):
        return self.code not in _CONSONANTS


def from_espeak(word, words):
    """Code of the word from the phoneme lists of espeak_ng.Espeak.phonemes, or None when they
    hold a phoneme the code lacks."""
    code = _espeak_code(words)
    return None if code is None else _dictionary_forms(word, code)


def _dictionary_forms(word, code):
    """Forms dictionaries print where espeak-ng speaks otherwise."""
    # The prefixes in-, en-, un- keep their n (include, encourage, ingredient; not English).
    m = re.match(r"([57]?[ieQ])N", code)
    if m and word[:2] in ("in", "en", "un") and word != "uncle":
        if word[2] in "cq" or word[2] == "g" and PRIMARY in code[m.end():]:
            code = code[:m.end() - 1] + "n" + code[m.end():]
    if re.search(r"[ln]ion$", word) and re.search(r"[ln]iEn$", code):
        code = code[:-3] + "jEn"  # million, union
    if word.startswith("ex") and code[:3] in ("5ik", "5ig"):
        code = "5e" + code[2:]  # a stressed ex- is e: exile 5egzail
    if word.startswith("ob") and code.startswith("Cb5"):
        code = "E" + code[1:]  # unstressed ob- is weak: obtain Eb5tein
    if word.endswith("one") and code.endswith("wCn"):
        code = code[:-3] + "wQn"  # one, someone
    return code


def _espeak_code(words):
    segments = []
    for index, phonemes in enumerate(words):
        for phoneme in phonemes:
            stress = ""
            if phoneme[0] in "ˈˌ":
                stress = PRIMARY if phoneme[0] == "ˈ" else SECONDARY
                phoneme = phoneme[1:]
                if index > 0:  # the later parts of a compound carry secondary stress
                    stress = SECONDARY
            code = _ESPEAK.get(phoneme)
            if code is None:
                return None
            if code == "E" and segments and segments[-1].code == "au" and not stress:
                segments[-1].code = "auE"  # hour, power: the triphthong of fire
                continue
            segments.append(Segment(code, stress))
    _syllabic_consonants(segments)
    return render(segments)


def _syllabic_consonants(segments):
    """Dictionary style: bottle bCtl, button bQtn, but nation neiFEn and general dVenErEl."""
    codes = [s.code for s in segments]
    for i in range(1, len(segments)):
        rest = codes[i + 1:]
        if rest not in ([], ["z"], ["d"]) or segments[i].stress:
            continue
        before = segments[i - 1]
        if codes[i] == "El" and not before.nucleus and before.code not in ("r", "j", "w"):
            segments[i].code = "l"
            segments[i].stress = SYLLABIC
        elif (codes[i] == "n" and i > 1 and codes[i - 1] == "E" and not before.stress
                and codes[i - 2] in _SYLLABIC_N_AFTER):
            before.code = ""
            segments[i].stress = SYLLABIC
    for i, seg in enumerate(segments):
        if seg.code == "El":
            seg.code = "E"
            segments.insert(i + 1, Segment("l"))
    segments[:] = [s for s in segments if s.code]


def render(segments):
    """The code string: stress marks before the syllable's onset; one-syllable words unmarked;
    secondary marks after the primary are dropped, as dictionaries print them."""
    nuclei = [i for i, s in enumerate(segments) if s.nucleus or s.stress == SYLLABIC]
    marks = {}
    # Dictionaries count a triphthong as two syllables: fire 5faiE, science 5saiEns.
    if len(nuclei) + sum(segments[i].code in _TRIPHTHONGS for i in nuclei) > 1:
        stressed = [i for i in nuclei if segments[i].stress in (PRIMARY, SECONDARY)]
        primary = [i for i in stressed if segments[i].stress == PRIMARY]
        if not primary and stressed:
            primary = stressed[:1]
        if primary:
            first = primary[0]
            for i in stressed:
                if i < first or i == first:
                    marks[_onset_start(segments, i, nuclei)] = PRIMARY if i == first else SECONDARY
    out = []
    for i, seg in enumerate(segments):
        out.append(marks.get(i, ""))
        out.append(seg.code)
    return "".join(out).replace("eE", "ZE")


def _onset_start(segments, nucleus, nuclei):
    before = [i for i in nuclei if i < nucleus]
    if not before:
        return 0
    start = before[-1] + 1
    cluster = [segments[i].code for i in range(start, nucleus)]
    for k in range(len(cluster), 0, -1):
        onset = tuple(cluster[len(cluster) - k:])
        if k == 1 and onset[0] != "N" or onset in _ONSETS:
            return nucleus - k
    return nucleus


# ECDICT's phonetic column: Kingsoft-style 13th-edition text with font-encoding noise.
_ECDICT_FIXES = [
    ("\\\\\\\\:", "ə:"), ("\\", ""), ("ә", "ə"), ("є", "e"), ("ε", "e"), ("ɛ", "e"), ("ˊ", "'"),
    ("ˈ", "'"), ("ˌ", ","), ("ː", ":"), ("^", "g"), ("ɡ", "g"), ("ɚ", "ə"), ("ɝ", "ə:"),
    ("(r)", ""), ("\xa0", " "),
]
_ECDICT_CHARS = {
    "i": "i", "ɪ": "i", "e": "e", "æ": "A", "a": "a", "ə": "E", "ʌ": "Q", "u": "u", "ʊ": "u",
    "ɔ": "C", "ɒ": "C", "ɑ": "B", "ɜ": "E", "o": "o", "θ": "W", "ð": "T", "ʃ": "F", "ʒ": "V",
    "ŋ": "N", ":": ":", "'": PRIMARY, ",": SECONDARY,
}


def from_ecdict(text):
    """Every reading ECDICT's column offers, in the code; alternatives it separates by ", ", ";",
    ". " or a bare "." all count (a "." is also its secondary stress mark)."""
    for old, new in _ECDICT_FIXES:
        text = text.replace(old, new)
    text = re.sub(r"\(([^)]*)\)", r"\1", text)
    readings = []
    for part in re.split(r";|, |\. | ", text):
        part = part.strip(" .,")
        if not part or part.startswith("-") or part.endswith("-"):
            continue
        options = [part.replace(".", SECONDARY)] + [p for p in part.split(".") if p]
        for option in options:
            code = _ecdict_code(option)
            if code and code not in readings:
                readings.append(code)
    return readings


def _ecdict_code(text):
    out = []
    for ch in text:
        if ch in _ECDICT_CHARS:
            out.append(_ECDICT_CHARS[ch])
        elif ch in SECONDARY or ch.isascii() and ch.isalpha():
            out.append(ch)
        else:
            return None
    code = "".join(out)
    code = code.replace("ou", "Eu").replace("Eo", "Eu").replace("o", "C")
    code = re.sub(r"a(?![iu])", "A", code).replace("C:i", "Ci").replace("eE", "ZE")
    if not code.strip(PRIMARY + SECONDARY):
        return None
    return _restress(code)


def _restress(code):
    """Drops the marks of one-syllable readings and those after the primary."""
    if syllables(code) <= 1:
        return code.replace(PRIMARY, "").replace(SECONDARY, "")
    head, mark, tail = code.partition(PRIMARY)
    if not mark:
        return code
    return head + mark + tail.replace(SECONDARY, "").replace(PRIMARY, "")


_DIPHTHONG = re.compile(r"ai|au|ei|Ci|Eu|iE|ZE|uE")


def syllables(code):
    """Syllables of a code string: vowel nuclei (a diphthong counts once) and the syllabic l and n
    of bottle, button and bottles."""
    plain = _DIPHTHONG.sub("V", code.replace(":", "").replace(PRIMARY, "").replace(SECONDARY, ""))
    count = 0
    for i, ch in enumerate(plain):
        if ch in _VOWEL_LETTERS or ch == "V":
            count += 1
        elif ch in "ln" and i > 0 and plain[i - 1] not in _VOWEL_LETTERS and plain[i - 1] != "V":
            after = plain[i + 1:]
            count += after in ("", "z", "d", "s", "t")
    return count


# The words whose a before n and a consonant is the long a of RP (dance dB:ns); espeak-ng also gives
# it to many others (frantic, panther), where ECDICT's short a is right.
BROAD_A = re.compile(r"branch|chanc|danc|grant|plant|chant|hanc|vanc|slant|askance|tranc|pranc|stanc|"
                      r"sland|mand|lanc|glanc|blanch|can't|shan't|answer")


def short_a(word, code, readings):
    """The code with A for espeak-ng's B: before n, where ECDICT reads A and the word is not one of
    the long-a words."""
    if not re.search(r"B:n(?![iueAEQCBaZ])", code) or BROAD_A.search(word):
        return code
    short = re.sub(r"B:n(?![iueAEQCBaZ])", "An", code)
    return short if any(_sounds(r) == _sounds(short) for r in readings) else code


def agree(code, readings):
    """ECDICT offers the same sounds with the primary stress on the same syllable."""
    return any(_sounds(code) == _sounds(r) and _primary(code) == _primary(r) for r in readings)


def _sounds(code):
    return code.replace(PRIMARY, "").replace(SECONDARY, "")


def _primary(code):
    head, mark, _ = code.partition(PRIMARY)
    return syllables(head) if mark else None
