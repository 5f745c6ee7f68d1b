"""Corrections of espeak-ng's systematic errors, applied to every headword after the conversion to the
code; each returns the corrected code."""

import re

import phonetic

_VOICELESS_END = re.compile(r"([ptkfW])z$")
_VOICELESS_ED = re.compile(r"([pkfWsF])d$")

# BATH words: the long a of RP before s, f, th and n (class, after, path, dance).
_BATH = re.compile(r"ask|bast|blast|cast|fast|last|mast|past|vast|nast|plaster|disast|aster|castle|fasten|"
                   r"glass|grass|class|pass|brass|alas|after|craft|draft|draught|daft|graft|raft|shaft|"
                   r"staff|laugh|half|calf|calv|halv|path|bath|rather|aunt|ranch|graph|advant")
_BATH_MORE = re.compile(r"xampl|sampl|grasp|clasp|rasp|hance|lance|chance|dance|france|trance|prance")
# TRAP spellings whose B: is shortened without ECDICT's word for it.
_ALWAYS_TRAP = re.compile(r"fantas|phantas|astic|assic|assive|pastel|pasteur|pastic|^aster|raster|gastero|"
                          r"pilaster|oleaster|mastoid|dynast|iconoclast|castig|castell|blastul|psychasth|"
                          r"pederast|pantog|[oei]path|pathic|patholog|pathet")
# Words holding a BATH spelling that are TRAP words all the same.
_TRAP = re.compile(r"astic|assic|assage|assenger|assive|astard|astrophe|astro|^aster|raster|gastero|pilaster|oleaster|"
                   r"graphic|graphy|grapher|dynast|pederast|enthusiast|iconoclast|gymnast|phantas|fantas|"
                   r"mastic|mastoid|pastel|pastille|pasteur|pastic|mass|hast|castig|castel|lastic|blast[ou]|"
                   r"^trash|saskat|pastry|passion|classif|classical|[oei]path|pathic|patholog|pathet")


def apply(word, code, readings):
    """All rules that need only the word, its code and ECDICT's readings."""
    code = weak_u(code)
    code = weak_i(word, code)
    code = weak_schwa(code, readings)
    code = weak_ar(word, code, readings)
    code = con_n(word, code)
    code = voiced_endings(word, code)
    code = bath_trap(word, code, readings)
    code = no_intrusive_r(word, code)
    code = tion_stress(word, code)
    code = suffix_stress(word, code)
    code = s_before_f(code)
    code = prefix_before_vowel(word, code)
    return code


def prefix_before_vowel(word, code):
    """un- and dis- before a vowel end their own syllable: unable Qn5eibl, dishonour dis5CnE,
    not Q5neibl, di5sCnE."""
    for prefix, spoken in (("un", "Qn"), ("dis", "dis")):
        if word.startswith(prefix) and word[len(prefix):len(prefix) + 1] in tuple("aeiouh"):
            m = re.match(r"(7?)" + spoken[:-1] + r"([57])" + spoken[-1] + r"(?=[iueAEQCBaZ])", code)
            if m:
                return m.group(1) + spoken + m.group(2) + code[m.end():]
    return code


def s_before_f(code):
    """English has no sf onset inside a word: the stress mark goes between them (atmospheric
    7AtmEs5ferik, dissatisfaction, transformative)."""
    return re.sub(r"(?<=.)([57])sf", r"s\1f", code)


def weak_u(code):
    """An unstressed u: before a vowel is short, as dictionaries print it: actually 5AktFuEli,
    situation 7sitFu5eiFEn, usual 5ju:VuEl."""
    out = code
    for m in reversed(list(re.finditer(r"u:(?=[57]?[iueAEQCBaZ])", code))):
        if not _stressed(code, m.start()):
            out = out[:m.start()] + "u" + out[m.end():]
    return out


def weak_i(word, code):
    """An unstressed i: before a vowel after the first syllable is short: delineate di5linieit,
    linoleum li5nEuliEm; not the ee of a compound's part (sightseer 5saitsi:E)."""
    if "ee" in word:
        return code
    out = code
    for m in reversed(list(re.finditer(r"i:(?=[57]?[iueAEQCBaZ])", code))):
        before = code[:m.start()]
        if not _stressed(code, m.start()) and re.search(r"[iueAEQCBaZ].*[^iueAEQCBaZ:57]", before):
            out = out[:m.start()] + "i" + out[m.end():]
    return out


def _stressed(code, at):
    """The vowel at `at` starts a syllable that carries a stress mark."""
    i = at - 1
    while i >= 0 and code[i] not in "iueAEQCBaZ:57":
        i -= 1
    return i >= 0 and code[i] in "57"


