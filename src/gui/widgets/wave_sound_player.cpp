#include "widgets/wave_sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace vidorev {

void WaveSoundPlayer::play(const QString &wavePath) {
    if (!QFileInfo(wavePath).isFile())
        return;
    auto *effect = new QSoundEffect(this);
    const auto finishWhenDone = [effect]() {
        if (effect->status() == QSoundEffect::Error ||
            (effect->status() == QSoundEffect::Ready && !effect->isPlaying()))
            effect->deleteLater();
    };
    connect(effect, &QSoundEffect::statusChanged, effect, [effect, finishWhenDone]() {
        if (effect->status() == QSoundEffect::Ready)
            effect->play();
        finishWhenDone();
    });
    connect(effect, &QSoundEffect::playingChanged, effect, finishWhenDone);
    effect->setSource(QUrl::fromLocalFile(wavePath));
}

} // namespace vidorev
