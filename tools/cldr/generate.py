#!/usr/bin/env python3
"""Writes reading/CldrData.inc, the reading stage's tables taken from Unicode CLDR's Czech data.

Units (long forms by plural category and case, short forms as the abbreviations), currency names
by plural category, the months' genitive names and the spoken (tts) names of symbols and emoji.
Strings go out as code page 1250 bytes, escaped; symbol keys stay UTF-8. Only what CLDR lacks is
written here by hand: which units and currencies users write, the extra spellings they use, the
currencies' genders and their hundredth parts.

    tools/cldr/generate.py [--cldr DIR] [--out FILE] [--check]

--check compares the output with FILE instead of writing it: exit 0 when equal, 1 when not,
77 when CLDR is not installed (Debian package unicode-cldr-core).
The letter table takes Latin and Greek decompositions from Python's own Unicode database, so
the output also depends on the Python version (Debian 12's Python 3.11: Unicode 14).
"""
import argparse
import os
import sys
import unicodedata
import xml.etree.ElementTree as ET

CLDR = "/usr/share/unicode/cldr/common"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "reading", "CldrData.inc")

# The units users write after a number: CLDR type and further spellings beside CLDR's short form.
UNITS = [
    ("mass-kilogram", []), ("mass-gram", []), ("mass-milligram", []),
    ("mass-microgram", ["µg", "ug"]), ("mass-metric-ton", []),
    ("length-kilometer", []), ("length-meter", []), ("length-decimeter", []),
    ("length-centimeter", []), ("length-millimeter", []), ("length-micrometer", ["µm"]),
    ("length-nanometer", []),
    ("area-square-kilometer", ["km2"]), ("area-square-meter", ["m2"]),
    ("area-square-centimeter", ["cm2"]), ("area-hectare", []),
    ("volume-cubic-meter", ["m3"]), ("volume-cubic-centimeter", ["cm3", "ccm"]),
    ("volume-liter", []), ("volume-hectoliter", []), ("volume-deciliter", []),
    ("volume-centiliter", []), ("volume-milliliter", []),
    ("duration-hour", ["hod.", "hod"]), ("duration-minute", ["min."]),
    ("duration-second", ["sek.", "sec"]), ("duration-millisecond", []),
    ("duration-microsecond", ["µs"]), ("duration-nanosecond", []),
    ("speed-kilometer-per-hour", ["km/hod"]), ("speed-meter-per-second", []),
    ("digital-kilobyte", ["KB"]), ("digital-megabyte", []), ("digital-gigabyte", []),
    ("digital-terabyte", []), ("digital-petabyte", []),
    ("power-watt", []), ("power-kilowatt", []), ("power-megawatt", []), ("power-gigawatt", []),
    ("energy-kilowatt-hour", []), ("energy-joule", []), ("energy-kilojoule", []),
    ("energy-kilocalorie", []),
    ("electric-volt", []), ("electric-ampere", []), ("electric-milliampere", []),
    ("frequency-hertz", []), ("frequency-kilohertz", []), ("frequency-megahertz", []),
    ("frequency-gigahertz", []),
    ("temperature-celsius", []), ("temperature-fahrenheit", []), ("temperature-generic", []),
    ("concentr-percent", []), ("concentr-permille", []),
    ("pressure-pascal", []), ("pressure-hectopascal", []), ("pressure-kilopascal", []),
    ("pressure-megapascal", []), ("pressure-bar", []),
    ("consumption-liter-per-100-kilometer", []),
    ("graphics-megapixel", []),
]

# Currencies: CLDR code, spellings users write, and the hundredth part (forms by plural
# category, gender), which CLDR does not name.
HALER = (["haléř", "haléře", "haléře", "haléřů"], "Inanimate")
CENT = (["cent", "centy", "centu", "centů"], "Inanimate")
PENCE = (["pence", "pence", "pence", "pence"], "Inanimate")
NONE = (["", "", "", ""], "Inanimate")
CURRENCIES = [
    ("CZK", ["Kč", "CZK"], HALER), ("CSK", ["Kčs", "CSK"], HALER),
    ("EUR", ["€", "EUR"], CENT), ("USD", ["$", "US$", "USD"], CENT),
    ("GBP", ["£", "GBP"], PENCE), ("CHF", ["CHF"], NONE), ("PLN", ["zł", "PLN"], NONE),
    ("JPY", ["¥", "JPY"], NONE), ("RUB", ["₽", "RUB"], NONE), ("HUF", ["Ft", "HUF"], NONE),
    ("UAH", ["₴", "UAH"], NONE),
]