def weak_schwa(code, readings):
    """espeak-ng gives a strong Q to unstressed syllables after the stress (welcome, column, industry);
    take the schwa where ECDICT reads one there."""
    head, mark, tail = code.partition(phonetic.PRIMARY)
    if not mark or "Q" not in tail:
        return code
    for m in re.finditer("Q", tail):
        if _stressed(code, len(head) + len(mark) + m.start()):
            continue
        weak = head + mark + tail[:m.start()] + "E" + tail[m.end():]
        if any(_plain(weak) == _plain(r) for r in readings):
            return weak_schwa(weak, readings)
    return code


def weak_ar(word, code, readings):
    """espeak-ng reads the unstressed -ar of learned adjectives as B: (laminar, lumbar, acinar); take
    the schwa where ECDICT reads one there (not the compounds of bar, car, star: radar, crowbar)."""
    plural = word.endswith("ars")
    body = code[:-1] if plural else code
    if not re.search(r"([inu]nar|[^c]ular|lbar|mbar|obar)s?$", word) or not body.endswith("B:") or \
            _stressed(body, len(body) - 2):
        return code
    weak = body[:-2] + "E" + ("z" if plural else "")
    return weak if any(_plain(weak) == _plain(r) for r in readings) else code


def con_n(word, code):
    """con-, non- and syn- keep their n before k and g of the next syllable (concussion kEn5kQFEn,
    noncommittal 7nCnkE5mitl), as dictionaries print them; a stressed con- keeps N (concrete)."""
    if word.startswith(("con", "syn")):
        return re.sub(r"^(7?(?:kE|kC|si))N(?=[57][kg])", r"\1n", code)
    if word.startswith("non"):
        return re.sub(r"^(7?nC)N(?=[57]?[kg])", r"\1n", code)
    return code


def _plain(code):
    return code.replace(phonetic.PRIMARY, "").replace(phonetic.SECONDARY, "")


def voiced_endings(word, code):
    """-s after a voiceless sound is s (photographs, aches), after a vowel z (ballets, depots with
    their silent t); -ed after a voiceless sound is t (faced)."""
    if word.endswith("s") and not word.endswith("'s"):
        code = _VOICELESS_END.sub(r"\1s", code)
    if word.endswith("ts"):
        code = re.sub(r"(?<=[iueAEQCBaZ:])s$", "z", code)
    if word.endswith("ed"):
        code = _VOICELESS_ED.sub(r"\1t", code)
    return code


def bath_trap(word, code, readings):
    """espeak-ng's B: in TRAP words (plastic, panties) becomes A where ECDICT reads A or the word holds
    a TRAP spelling (fantasises, asteroids); its A in BATH words (ranch, autograph) becomes B:."""
    trap = bool(_TRAP.search(word))
    always_trap = bool(_ALWAYS_TRAP.search(word))
    bath = bool(_BATH.search(word) or phonetic.BROAD_A.search(word) or _BATH_MORE.search(word)) and not trap
    if not bath and "B:" in code and "ar" not in word and "al" not in word and "aa" not in word:
        short = re.sub(r"B:(?=[nsfWmt])", "A", code, count=1)
        if short != code and (always_trap or any(_plain(short) == _plain(r) for r in readings)):
            return short
    if bath and "B:" not in code:
        long = re.sub(r"A(?=n[tdsF]|s[tk]|f|W|sp|mpl)", "B:", code, count=1)
        if word.endswith(("graph", "graphs", "graphed", "graphing")):
            long = re.sub(r"grA(?=f)", "grB:", code)
        return long
    return code


def no_intrusive_r(word, code):
    """No r is spoken where the spelling has none between two vowels (drawing 5drC:iN)."""
    if code.count("r") <= word.count("r"):
        return code
    if not re.search(r"aw|[aeiou][aeiou]", word):
        return code
    return re.sub(r"(C:|B:|E:|E)r(?=[iueAEQCBaZ])", r"\1", code, count=1)


_ENDINGS = {"sing", "sed", "ses", "ser", "sers", "ted", "ting", "der", "ders", "ding", "ded"}


def doubled_consonant(word, code, known):
    """A doubled letter is one sound (focussed 5fEukEst, flibbertigibbet), unless it joins the parts of
    a compound (misspell, headdress)."""
    for letter in "bdfgkmnprstvz":
        pair = letter * 2
        if pair not in code or pair not in word:
            continue
        at = word.find(pair)
        rest = word[at + 1:]
        if word[:at + 1] in known and (rest in known or rest.startswith("ful")) and rest not in _ENDINGS:
            continue
        if re.match(r"(mis|dis|un|in|im|ir|il)$", word[:at + 1]):
            continue
        code = code.replace(pair, letter, 1)
    return code


