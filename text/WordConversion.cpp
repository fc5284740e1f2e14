#include "text/WordConversion.h"

#include <algorithm>

#include "core/CodePage.h"
#include "text/NumberSyntax.h"
#include "text/NumberWords.h"
#include "text/ReplaceAll.h"
#include "text/Spelling.h"
#include "text/WordRows.h"

namespace vokadlo {

std::string CleanChunkText(std::string_view chunk) {
    const std::size_t start = chunk.find_first_not_of(" \n\r");
    std::string s(start == std::string_view::npos ? std::string_view() : chunk.substr(start));
    std::replace(s.begin(), s.end(), '\n', ' ');
    std::replace(s.begin(), s.end(), '\r', ' ');
    return s;
}

std::string ConvertNumber(std::string_view s, char decimalSeparator) {
    double value = 0.0;
    const std::string trimmed = Trim(s);
    std::string converted;
    if (IsNumber(trimmed, value)) {
        converted = ReplaceAll(s, trimmed, NumberToWords(value));
    } else if (decimalSeparator == ',') {
        std::string t;
        for (const char c : s) {
            if (c != ' ') {
                t.push_back(c == ',' ? '.' : c);
            }
        }
        if (!IsNumber(Trim(t), value)) {
            return std::string(s);
        }
        converted = ReplaceAll(s, s, NumberToWords(value));
    } else {
        return std::string(s);
    }
    return IsBlank(converted) ? "0" : converted;
}

std::string DropLeadingUnderscore(std::string_view s) {
    return std::string(!s.empty() && s.front() == '_' ? s.substr(1) : s);
}

std::string ConvertWord(std::string_view word, std::string_view pending, char decimalSeparator,
                        std::optional<std::size_t> lastBackslash) {
    std::string s = ConvertNumber(word, decimalSeparator);
    s = ReadDigits(s);
    s = ReadSymbols(s);
    s = DropLeadingUnderscore(s);
    return SpellWord(s, pending, lastBackslash);
}

}  // namespace vokadlo
