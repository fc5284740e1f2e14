#include "core/Tempo.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vokadlo {
namespace {

// Tempo relative to the recorded one against the duration scale, measured on Czech texts (three
// prosody seeds agree within 1 %). The tempo is not proportional to the scale: pauses and short
// sounds do not stretch alike, and the shortest sounds cannot shrink further.
struct TTempoPoint {
    double tempo;
    double speed;
};
constexpr TTempoPoint kTempo[] = {
    {0.3361, 200}, {0.4967, 160}, {0.5691, 150}, {0.6175, 140}, {0.7908, 120}, {1.0, 100},
    {1.1904, 90},  {1.3757, 80},  {1.6207, 70},  {1.8612, 60},  {2.2013, 50},  {2.5603, 40},
    {2.7013, 35},  {2.8338, 30},  {2.9317, 25},  {2.9973, 22},
};

}  // namespace

double SpeedForTempo(double tempo) {
    const auto* upper = std::find_if(std::begin(kTempo), std::end(kTempo),
                                     [&](const TTempoPoint& p) { return p.tempo >= tempo; });
    if (upper == std::begin(kTempo)) {
        return upper->speed;
    }
    if (upper == std::end(kTempo)) {
        return std::prev(upper)->speed;
    }
    const TTempoPoint& lower = *std::prev(upper);
    // Linear in the logarithms between the measured points.
    const double t = std::log(tempo / lower.tempo) / std::log(upper->tempo / lower.tempo);
    return lower.speed * std::pow(upper->speed / lower.speed, t);
}

double TempoForSpeed(double speed) {
    // The scale falls as the tempo rises.
    const auto* upper = std::find_if(std::begin(kTempo), std::end(kTempo),
                                     [&](const TTempoPoint& p) { return p.speed <= speed; });
    if (upper == std::begin(kTempo)) {
        return upper->tempo;
    }
    if (upper == std::end(kTempo)) {
        return std::prev(upper)->tempo;
    }
    const TTempoPoint& lower = *std::prev(upper);
    const double t = std::log(speed / lower.speed) / std::log(upper->speed / lower.speed);
    return lower.tempo * std::pow(upper->tempo / lower.tempo, t);
}

}  // namespace vokadlo
