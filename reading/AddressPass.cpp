// E-mail and web addresses read by their parts: the names and labels stay as written (the
// engine reads or spells them), each separator becomes its Czech name: "info@example.cz" ->
// "info zavináč example tečka cz".
#include <algorithm>
#include <string>
#include <string_view>

#include "core/CodePage.h"
#include "reading/PassTools.h"
#include "reading/Passes.h"

namespace vokadlo {
namespace {

// The separators of an address and how they are said.
struct TSeparatorName {
    char c;
    std::string_view name;
};
constexpr TSeparatorName kSeparatorNames[] = {
    {'@', "zavin\xE1\xE8"}, {'.', "te\xE8ka"},         {'/', "lom\xEDtko"}, {':', "dvojte\xE8ka"},
    {'-', "poml\xE8ka"},    {'_', "podtr\x9E\xEDtko"}, {'?', "otazn\xEDk"}, {'=', "rovn\xE1 se"},
    {'&', "ampersand"},     {'#', "m\xF8\xED\x9Eka"},  {'%', "procento"},   {'+', "plus"},
    {'~', "vlnovka"},
};

// Top-level domains that make "seznam.cz" an address without "www." or a scheme.
constexpr std::string_view kDomains[] = {
    "cz", "sk", "eu", "com", "org", "net", "info", "io", "de", "at", "pl", "uk", "gov", "edu",
};

// How far an address reaches, in tokens; a longer run is not read.
constexpr std::size_t kLongest = 200;

std::string_view SeparatorName(char c) {
    for (const TSeparatorName& s : kSeparatorNames) {
        if (s.c == c) {
            return s.name;
        }
    }
    return {};
}

bool IsPart(const TTokenList& list, std::size_t i) {
    return IsOpen(list, i) && (list[i].Is(TTokenKind::Word) || list[i].Is(TTokenKind::Number));
}

bool IsSeparator(const TTokenList& list, std::size_t i, std::string_view allowed) {
    return IsOpen(list, i) && list[i].Is(TTokenKind::Punctuation) &&
           allowed.find(list[i].text[0]) != std::string_view::npos;
}

// The end of a domain name starting at i: labels of letters, digits and hyphens joined by
// single dots, at least `dots` of them; i when there is none.
std::size_t DomainEnd(const TTokenList& list, std::size_t i, int dots) {
    std::size_t end = i;
    int seen = 0;
    std::size_t at = i;
    for (;;) {
        const std::size_t label = at;
        while (IsPart(list, at) || (at > label && IsSeparator(list, at, "-"))) {
            ++at;
        }
        if (at == label || list.IsChar(at - 1, '-')) {
            break;
        }
        end = at;
        if (!list.IsChar(at, '.') || !IsOpen(list, at) || !IsPart(list, at + 1)) {
            break;
        }
        ++seen;
        ++at;
    }
    return seen >= dots ? end : i;
}

// The end of a path, query and fragment after a host (from a "/", "?" or "#" at i): letters,
// digits and the separators, up to a blank; a final "." "," ":" "?" belongs to the sentence.
std::size_t PathEnd(const TTokenList& list, std::size_t i) {
    if (!IsSeparator(list, i, "/?#")) {
        return i;
    }
    std::size_t end = i;
    while (end < list.size() && end - i < kLongest &&
           (IsPart(list, end) || IsSeparator(list, end, "/.:-_?=&#%+~@"))) {
        ++end;
    }
    while (end > i + 1 && IsSeparator(list, end - 1, ".,:?")) {
        --end;
    }
    return end;
}

bool IsKnownDomain(const TToken& label) {
    const std::string lower = LowerCase(label.text);
    return std::find(std::begin(kDomains), std::end(kDomains), lower) != std::end(kDomains);
}

// The end of the address that starts at token i, or i.
std::size_t AddressEnd(const TTokenList& list, std::size_t i) {
    if (!IsPart(list, i) || !StartsFree(list, i)) {
        return i;
    }
    const std::string lower = LowerCase(list[i].text);
    // A scheme: "https://host...".
    if ((lower == "http" || lower == "https" || lower == "ftp") && list.IsChar(i + 1, ':') &&
        list.IsChar(i + 2, '/') && list.IsChar(i + 3, '/')) {
        const std::size_t host = DomainEnd(list, i + 4, 1);
        if (host == i + 4) {
            return i;
        }
        std::size_t end = host;
        if (list.IsChar(end, ':') && list.Is(end + 1, TTokenKind::Number)) {
            end += 2;  // a port
        }
        return PathEnd(list, end);
    }
    // An e-mail: "name.surname@host".
    std::size_t at = i;
    while (at - i < kLongest && (IsPart(list, at) || (at > i && IsSeparator(list, at, "._-+")))) {
        ++at;
    }
    if (at > i && list.IsChar(at, '@') && !IsSeparator(list, at - 1, "._-+")) {
        const std::size_t host = DomainEnd(list, at + 1, 1);
        return host == at + 1 ? i : host;
    }
    // "www.host..." or "host.cz".
    const std::size_t host = DomainEnd(list, i, 1);
    if (host == i) {
        return i;
    }
    if (lower != "www" && !(list[host - 1].Is(TTokenKind::Word) && IsKnownDomain(list[host - 1]))) {
        return i;
    }
    return PathEnd(list, host);
}

std::string SayAddress(const TTokenList& list, std::size_t first, std::size_t end) {
    std::string said;
    bool glued = false;  // the last part was a label, which a following label joins
    for (std::size_t i = first; i < end; ++i) {
        const TToken& token = list[i];
        const bool part = !token.Is(TTokenKind::Punctuation);
        if (!said.empty() && !(part && glued)) {
            said += ' ';
        }
        said += part ? std::string_view(token.text) : SeparatorName(token.text[0]);
        glued = part;
    }
    return said;
}

}  // namespace

void ReadAddresses(TTokenList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::size_t end = AddressEnd(list, i);
        if (end > i + 1) {
            list.Replace(i, end, SayAddress(list, i, end));
            i = end - 1;
        }
    }
}

}  // namespace vokadlo
