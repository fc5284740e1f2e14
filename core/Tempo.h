// How fast the engine speaks at a given duration scale, measured, so that hosts can offer a
// tempo (words a minute, a rate) instead of the scale.
#pragma once

namespace vokadlo {

// Words a minute at the recorded tempo (duration scale 100), measured on Czech narrative text.
inline constexpr double kRecordedWordsPerMinute = 119.0;

// The duration scale in percent (100 = recorded, larger is slower) that speaks `tempo` times as
// fast as recorded, between the measured points; tempos outside them get the nearest end
// (about 0.34 .. 3).
double SpeedForTempo(double tempo);

// The tempo a duration scale speaks at, relative to the recorded one: the inverse of
// SpeedForTempo between the measured points (scales outside them get the nearest end).
double TempoForSpeed(double speed);

}  // namespace vokadlo
