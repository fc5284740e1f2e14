// Code page 1250 text services: case mapping, trimming and conversion to and from UTF-8.
//
// Engine text is code page 1250 bytes in std::string (Czech letters are one byte each);
// programs convert at their edges with these functions.
#pragma once

#include <string>
#include <string_view>

namespace vokadlo {

// True for the ASCII digits "0" to "9".
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// True when `a` and `b` are equal but for the case of ASCII letters.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Lower-case of one code page 1250 character (ASCII and every Central European capital).
char LowerChar(char c);

// Lower-cases a whole text with the code page's case mapping ("Č" -> "č", "Ř" -> "ř" ...).
std::string LowerCase(std::string_view text);

// Removes every character below code 33 at both ends.
std::string Trim(std::string_view text);

// True when the text is empty after trimming.
bool IsBlank(std::string_view text);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// Converts UTF-8 to code page 1250. Characters the code page lacks become "?"; malformed
// sequences become "?" byte by byte.
std::string Utf8ToCp1250(std::string_view utf8);

// Converts code page 1250 to UTF-8. The five bytes the code page leaves undefined map to the
// C1 control characters of the same number, so every byte survives a round trip.
std::string Cp1250ToUtf8(std::string_view text);

}  // namespace vokadlo
