#pragma once

#include <QString>

namespace vidorev {

// Plays a wave file without waiting for it to end. A file that cannot be played is ignored:
// a missing sound must never stop a clock or an alarm from doing its work.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &wavePath) = 0;
};

// For runs without audio (the settings command line, screenshots).
class SilentSoundPlayer final : public SoundPlayer {
public:
    void play(const QString &) override {}
};

} // namespace vidorev
