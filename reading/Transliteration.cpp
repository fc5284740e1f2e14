#include "reading/Transliteration.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/utypes.h>

#include <memory>
#include <stdexcept>

#include "core/Cp1250Table.h"

namespace vokadlo {
namespace {

// Czech letters (code page 1250 bytes, both cases) and ö, ü, which the voice says.
constexpr std::string_view kCzechLetters =
    "\xE1\xE8\xEF\xE9\xEC\xED\xF2\xF3\xF8\x9A\x9D\xFA\xF9\xFD\x9E\xF6\xFC"
    "\xC1\xC8\xCF\xC9\xCC\xCD\xD2\xD3\xD8\x8A\x8D\xDA\xD9\xDD\x8E\xD6\xDC";

// The Czech transcription of Cyrillic (Russian, Ukrainian and Belarusian letters), then ICU's
// Latin for every other script, then the accents Czech lacks taken off every letter that is not
// Czech. German ä reads as e.
constexpr char16_t kRules[] =
    uR"(
:: NFC ;
ä > e ; Ä > E ;
щ > šč ; Щ > Šč ; ж > ž ; Ж > Ž ; ч > č ; Ч > Č ; ш > š ; Ш > Š ; х > ch ; Х > Ch ;
ц > c ; Ц > C ; я > ja ; Я > Ja ; ю > ju ; Ю > Ju ; ё > jo ; Ё > Jo ; й > j ; Й > J ;
ы > y ; Ы > Y ; э > e ; Э > E ; ь > ; Ь > ; ъ > ; Ъ > ; е > e ; Е > E ; и > i ; И > I ;
г > g ; Г > G ; і > i ; І > I ; ї > ji ; Ї > Ji ; є > je ; Є > Je ; ґ > g ; Ґ > G ;
ў > u ; Ў > U ;
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

}  // namespace

std::string TransliterateToCp1250(std::string_view utf8) {
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
