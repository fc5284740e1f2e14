#include "integration/speechd/VoiceSettings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "core/Numeric.h"
#include "core/Tempo.h"

namespace vokadlo::speechd {
namespace {

constexpr double kHighestFactor = 1.5;       // count -3, voice type "skřítek"
constexpr double kLowestFactor = 2.0 / 3.0;  // count 2, voice type "chlap"
constexpr double kFullVolume = 63750.0;

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

// Splits a configuration line into words; "quoted" words may hold spaces; # starts a comment.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            const std::size_t close = line.find('"', i + 1);
            const std::size_t end = close == std::string::npos ? line.size() : close;
            words.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            std::size_t end = i;
            while (end < line.size() && line[end] != ' ' && line[end] != '\t' &&
                   line[end] != '\r') {
                ++end;
            }
            words.push_back(line.substr(i, end - i));
            i = end;
        }
    }
    return words;
}

}  // namespace

double SpeedPercentForRate(int rate) {
    const double r = std::clamp(rate, -100, 100) / 100.0;
    return SpeedForTempo(r < 0 ? std::pow(2.0, r) : std::pow(3.0, r));
}

double PitchFactor(std::int32_t count) {
    if (count > 1) {
        return count / (count + 1.0);
    }
    if (count < -1) {
        return -count / (-count - 1.0);
    }
    return 1.0;
}

std::int32_t PitchShiftForPitch(int pitch, std::int32_t voicePitchShift) {
    const double p = std::clamp(pitch, -100, 100) / 100.0;
    if (p == 0) {
        return voicePitchShift;
    }
    const double own = PitchFactor(voicePitchShift);
    const double end = p > 0 ? kHighestFactor : kLowestFactor;
    const double factor = own * std::pow(end / own, std::abs(p));
    if (std::abs(factor - 1.0) < 1e-4) {
        return 0;
    }
    // Invert PitchFactor: f = |c| / (|c| - 1) above 1, f = c / (c + 1) below.
    const std::int64_t count =
        factor > 1.0 ? -Round(factor / (factor - 1.0)) : Round(factor / (1.0 - factor));
    return ClampToInt32(count);
}

std::optional<std::int32_t> OutputVolumeForVolume(int volume) {
    const int v = std::clamp(volume, -100, 100);
    if (v == -100) {
        return std::nullopt;
    }
    const double amplitude = (v + 100) / 200.0;
    return std::max<std::int32_t>(1, ClampToInt32(Round(kFullVolume * std::sqrt(amplitude))));
}

std::optional<std::int32_t> VoiceByName(std::string_view name) {
    const std::string wanted = Upper(name);
    for (const TModuleVoice& v : kModuleVoices) {
        if (Upper(v.name) == wanted) {
            return v.number;
        }
    }
    return std::nullopt;
}

TModuleConfig ReadModuleConfig(const std::string& path) {
    TModuleConfig config;
    std::ifstream in(path);
    if (!in) {
        return config;
    }
    bool ownVoiceTypes = false;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::vector<std::string> w = Words(line);
        if (w.empty()) {
            continue;
        }
        const std::string key = Upper(w[0]);
        const auto warn = [&](const std::string& why) {
            config.warnings.push_back(path + ":" + std::to_string(number) + ": " + why);
        };
        if (key == "ADDVOICE" && w.size() == 4) {
            const auto voice = VoiceByName(w[3]);
            if (!voice) {
                warn("no voice named " + w[3]);
                continue;
            }
            if (!ownVoiceTypes) {  // the file's AddVoice lines replace the built-in ones
                config.voiceTypes.clear();
                ownVoiceTypes = true;
            }
            config.voiceTypes[Upper(w[2])] = *voice;
        } else if (key == "DEFAULTVOICE" && w.size() == 2) {
            const auto voice = VoiceByName(w[1]);
            if (!voice) {
                warn("no voice named " + w[1]);
                continue;
            }
            config.defaultVoice = *voice;
        } else if (key == "VOKADLOAUDIOAHEAD" && w.size() == 2) {
            char* end = nullptr;
            const long ms = std::strtol(w[1].c_str(), &end, 10);
            if (*end != '\0' || ms < 100 || ms > 60000) {
                warn("VokadloAudioAhead wants milliseconds 100..60000");
                continue;
            }
            config.audioAheadMs = static_cast<int>(ms);
        } else if (key == "DEBUG") {
            // Speech Dispatcher's common option; the module's log follows LOGLEVEL instead.
        } else {
            warn("not understood: " + line);
        }
    }
    return config;
}

std::int32_t ChooseVoice(const TModuleConfig& config, std::string_view synthesisVoice,
                         std::string_view voiceType) {
    if (const auto named = VoiceByName(synthesisVoice)) {
        return *named;
    }
    const auto typed = config.voiceTypes.find(Upper(voiceType));
    return typed != config.voiceTypes.end() ? typed->second : config.defaultVoice;
}

}  // namespace vokadlo::speechd
