#include "text/NumberSyntax.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "core/CodePage.h"
#include "text/NumberWords.h"

namespace vokadlo {
namespace {

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// The power of ten of the first significant digit of a well-formed unsigned number, plus one
// ("123" 3, "0.05" -1), saturated far outside the doubles' range.
long DecimalOrder(std::string_view number) {
    long order = 0;
    bool significant = false;
    bool afterPoint = false;
    std::size_t pos = 0;
    for (; pos < number.size() && (IsDigit(number[pos]) || number[pos] == '.'); ++pos) {
        if (number[pos] == '.') {
            afterPoint = true;
        } else if (!afterPoint && (significant || number[pos] != '0')) {
            significant = true;
            order = std::min(order + 1, 100000L);
        } else if (afterPoint && !significant) {
            if (number[pos] != '0') {
                significant = true;
            } else {
                order = std::max(order - 1, -100000L);
            }
        }
    }
    if (pos < number.size()) {  // "e", sign, digits
        ++pos;
        const bool negative = number[pos] == '-';
        pos += number[pos] == '-' || number[pos] == '+';
        long exponent = 0;
        for (; pos < number.size(); ++pos) {
            exponent = std::min(exponent * 10 + (number[pos] - '0'), 100000L);
        }
        order += negative ? -exponent : exponent;
    }
    return order;
}

}  // namespace

bool IsNumber(std::string_view text, double& value) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) {
        return false;
    }
    bool negative = false;
    if (text[pos] == '-' || text[pos] == '+') {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) {
        return false;
    }
    const std::size_t mantissaStart = pos;
    pos = SkipDigits(text, pos);
    bool mantissaDigits = pos > mantissaStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fraction = ++pos;
        pos = SkipDigits(text, pos);
        mantissaDigits = mantissaDigits || pos > fraction;
    }
    const std::size_t mantissaEnd = pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
            ++pos;
        }
        const std::size_t exponentDigits = pos;
        pos = SkipDigits(text, pos);
        if (pos == exponentDigits) {
            return false;
        }
    }
    if (pos != text.size()) {
        return false;
    }

    double magnitude = 0.0;
    if (mantissaDigits) {
        // from_chars takes no "+" in the exponent and no lone point; both are rewritten.
        std::string number(text.substr(mantissaStart, mantissaEnd - mantissaStart));
        if (number.front() == '.') {
            number.insert(0, 1, '0');
        }
        std::string_view exponent = text.substr(mantissaEnd);
        if (!exponent.empty()) {
            number += 'e';
            exponent.remove_prefix(1);
            if (exponent.front() == '+') {
                exponent.remove_prefix(1);
            }
            number += exponent;
        }
        const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude,
                                            std::chars_format::general);
        if (result.ec == std::errc::result_out_of_range) {
            // from_chars leaves the value alone: beyond the doubles is far beyond the
            // readable range, below them is zero.
            if (DecimalOrder(text.substr(mantissaStart)) > 0) {
                return false;
            }
            magnitude = 0.0;
        }
    }
    if (!IsReadableNumber(magnitude)) {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace vokadlo
