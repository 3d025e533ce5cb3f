#pragma once

class QObject;
class QString;

// What the wave-playback module exports (it is loaded at the first sound): starts playing the
// file without waiting, with the sound's objects owned by owner. A file that cannot be played, or
// a desk without an audio device, is ignored quietly.
extern "C" {
using PlayWaveFunction = void (*)(QObject *owner, const QString &wavePath);
}
inline constexpr const char *kPlayWaveSymbol = "vidorevPlayWave";
