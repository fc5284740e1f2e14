// Characters the voice cannot say: letters of other scripts and Latin letters with accents
// Czech lacks are transliterated ("Привет" -> "Privet", "Łódź" -> "Lodz"), symbols and emoji are
// read by their Czech names from CLDR ("→" -> "šipka ukazující doprava", "😀" -> "zubící se
// obličej"), combining marks and what has neither a name nor a Latin form are left out.
#include <unicode/uchar.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/Cp1250Literal.h"
#include "core/Cp1250Table.h"
#include "reading/CldrTables.h"
#include "reading/PassTools.h"
#include "reading/Passes.h"
#include "reading/Transliteration.h"

namespace vokadlo {
namespace {

constexpr char32_t kVariationText = 0xFE0E;
constexpr char32_t kVariationEmoji = 0xFE0F;

char32_t CodePoint(std::string_view utf8) {
    char32_t cp = 0;
    return cp1250::DecodeUtf8(utf8, 0, cp) == 0 ? 0 : cp;
}

// A Greek letter standing alone is a symbol read by its Czech name ("α + β" alfa plus beta);
// in a word it is transliterated. Small and capital letters in alphabet order; final sigma
// (U+03C2) reads as sigma.
constexpr std::string_view kGreekNames[] = {
    "alfa",  "beta",   "gama",    "delta", "epsilon", "zéta"_cp, "éta"_cp, "théta"_cp, "ióta"_cp,
    "kappa", "lambda", "mí"_cp,   "ný"_cp, "ksí"_cp,  "omikron", "pí"_cp,  "ró"_cp,    "sigma",
    "sigma", "tau",    "ypsilon", "fí"_cp, "chí"_cp,  "psí"_cp,  "omega",
};

std::string_view GreekLetterName(char32_t cp) {
    if (cp >= 0x3B1 && cp <= 0x3C9) {
        return kGreekNames[cp - 0x3B1];
    }
    if (cp >= 0x391 && cp <= 0x3A9 && cp != 0x3A2) {
        return kGreekNames[cp - 0x391];
    }
    return {};
}

bool IsForeign(const TTokenList& list, std::size_t i) {
    return list.Is(i, TTokenKind::Foreign);
}

// A run of Foreign tokens as one UTF-8 text without variation selectors, with the token each
// byte of it came from.
struct TForeignRun {
    std::string utf8;
    std::vector<std::size_t> token;  // per byte of utf8
};

TForeignRun GatherRun(const TTokenList& list, std::size_t first, std::size_t end) {
    TForeignRun run;
    for (std::size_t i = first; i < end; ++i) {
        const std::string_view c = list.Utf8(list[i]);
        const char32_t cp = CodePoint(c);
        if (cp == kVariationText || cp == kVariationEmoji) {
            continue;
        }
        run.utf8 += c;
        run.token.insert(run.token.end(), c.size(), i);
    }
    return run;
}

// True when a name needs a space against the token at i: a word, number, reading or other
// character; before the name also punctuation that does not open ("ahoj, 😀" keeps its space,
// "(😀)" gets none).
bool NeedsSpace(const TTokenList& list, std::size_t i, bool before) {
    const TToken& t = list[i];
    if (t.Is(TTokenKind::Word) || t.Is(TTokenKind::Number) || t.Is(TTokenKind::Read) ||
        t.Is(TTokenKind::Foreign)) {
        return true;
    }
    if (before && t.Is(TTokenKind::Punctuation)) {
        return std::string_view("([{\x84\"'").find(t.text[0]) == std::string_view::npos;
    }
    return !before && t.Is(TTokenKind::Tag);
}

// A name with the spaces that keep it apart from the words it stands against.
std::string Spaced(const TTokenList& list, std::size_t first, std::size_t end,
                   std::string_view name) {
    std::string out;
    if (first > 0 && NeedsSpace(list, first - 1, true)) {
        out += ' ';
    }
    out += name;
    if (end < list.size() && NeedsSpace(list, end, false)) {
        out += ' ';
    }
    return out;
}

bool IsLetterCodePoint(char32_t cp) {
    return u_isalpha(static_cast<UChar32>(cp)) != 0;
}

bool IsMark(char32_t cp) {
    const int8_t type = u_charType(static_cast<UChar32>(cp));
    return type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK ||
           type == U_COMBINING_SPACING_MARK || cp == kVariationText || cp == kVariationEmoji;
}

// Punctuation the code page lacks and the code page's own that stands for it.
struct TPunctuationLike {
    char32_t cp;
    std::string_view like;
};
constexpr TPunctuationLike kPunctuationLikes[] = {
    {0x2010, "-"},  {0x2011, "-"}, {0x2012, "\x96"}, {0x2015, "\x97"}, {0x2032, "'"},
    {0x2033, "\""}, {0x2044, "/"}, {0x2212, "-"},    {0x3001, ","},    {0x3002, "."},
};

std::string_view PunctuationLike(char32_t cp) {
    static constexpr std::string_view kAscii =
        "!\"#$%&'()*+,-./"
        "0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";
    if (cp >= 0xFF01 && cp <= 0xFF5E) {  // full-width forms of ASCII, none opening a tag
        const std::string_view like = kAscii.substr(cp - 0xFF01, 1);
        return like == "\\" || like == "{" || like == "}" ? std::string_view() : like;
    }
    for (const TPunctuationLike& p : kPunctuationLikes) {
        if (p.cp == cp) {
            return p.like;
        }
    }
    return {};
}

// Reads the Foreign tokens [first, end), a run without spaces.
void ReadForeignRun(TTokenList& list, std::size_t first, std::size_t end) {
    const TForeignRun run = GatherRun(list, first, end);
    std::size_t i = first;
    std::size_t at = 0;  // byte of run.utf8 where token i starts
    while (i < end) {
        while (at < run.utf8.size() && run.token[at] < i) {
            ++at;
        }
        if (at >= run.utf8.size() || run.token[at] != i) {
            // A variation selector alone.
            list.Replace(i, i + 1, std::string());
            ++i;
            continue;
        }
        const char32_t cp = CodePoint(std::string_view(run.utf8).substr(at));
        if (const TSymbolName* symbol = FindSymbol(std::string_view(run.utf8).substr(at))) {
            const std::size_t last = at + symbol->utf8.size() - 1;
            std::size_t stop = run.token[last] + 1;
            while (stop < end && CodePoint(list.Utf8(list[stop])) == kVariationEmoji) {
                ++stop;
            }
            list.Replace(i, stop, Spaced(list, i, stop, symbol->name));
            i = stop;
            continue;
        }
        if (IsLetterCodePoint(cp) || IsMark(cp)) {
            // A word of letters transliterated whole, so that the rules see their neighbours.
            std::size_t stop = i + 1;
            while (stop < end && (IsLetterCodePoint(CodePoint(list.Utf8(list[stop]))) ||
                                  IsMark(CodePoint(list.Utf8(list[stop]))))) {
                ++stop;
            }
            if (const std::string_view name = GreekLetterName(cp);
                stop == i + 1 && !name.empty() && !list.Is(i - 1, TTokenKind::Word) &&
                !list.Is(stop, TTokenKind::Word)) {
                list.Replace(i, stop, Spaced(list, i, stop, name));
                i = stop;
                continue;
            }
            const TToken& lastToken = list[stop - 1];
            const std::string_view letters = list.input.substr(
                list[i].inBegin, lastToken.inBegin + lastToken.inLength - list[i].inBegin);
            list.Replace(i, stop, TransliterateToCp1250(letters));
            i = stop;
            continue;
        }
        // Punctuation and the rest: the code page's like of it where there is one ("‐" -> "-",
        // "。" -> "."); else nothing, rather than a question mark.
        list.Replace(i, i + 1, std::string(PunctuationLike(cp)));
        ++i;
    }
}

}  // namespace

void ReadOtherScripts(TTokenList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (IsForeign(list, i)) {
            std::size_t end = i + 1;
            while (IsForeign(list, end)) {
                ++end;
            }
            ReadForeignRun(list, i, end);
            i = end - 1;
        } else if (IsOpen(list, i) && list[i].Is(TTokenKind::Word) &&
                   HasForeignLatinLetter(list[i].text)) {
            list.Replace(i, i + 1, TransliterateToCp1250(list.Utf8(list[i])));
        } else if (IsOpen(list, i) && list.IsChar(i, '=') && i > 0 && list.IsInlineSpace(i - 1) &&
                   list.IsInlineSpace(i + 1)) {
            // "3 + 4 = 7": an equals sign between spaces, which the voice passes over, by its
            // CLDR name (the generated table holds no ASCII).
            list.Replace(i, i + 1, std::string("rovná se"_cp));
        } else if (IsOpen(list, i) && list[i].Is(TTokenKind::Punctuation)) {
            // Symbols of the code page that the voice passes over in silence: "©", "×", "€".
            if (const TSymbolName* symbol = FindSymbol(list.Utf8(list[i]))) {
                if (symbol->utf8.size() == list[i].inLength) {
                    list.Replace(i, i + 1, Spaced(list, i, i + 1, symbol->name));
                }
            }
        }
    }
}

}  // namespace vokadlo