# Letters the voice does not say, as a Czech reader says them (what CLDR does not hold): Cyrillic
# by the Czech transcription, Greek by the classical one (accents come off through Unicode's
# decompositions), Latin letters with accents Czech lacks by their base letters, and the few
# that do not decompose. Czech letters, ö and ü, which the voice says, are not listed.
CYRILLIC = {
    "а": "a", "б": "b", "в": "v", "г": "g", "д": "d", "е": "e", "ё": "jo", "ж": "ž", "з": "z",
    "и": "i", "й": "j", "к": "k", "л": "l", "м": "m", "н": "n", "о": "o", "п": "p", "р": "r",
    "с": "s", "т": "t", "у": "u", "ф": "f", "х": "ch", "ц": "c", "ч": "č", "ш": "š", "щ": "šč",
    "ъ": "", "ы": "y", "ь": "", "э": "e", "ю": "ju", "я": "ja", "є": "je", "і": "i", "ї": "ji",
    "ґ": "g", "ў": "u", "ђ": "dž", "ј": "j", "љ": "lj", "њ": "nj", "ћ": "č", "џ": "dž",
    "ѓ": "ď", "ќ": "ť", "ѕ": "dz",
}
GREEK = {
    "α": "a", "β": "b", "γ": "g", "δ": "d", "ε": "e", "ζ": "z", "η": "é", "θ": "th", "ι": "i",
    "κ": "k", "λ": "l", "μ": "m", "ν": "n", "ξ": "x", "ο": "o", "π": "p", "ρ": "r", "σ": "s",
    "ς": "s", "τ": "t", "υ": "y", "φ": "f", "χ": "ch", "ψ": "ps", "ω": "ó",
}
LATIN = {
    "ä": "e", "ß": "ss", "æ": "ae", "ø": "o", "œ": "oe", "þ": "th", "ð": "d", "đ": "dž", "ħ": "h",
    "ı": "i", "ĸ": "k", "ŀ": "l", "ł": "l", "ŉ": "n", "ŋ": "ng", "ſ": "s", "ƒ": "f",
    # Polish and South Slavic soft consonants as their Czech kin (Łódź Lódž, Đoković Džokovič),
    # Hungarian long ő and ű as the ö and ü the voice says.
    "ć": "č", "ń": "ň", "ś": "š", "ź": "ž", "ż": "ž", "ő": "ö", "ű": "ü",
}
CZECH_KEPT = set("áčďéěíňóřšťúůýžöüÁČĎÉĚÍŇÓŘŠŤÚŮÝŽÖÜ")

PLURALS = ["one", "few", "many", "other"]
CASES = [None, "genitive", "dative", "accusative", "locative", "instrumental"]
GENDERS = {"masculine": "Animate", "inanimate": "Inanimate", "feminine": "Feminine",
           "neuter": "Neuter"}

# Names CLDR lacks: the common fractions.
EXTRA_NAMES = {"½": "jedna polovina", "⅓": "jedna třetina", "⅔": "dvě třetiny",
               "¼": "jedna čtvrtina", "¾": "tři čtvrtiny"}

# Punctuation a reader passes over silently; other punctuation with a name is read by it.
NAMED_PUNCTUATION = set("‰‱§¶†‡‼⁉")


def cp1250(text):
    return text.encode("cp1250")


def fits_cp1250(text):
    try:
        text.encode("cp1250")
        return True
    except UnicodeEncodeError:
        return False


def literal(data):
    """A C++ string literal of the bytes; octal escapes cannot swallow a following digit."""
    out = []
    for b in data:
        if b in (0x22, 0x5C):
            out.append("\\" + chr(b))
        elif 0x20 <= b < 0x7F:
            out.append(chr(b))
        else:
            out.append("\\%03o" % b)
    return '"' + "".join(out) + '"'


def spellings(text):
    """The keys a spelling is found under: its code page 1250 bytes and, where those differ, its
    UTF-8 bytes."""
    keys = [text.encode("utf-8")]
    if fits_cp1250(text) and cp1250(text) != keys[0]:
        keys.append(cp1250(text))
    return keys


