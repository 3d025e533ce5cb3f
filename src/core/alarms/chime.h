#pragma once

#include <QByteArray>

namespace vidorev::alarms {

// The desk's own alarm sound, rung where no wave file is set up: a soft two-note chime made of a
// few decaying sine partials, synthesised here rather than shipped from elsewhere.
inline constexpr int kChimeSampleRate = 22050; // Hz, one channel, 16-bit PCM
inline constexpr int kChimeMilliseconds = 1200;

// The chime as a complete RIFF/WAVE file.
QByteArray chimeWave();

} // namespace vidorev::alarms
