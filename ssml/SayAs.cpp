#include "ssml/SayAs.h"

#include <array>
#include <vector>

#include "core/CodePage.h"
#include "core/LetterName.h"
#include "reading/Reading.h"
#include "ssml/SsmlWriter.h"

namespace vokadlo::ssml {
namespace {

// The ordinal of a number in words (UTF-8); the number with a full stop where the reading stage
// names none, as it is written.
std::string Ordinal(const std::string& digits) {
    const std::string words = digits.size() > 4 ? std::string() : OrdinalName(std::stoul(digits));
    return words.empty() ? digits + "." : Cp1250ToUtf8(words);
}

// Currencies by code or sign, as the reading stage reads them after an amount.
constexpr std::pair<std::string_view, std::string_view> kCurrencies[] = {
    {"CZK", "Kč"}, {"Kč", "Kč"}, {"EUR", "€"}, {"€", "€"}, {"USD", "$"}, {"$", "$"},
};

// Every character but blanks, one a word; with `named`, letters by their Czech names, as the
// engine spells ("ČVUT" -> "čé vé u té").
std::string OneByOne(std::string_view text, bool digitsOnly, bool named) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = CharacterLength(text.substr(i));
        const std::string_view c = text.substr(i, n);
        i += n;
        if (static_cast<unsigned char>(c[0]) <= ' ' || (digitsOnly && !IsDigit(c[0]))) {
            continue;
        }
        out += out.empty() ? "" : " ";
        const std::string single = Utf8ToCp1250(c);
        out += named && single.size() == 1 ? Cp1250ToUtf8(LetterName(single[0])) : std::string(c);
    }
    return out;
}

// The runs of digits in a text.
std::vector<std::string> Numbers(std::string_view text) {
    std::vector<std::string> numbers;
    std::string run;
    for (const char c : text) {
        if (IsDigit(c)) {
            run += c;
        } else if (!run.empty()) {
            numbers.push_back(std::move(run));
            run.clear();
        }
    }
    if (!run.empty()) {
        numbers.push_back(std::move(run));
    }
    return numbers;
}

std::string Unsigned(std::string_view digits) {
    const std::size_t start = std::min(digits.find_first_not_of('0'), digits.size() - 1);
    return std::string(digits.substr(start));
}

std::string Date(std::string_view text, std::string_view format) {
    const std::vector<std::string> numbers = Numbers(text);
    if (format.empty()) {
        format = "dmy";
    }
    if (numbers.size() != format.size() || format.size() > 3) {
        return std::string(text);
    }
    std::string day, month, year;
    for (std::size_t i = 0; i < format.size(); ++i) {
        (format[i] == 'd' ? day : format[i] == 'm' ? month : year) = Unsigned(numbers[i]);
    }
    // A month without a day is named; a day with its month is read as the date it is.
    const int m = month.empty() || month.size() > 2 ? 0 : std::stoi(month);
    if (!month.empty() && (m < 1 || m > 12)) {
        return std::string(text);
    }
    std::string out;
    if (!day.empty()) {
        out = day + ".";
        if (!month.empty()) {
            out += " " + month + ".";
        }
    } else if (!month.empty()) {
        out = Cp1250ToUtf8(MonthNominative(m));
    }
    if (!year.empty()) {
        out += (out.empty() ? "" : " ") + year;
    }
    return out;
}

// Czech form of a count: 1, 2-4, else.
const char* Form(std::string_view number, const char* one, const char* few, const char* many) {
    const int n = number.size() > 2 ? 100 : std::stoi(std::string(number));
    return n == 1 ? one : n >= 2 && n <= 4 ? few : many;
}

std::string Time(std::string_view text) {
    const std::vector<std::string> numbers = Numbers(text);
    if (numbers.empty() || numbers.size() > 3) {
        return std::string(text);
    }
    const std::string hours = Unsigned(numbers[0]);
    std::string out = hours + " " + Form(hours, "hodina", "hodiny", "hodin");
    if (numbers.size() > 1 && Unsigned(numbers[1]) != "0") {
        const std::string minutes = Unsigned(numbers[1]);
        out += " " + minutes + " " + Form(minutes, "minuta", "minuty", "minut");
    }
    if (numbers.size() > 2 && Unsigned(numbers[2]) != "0") {
        const std::string seconds = Unsigned(numbers[2]);
        out += " " + seconds + " " + Form(seconds, "sekunda", "sekundy", "sekund");
    }
    return out;
}

// Groups of digits as numbers, a pause between them: "+420 603 123 456".
std::string Telephone(std::string_view text) {
    std::string out = text.find('+') != std::string_view::npos ? "plus" : "";
    for (const std::string& group : Numbers(text)) {
        out += out.empty() ? "" : out == "plus" ? " " : ", ";
        out += group;
    }
    return out.empty() ? std::string(text) : out;
}

std::string Currency(std::string_view text) {
    std::string amount;
    std::string_view rest = text;
    for (const char c : text) {
        if (IsDigit(c) || ((c == ',' || c == '.') && !amount.empty())) {
            amount += c == '.' ? ',' : c;  // the Czech decimal comma
        }
    }
    while (!amount.empty() && amount.back() == ',') {
        amount.pop_back();
    }
    for (const auto& [code, sign] : kCurrencies) {
        if (rest.find(code) != std::string_view::npos && !amount.empty()) {
            return amount + " " + std::string(sign);
        }
    }
    return std::string(text);
}

}  // namespace

std::string SayAs(std::string_view text, std::string_view interpretAs, std::string_view format) {
    const auto is = [&](const char* kind) { return EqualsIgnoringAsciiCase(interpretAs, kind); };
    if (is("characters") || is("spell-out") || is("letters") || is("verbatim")) {
        return OneByOne(text, false, true);
    }
    if (is("digits")) {
        return OneByOne(text, true, false);
    }
    if (is("ordinal")) {
        const std::vector<std::string> numbers = Numbers(text);
        return numbers.size() == 1 ? Ordinal(Unsigned(numbers[0])) : std::string(text);
    }
    if (is("date")) {
        return Date(text, format);
    }
    if (is("time")) {
        return Time(text);
    }
    if (is("telephone")) {
        return Telephone(text);
    }
    if (is("currency")) {
        return Currency(text);
    }
    return std::string(text);  // cardinal, number and kinds the engine reads by itself
}

}  // namespace vokadlo::ssml