def unit_rows(main):
    lengths = {ul.get("type"): ul for ul in main.find("units").findall("unitLength")}

    def find(length, type_):
        for unit in lengths[length].findall("unit"):
            if unit.get("type") == type_:
                return unit
        sys.exit("CLDR lacks the unit " + type_)

    rows, keys = [], []
    for type_, extra in UNITS:
        long_ = find("long", type_)
        short = find("short", type_)
        pattern = next(p.text for p in short.findall("unitPattern") if p.get("count") == "other")
        abbreviation = pattern.replace("{0}", "").strip().replace("μ", "µ")
        forms = [["" for _ in CASES] for _ in PLURALS]
        for p in long_.findall("unitPattern"):
            if p.get("count") in PLURALS and p.get("case") in CASES:
                word = p.text.replace("{0}", "").strip()
                forms[PLURALS.index(p.get("count"))][CASES.index(p.get("case"))] = word
        gender = GENDERS[long_.findtext("gender", "inanimate")]
        written = abbreviation if fits_cp1250(abbreviation) else next(
            e for e in extra if fits_cp1250(e))
        index = len(rows)
        rows.append((written, type_, gender, forms))
        for spelling in [abbreviation, pattern.replace("{0}", "").strip()] + extra:
            keys += [(k, index) for k in spellings(spelling)]
    return rows, keys


def noun_gender(word):
    if word.endswith("a"):
        return "Feminine"
    if word.endswith("o"):
        return "Neuter"
    return "Inanimate"


def currency_rows(main):
    by_code = {c.get("type"): c for c in main.find("numbers/currencies").findall("currency")}
    rows, keys = [], []
    for code, written, (sub_forms, sub_gender) in CURRENCIES:
        names = {d.get("count"): d.text for d in by_code[code].findall("displayName")}
        # "česká koruna": the noun alone, as a price is read ("25 korun").
        forms = [names[p].split()[-1] for p in PLURALS]
        symbol = next((w for w in written if fits_cp1250(w)), code)
        index = len(rows)
        rows.append((symbol, code, noun_gender(forms[0]), forms, sub_forms, sub_gender))
        for spelling in written:
            keys += [(k, index) for k in spellings(spelling)]
    return rows, keys


def months(main):
    for calendar in main.find("dates/calendars").findall("calendar"):
        if calendar.get("type") != "gregorian":
            continue
        for context in calendar.find("months").findall("monthContext"):
            for width in context.findall("monthWidth"):
                if context.get("type") == "format" and width.get("type") == "wide":
                    return [m.text for m in sorted(width.findall("month"),
                                                   key=lambda m: int(m.get("type")))]
    sys.exit("CLDR lacks the month names")


def spoken(code_points):
    """True when a sequence is a symbol or emoji that is read by its name: not plain ASCII, no
    letter or decimal digit of its own, no punctuation a reader passes over."""
    if all(ord(c) < 0x80 for c in code_points):
        return False
    for c in code_points:
        category = unicodedata.category(c)
        if category[0] in "LN" and ord(c) < 0x80 and len(code_points) > 1:
            continue  # keycaps: "1⃣"
        if category[0] == "L" or category in ("Nd", "Zs", "Cc"):
            return False  # fractions and other numbers ("½", "²", "Ⅻ") have names
        if category[0] == "P" and c not in NAMED_PUNCTUATION:
            return False
        if category == "Sk" and ord(c) < 0x1F000:
            return False
    return True


def symbol_rows(cldr):
    names = {}
    for path in ("annotations/cs.xml", "annotationsDerived/cs.xml"):
        root = ET.parse(os.path.join(cldr, path)).getroot()
        for a in root.iter("annotation"):
            if a.get("type") != "tts":
                continue
            key = a.get("cp").replace("\ufe0f", "")
            name = a.text.strip()
            if key and spoken(key) and fits_cp1250(name):
                names.setdefault(key.encode("utf-8"), cp1250(name))
    for key, name in EXTRA_NAMES.items():
        names.setdefault(key.encode("utf-8"), cp1250(name))
    return sorted(names.items())