_SUFFIXES = {"est", "ers", "ing", "ish", "ier", "iest", "ling", "lings", "ered", "ering"}


def compound_ng(word, code, known):
    """ŋ stays ŋ before the second part of a compound (hangover 5hANEuvE, not ŋg)."""
    if "Ng" not in code:
        return code
    for i in range(2, len(word) - 1):
        if word[:i].endswith("ng") and word[:i] in known and word[i:] in known and \
                len(word) - i >= 3 and word[i:] not in _SUFFIXES:
            return code.replace("Ng", "N", 1)
    return code


# Stress-fixing suffixes: the syllable before them carries the primary stress.
_SUFFIX = re.compile(r"[^aeiou](ic|ics|ity|ities)$")
_SUFFIX_CODE = re.compile(r"(?<=[^iueAEQCBaZ:57])(ik|iks|[iE]ti|[iE]tiz)$")
# Words of those endings stressed further back, and compounds of city.
_SUFFIX_EXCEPTIONS = re.compile(r"(arabic|arithmetic|bishopric|choleric|heretic|lunatic|politic|rhetoric|catholic|"
                                r"turmeric|chivalric|climacteric|stomachic|agaric|icteric|arsenic|biopics?|cit(y|ies))$")


def suffix_stress(word, code):
    """-ic, -ics and -ity carry the primary stress on the syllable before them (antagonistic
    An7tAgE5nistik, impracticality im7prAkti5kAliti); espeak-ng often keeps the stem's stress."""
    m = _SUFFIX_CODE.search(code)
    if not _SUFFIX.search(word) or _SUFFIX_EXCEPTIONS.search(word) or not m:
        return code
    if phonetic.syllables(code) < 3 or phonetic.PRIMARY not in code:
        return code
    plain = code.replace(phonetic.PRIMARY, "").replace(phonetic.SECONDARY, "")
    stem = plain[:len(plain) - len(m.group(1))]
    vowel = re.search(r"(ei|ai|Ci|au|Eu|iE|ZE|uE|[iueAEQCBaZ]:?)(?=[^iueAEQCBaZ:]*$)", stem)
    # A primary on the ending's own syllable is espeak-ng's compound reading (biopic, autoptic).
    if not vowel or re.search(r"5[^iueAEQCBaZ:]*(ik|iks|[iE]ti|[iE]tiz)$", code):
        return code
    consonants = re.search(r"[^iueAEQCBaZ:]*$", stem[:vowel.start()]).group(0)
    cluster = _CLUSTER.findall(consonants)
    onset = 0
    for k in range(len(cluster), 0, -1):
        if k == 1 and cluster[-1] != "N" or tuple(cluster[-k:]) in phonetic._ONSETS:
            onset = k
            break
    start = vowel.start() - len("".join(cluster[len(cluster) - onset:]))
    if start == 0:
        return code
    # Marks before the new primary stay as secondary ones; those after it go.
    head, at = [], 0
    for ch in code:
        if at == start:
            break
        if ch in "57":
            head.append(phonetic.SECONDARY)
        else:
            head.append(ch)
            at += 1
    head = "".join(head).rstrip(phonetic.SECONDARY)
    tail = plain[start:]
    if plain[vowel.start():vowel.end()] == "E":
        # A stressed schwa: the -ility of -ability, -ibility is il; other vowels are not known here.
        if not re.search(r"ilit(y|ies)$", word):
            return code
        tail = tail[:vowel.start() - start] + "i" + tail[vowel.end() - start:]
    return head + phonetic.PRIMARY + tail


def final_is(word, code, known):
    """A final -is that is no plural is s (necropolis ne5krCpElis, clematis); espeak-ng reads z."""
    if word.endswith("is") and word not in ("is", "his") and word[:-1] not in known and \
            re.search(r"[^iueAEQCBaZ:57]iz$", code):
        return code[:-1] + "s"
    return code


def mis_prefix(word, code, known):
    """mis- before a word keeps its s: mismatched 7mis5mAtFt, miscalculate, not mi5s-."""
    if word.startswith("mis") and not word.startswith(("mistak", "miss")) and word[3:] in known and \
            len(word) > 5 and re.match(r"mi[57]s", code):
        return "mis" + code[2] + code[4:]
    return code


_TION = re.compile(r"([pbtdkgfvszhmnlrwjWTFV]*)(ei|i|u:|ju:|Eu|e|E)(FEn|VEn|Fn)$")
_CLUSTER = re.compile(r"tF|dV|[pbtdkgfvszhmnlrwjWTFVN]")


