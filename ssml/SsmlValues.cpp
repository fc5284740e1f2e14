#include "ssml/SsmlValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "core/CodePage.h"
#include "ssml/Ssml.h"

namespace vokadlo::ssml {
namespace {

struct TKeyword {
    std::string_view name;
    double value;
};

constexpr TKeyword kBreakStrengths[] = {
    {"none", 0},     {"x-weak", 100}, {"weak", 200},
    {"medium", 400}, {"strong", 700}, {"x-strong", 1000},
};
constexpr double kMediumBreakMs = 400;

constexpr TKeyword kRates[] = {
    {"x-slow", 0.5},  {"slow", 0.75}, {"medium", 1.0},
    {"default", 1.0}, {"fast", 1.35}, {"x-fast", 1.7},
};

constexpr TKeyword kVolumes[] = {
    {"silent", 0.0},  {"x-soft", 0.25}, {"soft", 0.5},   {"medium", 1.0},
    {"default", 1.0}, {"loud", 1.5},    {"x-loud", 2.0},
};

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') {
        s.remove_suffix(1);
    }
    return s;
}

std::optional<double> Keyword(const auto& table, std::string_view name) {
    for (const TKeyword& k : table) {
        if (EqualsIgnoringAsciiCase(k.name, name)) {
            return k.value;
        }
    }
    return std::nullopt;
}

// A number with its unit: "+20%" -> (+20, "%"); nullopt when no number starts the text.
struct TQuantity {
    double number;
    std::string_view unit;
    bool signed_;
};
std::optional<TQuantity> Quantity(std::string_view text) {
    text = Trimmed(text);
    const bool sign = !text.empty() && (text[0] == '+' || text[0] == '-');
    const std::string_view digits = text.substr(text.starts_with('+') ? 1 : 0);
    double number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || !std::isfinite(number)) {
        return std::nullopt;
    }
    return TQuantity{number, Trimmed(std::string_view(end, digits.data() + digits.size() - end)),
                     sign};
}

}  // namespace

std::int32_t BreakMs(std::optional<std::string_view> time,
                     std::optional<std::string_view> strength) {
    double ms = kMediumBreakMs;
    if (time) {
        const std::optional<TQuantity> q = Quantity(*time);
        if (q && q->unit == "ms") {
            ms = q->number;
        } else if (q && q->unit == "s") {
            ms = q->number * 1000;
        }
    } else if (strength) {
        ms = Keyword(kBreakStrengths, Trimmed(*strength)).value_or(kMediumBreakMs);
    }
    return static_cast<std::int32_t>(std::lround(std::clamp(ms, 0.0, double{kMaxBreakMs})));
}

std::optional<double> RateFactor(std::string_view rate) {
    if (const std::optional<double> k = Keyword(kRates, Trimmed(rate))) {
        return k;
    }
    const std::optional<TQuantity> q = Quantity(rate);
    if (!q) {
        return std::nullopt;
    }
    double factor = 0;
    if (q->unit == "%") {
        factor = q->signed_ ? 1.0 + q->number / 100 : q->number / 100;
    } else if (q->unit.empty()) {
        factor = q->signed_ ? 1.0 + q->number : q->number;
    } else {
        return std::nullopt;
    }
    return factor > 0 ? std::optional<double>(std::clamp(factor, 0.1, 10.0)) : std::nullopt;
}

std::optional<double> VolumeFactor(std::string_view volume) {
    if (const std::optional<double> k = Keyword(kVolumes, Trimmed(volume))) {
        return k;
    }
    const std::optional<TQuantity> q = Quantity(volume);
    if (!q) {
        return std::nullopt;
    }
    double factor = 0;
    if (EqualsIgnoringAsciiCase(q->unit, "db")) {
        factor = std::pow(10.0, q->number / 20);
    } else if (q->unit == "%") {
        factor = q->signed_ ? 1.0 + q->number / 100 : q->number / 100;
    } else if (q->unit.empty()) {
        constexpr double kMiddle = 50;  // the 0..100 scale's medium volume
        factor = q->signed_ ? (kMiddle + q->number) / kMiddle : q->number / kMiddle;
    } else {
        return std::nullopt;
    }
    return std::clamp(factor, 0.0, 4.0);
}

std::optional<std::int32_t> VoiceNumber(std::optional<std::string_view> name,
                                        std::optional<std::string_view> gender,
                                        std::optional<std::string_view> age) {
    static constexpr std::pair<std::string_view, std::int32_t> kNames[] = {
        {"VEMIRa", 1}, {"VEMIRuska", 2}, {"VEMIR", 3}};
    if (name) {
        for (const auto& [voice, number] : kNames) {
            if (EqualsIgnoringAsciiCase(Trimmed(*name), voice)) {
                return number;
            }
        }
    }
    if (age) {
        constexpr double kChildUpTo = 14;
        const std::optional<TQuantity> years = Quantity(*age);
        if (years && years->number < kChildUpTo) {
            return 2;
        }
    }
    if (gender && EqualsIgnoringAsciiCase(Trimmed(*gender), "female")) {
        return 1;
    }
    if (gender && EqualsIgnoringAsciiCase(Trimmed(*gender), "male")) {
        return 3;
    }
    return std::nullopt;
}

}  // namespace vokadlo::ssml
