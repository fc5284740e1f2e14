#include "cli/TraceJson.h"

#include <cstdio>

#include "core/CodePage.h"

namespace vokadlo::cli {
namespace {

std::string Quoted(const std::string& cp1250) {
    std::string out = "\"";
    for (char c : Cp1250ToUtf8(cp1250)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// Shortest form that reads back as the same double.
std::string Real(double x) {
    char text[32];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, x);
        if (std::strtod(text, nullptr) == x) {
            break;
        }
    }
    return text;
}

std::string Marks(const std::array<std::int32_t, kMarkPlaces>& marks) {
    std::string out = "[";
    for (std::int32_t m : marks) {
        if (m != 0) {
            out += (out.size() > 1 ? "," : "") + std::to_string(m);
        }
    }
    return out + "]";
}

std::string Unit(const TCharacter& u) {
    std::string out = "{";
    out += "\"prev\":" + Quoted(u.Prev);
    out += ",\"letter\":" + Quoted(u.Letter);
    out += ",\"sample\":" + Quoted(u.Sample);
    out += ",\"next\":" + Quoted(u.Next);
    out += ",\"first_period\":" + std::to_string(u.FirstPeriod);
    out += ",\"end_cut\":" + std::to_string(u.EndCut);
    out += ",\"pause\":" + std::to_string(u.Pause);
    out += ",\"duration\":" + std::to_string(u.Duration);
    out += ",\"gain\":" + Real(u.Gain);
    out += ",\"volume\":" + std::to_string(u.Volume);
    out += ",\"pitch\":" + std::to_string(u.Pitch);
    out += ",\"tone_lo\":" + std::to_string(u.ToneLo);
    out += ",\"tone_hi\":" + std::to_string(u.ToneHi);
    out += ",\"tone\":" + std::to_string(u.Tone);
    out += ",\"speed\":" + std::to_string(u.Speed);
    out += ",\"marks_at_start\":" + Marks(u.MarksAtStart);
    out += ",\"marks\":" + Marks(u.Marks);
    return out + "}";
}

}  // namespace

std::string TraceLine(int chunk, std::uint8_t slot, const std::string& display,
                      const TSayWord& record, std::size_t imageBytes) {
    std::string out = "{\"chunk\":" + std::to_string(chunk);
    out += ",\"slot\":" + std::to_string(slot);
    out += ",\"display\":" + Quoted(display);
    out += ",\"text\":" + Quoted(record.Text);
    out += ",\"intonation\":" + Real(record.Intonation);
    out += ",\"intonation_step\":" + Real(record.IntonationStep);
    out += ",\"word_volume\":" + Real(record.WordVolume);
    out += ",\"units\":[";
    const std::size_t count = std::min<std::size_t>(
        record.Chars.size(), static_cast<std::size_t>(std::max(0, record.CharCount)));
    for (std::size_t i = 0; i < count; ++i) {
        out += (i ? "," : "") + Unit(record.Chars[i]);
    }
    out += "],\"image_bytes\":" + std::to_string(imageBytes) + "}";
    return out;
}

}  // namespace vokadlo::cli