def tion_stress(word, code):
    """-ation, -ition, -ution carry the primary stress on the syllable before -tion (anticipation
    An7tisi5peiFEn, superstition 7su:pE5stiFEn); espeak-ng sometimes puts it on a prefix."""
    if not re.search(r"[aiu]tion$|[aiu]tions$", word):
        return code
    plural = code.endswith("z") and word.endswith("s")
    body = code[:-1] if plural else code
    m = _TION.search(body)
    if not m or phonetic.syllables(body) < 3:
        return code
    cluster = _CLUSTER.findall(m.group(1))
    onset = 0
    for k in range(len(cluster), 0, -1):
        if k == 1 or tuple(cluster[-k:]) in phonetic._ONSETS:
            onset = k
            break
    start = m.end(1) - len("".join(cluster[-onset:])) if onset else m.start(2)
    if phonetic.PRIMARY in body[m.start(1) - 1:m.start(2)]:
        return code
    head = body[:start].replace(phonetic.PRIMARY, phonetic.SECONDARY)
    if head.endswith(phonetic.SECONDARY):
        head = head[:-1]
    fixed = head + phonetic.PRIMARY + body[start:]
    return fixed + ("z" if plural else "")


def noun_compound_stress(word, code, translation, known):
    """Nouns of under- and over- with a short second part are stressed on the prefix (underwear
    5QndEwZE, overcoat 5EuvEkEut); espeak-ng stresses them as it does the verbs (underline 7QndE5lain)."""
    for prefix, weak in (("under", "7QndE"), ("over", "7EuvE")):
        rest = word[len(prefix):]
        if not word.startswith(prefix) or len(rest) < 3 or rest not in known or not code.startswith(weak):
            continue
        # overconfidence, undergraduate, overeater: a longer or derived second part keeps its stress
        if phonetic.syllables(code[len(weak):]) > 2 or re.search(r"(ance|ence|ity|ment|ness|ism|ion|ate|er|ing)s?$|(ed|ieves)$", rest):
            continue
        senses = [line for line in re.split(r"\\r\\n|\\n|\r\n|\r|\n", translation) if line.strip() and not line.startswith("[")]
        if senses and all(line.startswith("n.") for line in senses):
            return phonetic.PRIMARY + weak[1:] + code[len(weak):].replace(phonetic.PRIMARY, "")
    return code


_COMBINING = re.compile(r"(auto|bio|geo|hyper|inter|multi|photo|poly|radio|retro|semi)(.+)$")


def noun_prefix_stress(word, code, translation, known):
    """Nouns of a combining form and a one-syllable word are stressed on the first part (intercom
    5intEkCm, biosphere 5baiEusfiE, autoclave); espeak-ng stresses the second."""
    m = _COMBINING.match(word)
    if not m or m.group(2) not in known or len(m.group(2)) < 3 or not code.startswith(phonetic.SECONDARY):
        return code
    head, mark, tail = code.partition(phonetic.PRIMARY)
    part = m.group(2)[:-1] if m.group(2).endswith("s") and m.group(2)[:-1] in known else m.group(2)
    if not mark or phonetic.syllables(tail) != 1 or _spelt_syllables(part) != 1 or re.search(r"(ed|er)$", part):
        return code
    senses = [line for line in re.split(r"\\r\\n|\\n|\r\n|\r|\n", translation) if line.strip() and not line.startswith("[")]
    # an inflection's line starts with its lemma: "(biomorph 的复数) n. ..."
    senses = [re.sub(r"^\([^)]*\)\s*", "", line) for line in senses]
    if not senses or not all(line.startswith("n.") for line in senses):
        return code
    return phonetic.PRIMARY + head[1:].replace(phonetic.SECONDARY, "") + tail


_CODE = set("57:abdefghijklmnprstuvwzABCEFNQTVWZ")
_VOWELS = re.compile(r"[iueAEQCBaZ:57]")


_PREFIXES = re.compile(r"(un|under|over|out|anti|counter|dis|in|im|inter|mis|non|pre|re|semi|sub|super|tele)")


