#pragma once

#include <QString>

namespace vidorev {

// Plays a wave file without waiting for it to end. A file that cannot be played is ignored:
// a missing sound must never stop a clock or an alarm from doing its work.
class SoundPlayer {
public:
    // Names the desk's own alarm chime (alarms/chime) to play, for alarms with no wave file set
    // up; a player finds the chime's file where the program was installed with it.
    static inline const QString kBuiltInChime = QStringLiteral("[Chime]");

    virtual ~SoundPlayer() = default;
    virtual void play(const QString &wavePath) = 0;
};

// For runs without audio (the settings command line, screenshots).
class SilentSoundPlayer final : public SoundPlayer {
public:
    void play(const QString &) override {}
};

} // namespace vidorev