def letter_rows():
    """(code point, spelling) for the letters in CYRILLIC, GREEK and LATIN and every Latin and
    Greek letter that decomposes to one of them or to an ASCII letter, both cases."""
    rows = {}

    def add(c, spelling):
        if len(c) == 1 and c not in CZECH_KEPT and ord(c) >= 0x80 and fits_cp1250(spelling):
            rows.setdefault(ord(c), spelling)

    for table in (CYRILLIC, GREEK, LATIN):
        for small, spelling in table.items():
            add(small, spelling)
            add(small.upper(), spelling[:1].upper() + spelling[1:])
    for cp in list(range(0xC0, 0x250)) + list(range(0x370, 0x400)) + list(range(0x1E00, 0x2000)):
        c = chr(cp)
        if not unicodedata.category(c).startswith("L") or c in CZECH_KEPT:
            continue
        base = "".join(x for x in unicodedata.normalize("NFD", c)
                       if unicodedata.category(x) != "Mn")
        if len(base) != 1 or base == c:
            continue
        small = base.lower()
        spelling = GREEK.get(small, LATIN.get(small, small if small.isascii() else None))
        if spelling is not None:
            add(c, spelling.upper() if base.isupper() and len(spelling) == 1 else
                (spelling[:1].upper() + spelling[1:] if base.isupper() else spelling))
    return sorted(rows.items())


def generate(cldr):
    main = ET.parse(os.path.join(cldr, "main/cs.xml")).getroot()
    units, unit_keys = unit_rows(main)
    currencies, currency_keys = currency_rows(main)
    symbols = symbol_rows(cldr)
    out = ["// Generated by tools/cldr/generate.py from Unicode CLDR's Czech data; do not edit.",
           "// Strings are code page 1250 bytes; keys are found under their code page 1250 and",
           "// UTF-8 spellings; symbol keys are UTF-8 code point sequences without U+FE0F.", "",
           "constexpr TUnitName kUnits[] = {"]
    for written, type_, gender, forms in units:
        cells = ",\n      ".join(
            "{" + ", ".join(literal(cp1250(w)) for w in row) + "}" for row in forms)
        out.append("    {%s, %s, TGender::%s,\n     {%s}}," % (
            literal(cp1250(written)), literal(type_.encode()), gender, cells))
    out += ["};", "", "constexpr TKey kUnitKeys[] = {"]
    out += ["    {%s, %d}," % (literal(k), i) for k, i in sorted(set(unit_keys))]
    out += ["};", "", "constexpr TCurrencyName kCurrencies[] = {"]
    for symbol, code, gender, forms, sub_forms, sub_gender in currencies:
        out.append("    {%s, %s, TGender::%s, {%s}, {%s}, TGender::%s}," % (
            literal(cp1250(symbol)), literal(code.encode()), gender,
            ", ".join(literal(cp1250(f)) for f in forms),
            ", ".join(literal(cp1250(f)) for f in sub_forms), sub_gender))
    out += ["};", "", "constexpr TKey kCurrencyKeys[] = {"]
    out += ["    {%s, %d}," % (literal(k), i) for k, i in sorted(set(currency_keys))]
    out += ["};", "", "constexpr std::string_view kMonthGenitive[12] = {"]
    out += ["    %s," % literal(cp1250(m)) for m in months(main)]
    out += ["};", "", "constexpr TLetterSpelling kLetters[] = {"]
    out += ["    {0x%04X, %s}," % (cp, literal(cp1250(spelling))) for cp, spelling in letter_rows()]
    out += ["};", "", "constexpr TSymbolName kSymbols[] = {"]
    out += ["    {%s, %s}," % (literal(k), literal(v)) for k, v in symbols]
    out += ["};", ""]
    return "\n".join(out).encode("ascii")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cldr", default=CLDR)
    parser.add_argument("--out", default=OUT)
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    if not os.path.isfile(os.path.join(args.cldr, "main/cs.xml")):
        print("CLDR not found in %s (Debian package unicode-cldr-core); not checked" % args.cldr)
        return 77 if args.check else 1
    data = generate(args.cldr)
    if args.check:
        with open(args.out, "rb") as f:
            if f.read() == data:
                return 0
        print("%s differs from what tools/cldr/generate.py makes of %s" % (args.out, args.cldr))
        return 1
    temporary = args.out + ".tmp"
    with open(temporary, "wb") as f:
        f.write(data)
    os.replace(temporary, args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