def ecdict_reading(word, code, readings, known):
    """Outside the reviewed common words espeak-ng guesses the vowels and the stress of rare words
    (anarchy 5AnB:ki, purvey 5pE:vei); ECDICT's dictionary reading is taken where it has the same
    consonants and syllables, a stress mark and the same ending, and is not font noise, an American r,
    a stressed schwa or a mere variant (stress mark placement, a syllabic consonant, a weak vowel, a
    length mark)."""
    for reading in readings:
        if _lost_vowel(word, code, reading, known):
            return reading
        if set(reading) - _CODE or re.search(r"jj|hw|A:|N(?![kg]|$)|[iueAEQCBaZ:]r(?![iueAEQCBaZ])", reading):
            continue
        if re.search(r"(^|[^iueAEQCBaZ]):", reading) or re.search(r"nes(s|ses)?$", word) and "nes" in reading:
            continue
        if word.endswith("ous") and reading.endswith("Eus") or reading.endswith("i:z") and code.endswith("iz"):
            continue
        if _mark_inside_onset(reading):
            continue
        if phonetic._primary(reading) != phonetic._primary(code) and \
                (_keeps_stress(word, known) or word.endswith("ets") and code.endswith("eiz")):
            continue
        ending = 2 if code[-1] in "iueAEQCBaZ:" else 1
        if _VOWELS.sub("", reading) != _VOWELS.sub("", code) or reading[-ending:] != code[-ending:]:
            continue
        if re.search(r"5[^iueAEQCBaZ]*E(?![:u])", reading) or phonetic.agree(code, [reading]):
            continue
        if phonetic.syllables(reading) != phonetic.syllables(code):
            continue
        if phonetic.syllables(reading) > 1 and phonetic.PRIMARY not in reading:
            continue
        if _variant(reading) == _variant(code):
            return code
        if code.startswith(phonetic.SECONDARY) and phonetic.SECONDARY not in reading and \
                not reading.startswith(phonetic.PRIMARY):
            reading = phonetic.SECONDARY + reading
        return reading
    return code


def _spelt_syllables(word):
    """Vowel letter groups of a spelling, without a silent final e (aminopeptidase: 6)."""
    groups = len(re.findall(r"[aeiouy]+", word))
    if re.search(r"[^aeiouy]e[sd]?$", word) and not re.search(r"[^aeiouy]le$", word) and groups > 1:
        groups -= 1
    return groups


def _lost_vowel(word, code, reading, known):
    """espeak-ng drops a vowel of some rare learned words (aminopeptidase E5minEupptideis, hepatomegaly
    5hepEtEumgEli): ECDICT's reading is taken where it has the same consonants, one syllable more, as
    many syllables as the spelling has vowels, a primary stress and no font noise or American r."""
    if set(reading) - _CODE or phonetic.PRIMARY not in reading or _mark_inside_onset(reading):
        return False
    # -ally adverbs and a schwa before r, l, n are dropped in RP as well (basically, corporal);
    # compounds have their parts' silent e (mousetraps).
    if word.endswith("ally") or any(word[:i] in known and word[i:] in known for i in range(3, len(word) - 2)):
        return False
    for m in re.finditer(r"(?<=[^iueAEQCBaZ:57])E(?=[rln])", reading):
        if phonetic.syllables(reading[:m.start()] + reading[m.end():]) == phonetic.syllables(code):
            return False
    if re.search(r"B(?!:)", reading):
        return False
    if re.search(r"jj|hw|A:|N(?![kg]|$)|[iueAEQCBaZ:]r(?![iueAEQCBaZ])|(^|[^iueAEQCBaZ]):", reading):
        return False
    if _VOWELS.sub("", reading) != _VOWELS.sub("", code) or re.search(r"5[^iueAEQCBaZ]*E(?![:u])", reading):
        return False
    syllables = phonetic.syllables(reading)
    return syllables == phonetic.syllables(code) + 1 == _spelt_syllables(word)


def _mark_inside_onset(code):
    """A stress mark between two consonants that begin a syllable together (s5peidiN, t5FB:nsElE)."""
    for m in re.finditer("[57]", code):
        before, after = code[m.start() - 1:m.start()], code[m.end():m.end() + 1]
        if before and after and before + after in ("tF", "dV") or (before, after) in phonetic._ONSETS:
            return True
    return False


def _keeps_stress(word, known):
    """Words whose stress espeak-ng places better than ECDICT: prefixed, compounds, inflections
    (undecidable, treehouse, contracting)."""
    if _PREFIXES.match(word) or re.search(r"(ing|ed)$", word):
        return True
    return any(word[:i] in known and word[i:] in known for i in range(3, len(word) - 2))


def _variant(code):
    """The form two readings share when they differ only in a syllabic consonant or a weak vowel."""
    head, mark, tail = code.partition(phonetic.PRIMARY)
    tail = re.sub(r"E(?=[ln]z?d?$)", "", tail)
    tail = re.sub(r"(?<=[^iueAEQCBaZ:])[iE](?=[^iueAEQCBaZ:57])", "", tail)
    return (head + mark + tail).replace(phonetic.SECONDARY, "").replace(":", "")
