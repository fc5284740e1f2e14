#include "reading/Transliteration.h"

#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utypes.h>

#include <memory>
#include <stdexcept>

#include "core/Cp1250Table.h"
#include "reading/CldrTables.h"

namespace vokadlo {
namespace {

// Czech letters (code page 1250 bytes, both cases) and ö, ü, which the voice says.
constexpr std::string_view kCzechLetters =
    "\xE1\xE8\xEF\xE9\xEC\xED\xF2\xF3\xF8\x9A\x9D\xFA\xF9\xFD\x9E\xF6\xFC"
    "\xC1\xC8\xCF\xC9\xCC\xCD\xD2\xD3\xD8\x8A\x8D\xDA\xD9\xDD\x8E\xD6\xDC";

// For scripts the letter table lacks: ICU's Latin, then the accents Czech lacks taken off every
// letter that is not Czech.
constexpr char16_t kRules[] =
    uR"(
:: Any-Latin ;
:: [^a-zA-ZáčďéěíňóřšťúůýžöüÁČĎÉĚÍŇÓŘŠŤÚŮÝŽÖÜ] Latin-ASCII ;
:: NFC ;
)";

const icu::Transliterator& Transliterator() {
    static const std::unique_ptr<icu::Transliterator> instance = [] {
        UParseError where{};
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createFromRules(
            "Czech-Reader", icu::UnicodeString(kRules), UTRANS_FORWARD, where, status));
        if (U_FAILURE(status) || !t) {
            throw std::runtime_error(std::string("transliteration rules: ") + u_errorName(status));
        }
        return t;
    }();
    return *instance;
}

// The text spelled from the letter table alone, or false when a letter needs ICU.
bool SpellFromTable(std::string_view utf8, std::string& out) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        const std::size_t length = cp1250::DecodeUtf8(utf8, pos, cp);
        pos += length == 0 ? 1 : length;
        if (length == 0) {
            continue;  // a malformed byte has no letter to say
        }
        if (const TLetterSpelling* letter = FindLetter(cp)) {
            out += letter->spelling;
            continue;
        }
        const int8_t type = u_charType(static_cast<UChar32>(cp));
        if (type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK ||
            type == U_COMBINING_SPACING_MARK) {
            continue;
        }
        // What the table does not spell is kept when the voice says it, else left to ICU.
        const int byte = cp < 0x80 ? static_cast<int>(cp) : cp1250::EncodeByte(cp);
        const char c = static_cast<char>(byte);
        if (byte < 0 || (u_isalpha(static_cast<UChar32>(cp)) &&
                         HasForeignLatinLetter(std::string_view(&c, 1)))) {
            return false;
        }
        out += c;
    }
    return true;
}

std::string ThroughIcu(std::string_view utf8) {
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    Transliterator().transliterate(text);
    std::string out;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 cp = text.char32At(i);
        const int byte = cp < 0x80 ? cp : cp1250::EncodeByte(static_cast<char32_t>(cp));
        if (byte > 0) {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

}  // namespace

std::string TransliterateToCp1250(std::string_view utf8) {
    std::string out;
    return SpellFromTable(utf8, out) ? out : ThroughIcu(utf8);
}

bool HasForeignLatinLetter(std::string_view word) {
    for (const char c : word) {
        if (static_cast<unsigned char>(c) >= 0x80 &&
            kCzechLetters.find(c) == std::string_view::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace vokadlo
