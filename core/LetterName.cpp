#include "core/LetterName.h"

#include <array>
#include <string_view>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"

namespace vokadlo {
namespace {

struct TLetterRow {
    char letter;
    std::string_view name;
};

constexpr std::array<TLetterRow, 32> kLetterNames = {{
    {'a', "á"_cp},      {U'á'_cp, "á"_cp},   {'b', "bé"_cp},     {'c', "cé"_cp},
    {U'č'_cp, "čé"_cp}, {'d', "dé"_cp},      {U'ď'_cp, "ďé"_cp}, {'e', "é"_cp},
    {'f', "ef"_cp},     {'g', "gé"_cp},      {'h', "há"_cp},     {'i', "í"_cp},
    {'j', "jé"_cp},     {'k', "ká"_cp},      {'l', "el"_cp},     {'m', "em"_cp},
    {'n', "en"_cp},     {U'ň'_cp, "eň"_cp},  {'o', "ó"_cp},      {'p', "pé"_cp},
    {'q', "kvé"_cp},    {'r', "er"_cp},      {U'ř'_cp, "eř"_cp}, {'s', "es"_cp},
    {U'š'_cp, "eš"_cp}, {'t', "té"_cp},      {'v', "vé"_cp},     {'w', "dvojité vé"_cp},
    {'x', "iks"_cp},    {'y', "ypsilon"_cp}, {'z', "zet"_cp},    {U'ž'_cp, "žet"_cp},
}};

}  // namespace

std::string LetterName(char c) {
    const char lower = LowerChar(c);
    for (const TLetterRow& row : kLetterNames) {
        if (row.letter == lower) {
            return std::string(row.name);
        }
    }
    return std::string(1, c);
}

}  // namespace vokadlo
