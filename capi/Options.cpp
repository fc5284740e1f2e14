#include "capi/Options.h"

#include <strings.h>

#include <charconv>
#include <cstdint>
#include <string_view>

#include "core/EngineSettings.h"
#include "core/Tempo.h"
#include "engine/EngineSession.h"
#include "engine/Voices.h"
#include "reading/Reading.h"

namespace vokadlo::capi {
namespace {

// What an option's value is.
enum class TKind {
    Integer,  // whole number in [min, max]
    Real,     // decimal number in [min, max]
    OnOff,    // on, off
    Voice,    // a voice's name or number
    Format,   // plain, tags, ssml
    Reading,  // czech, design
    Folder,   // any text, empty for the default
    Char,     // one character, or empty
    Seed,     // 0..2^32-1, or empty
};

struct TOption {
    const char* name;
    TKind kind;
    double min = 0;
    double max = 0;
};

// clang-format off
constexpr TOption kOptions[] = {
    {"voice",             TKind::Voice},
    {"rate",              TKind::Real,    40, 350},
    {"speed",             TKind::Real,    1, 1000},
    {"pitch",             TKind::Integer, -100, 100},
    {"volume",            TKind::Integer, 0, 63750},
    {"amplitude",         TKind::Integer, 0, 200},
    {"echo_tracks",       TKind::Integer, 0, 10},
    {"echo_delay",        TKind::Integer, 0, 20000},
    {"echo_volume",       TKind::Integer, 0, 100},
    {"intonation",        TKind::OnOff},
    {"intonation_linear", TKind::OnOff},
    {"word_space",        TKind::Integer, 0, 300},
    {"period_pause",      TKind::Integer, 0, 650},
    {"random_spread",     TKind::Integer, 1, 50},
    {"seed",              TKind::Seed},
    {"decimal_separator", TKind::Char},
    {"format",            TKind::Format},
    {"reading",           TKind::Reading},
    {"config_dir",        TKind::Folder},
    {"samples_from_disk", TKind::Folder},
    {"notices",           TKind::OnOff},
};
// clang-format on

const TOption& Find(const std::string& name) {
    for (const TOption& option : kOptions) {
        if (name == option.name) {
            return option;
        }
    }
    throw EOptionError("no option \"" + name + "\"");
}

template <typename T>
bool ParseWhole(std::string_view text, T& out) {
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, out);
    return !text.empty() && error == std::errc() && at == end;
}

std::string Range(const TOption& o) {
    const auto number = [](double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') {
            s.pop_back();
        }
        return s;
    };
    return "a number " + number(o.min) + ".." + number(o.max);
}

std::string Checked(const TOption& o, const std::string& value) {
    const auto refuse = [&](const std::string& takes) -> std::string {
        throw EOptionError(std::string(o.name) + ": \"" + value + "\" is not " + takes);
    };
    switch (o.kind) {
        case TKind::Integer: {
            std::int64_t n = 0;
            if (!ParseWhole(value, n) || n < o.min || n > o.max) {
                refuse(Range(o));
            }
            return std::to_string(n);
        }
        case TKind::Real: {
            double x = 0;
            if (!ParseWhole(value, x) || !(x >= o.min && x <= o.max)) {
                refuse(Range(o));
            }
            return value;
        }
        case TKind::OnOff:
            return value == "on" || value == "off" ? value : refuse("on or off");
        case TKind::Format:
            return value == "plain" || value == "tags" || value == "ssml"
                       ? value
                       : refuse("plain, tags or ssml");
        case TKind::Reading:
            return value == "czech" || value == "design" ? value : refuse("czech or design");
        case TKind::Voice:
            for (const TVoice& voice : kVoices) {
                if (value == std::to_string(voice.number) ||
                    ::strcasecmp(value.c_str(), voice.name) == 0) {
                    return std::to_string(voice.number);
                }
            }
            return refuse("a voice: VEMIRa, VEMIRuska, VEMIR or 1..3");
        case TKind::Folder:
            return value;
        case TKind::Char:
            return value.size() <= 1 ? value : refuse("one character");
        case TKind::Seed: {
            std::uint32_t seed = 0;
            if (!value.empty() && !ParseWhole(value, seed)) {
                refuse("a number 0..4294967295");
            }
            return value.empty() ? value : std::to_string(seed);
        }
    }
    return value;
}

int Integer(const std::string& value) {
    int n = 0;
    ParseWhole(value, n);
    return n;
}

double Real(const std::string& value) {
    double x = 0;
    ParseWhole(value, x);
    return x;
}

}  // namespace

std::string CheckOption(const std::string& name, const std::string& value) {
    return Checked(Find(name), value);
}

bool RebuildsEngine(const std::string& name) {
    return name == "voice" || name == "config_dir";
}

std::string ReplacedOption(const std::string& name) {
    return name == "rate" ? "speed" : name == "speed" ? "rate" : "";
}

void ApplyOption(TEngineSession& session, const std::string& name, const std::string& value) {
    const TEngineSettings& s = Settings;
    const bool on = value == "on";
    if (name == "rate") {
        session.SetSpeedPercent(SpeedForTempo(Real(value) / kRecordedWordsPerMinute));
    } else if (name == "speed") {
        session.SetSpeedPercent(Real(value));
    } else if (name == "pitch") {
        session.SetPitch(Integer(value));
    } else if (name == "volume") {
        session.SetVolume(Integer(value));
    } else if (name == "amplitude") {
        session.SetAmplitude(Integer(value));
    } else if (name == "echo_tracks") {
        session.SetEcho(Integer(value), s.EchoDelay, s.EchoVolume);
    } else if (name == "echo_delay") {
        session.SetEcho(s.EchoTracks, Integer(value), s.EchoVolume);
    } else if (name == "echo_volume") {
        session.SetEcho(s.EchoTracks, s.EchoDelay, Integer(value));
    } else if (name == "intonation") {
        session.SetIntonation(on, s.IntonationLinear);
    } else if (name == "intonation_linear") {
        session.SetIntonation(s.IntonationOn, on);
    } else if (name == "word_space") {
        session.SetPauses(Integer(value), s.PeriodPauseLength);
    } else if (name == "period_pause") {
        session.SetPauses(s.WordSpaceLength, Integer(value));
    } else if (name == "random_spread") {
        session.SetRandomSpread(Integer(value));
    } else if (name == "seed") {
        if (value.empty()) {
            Settings.ProsodySeed.reset();
        } else {
            session.SetSeed(static_cast<std::uint32_t>(std::stoul(value)));
        }
    } else if (name == "decimal_separator") {
        Settings.DecimalSeparator = value.empty() ? '\0' : value[0];
    } else if (name == "reading") {
        session.SetReading(value == "design" ? TReadingMode::Design : TReadingMode::Czech);
    } else if (name == "format") {
        session.SetPlainText(value == "plain");
    } else if (name == "samples_from_disk") {
        session.SetSamplesFromDisk(!value.empty(),
                                   value.empty() ? TEngineSettings{}.SampleFolder : value);
    }
}

}  // namespace vokadlo::capi
