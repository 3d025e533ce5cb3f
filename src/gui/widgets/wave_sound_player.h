#pragma once

#include "platform/sound_player.h"

#include <QObject>

namespace vidorev {

// Plays wave files through Qt Multimedia without waiting. A file that cannot be played, or a
// desk without an audio device, is ignored quietly.
class WaveSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    using QObject::QObject;
    void play(const QString &wavePath) override;
};

} // namespace vidorev
