// Wave playback through Qt Multimedia, in a module of its own: the program loads it at the first
// sound, so Qt Multimedia and the audio libraries under it cost nothing at start-up.

#include "widgets/wave_playback.h"

#include <QObject>
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT void vidorevPlayWave(QObject *owner, const QString &wavePath) {
    auto *effect = new QSoundEffect(owner);
    const auto finishWhenDone = [effect]() {
        if (effect->status() == QSoundEffect::Error ||
            (effect->status() == QSoundEffect::Ready && !effect->isPlaying()))
            effect->deleteLater();
    };
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, finishWhenDone]() {
        if (effect->status() == QSoundEffect::Ready)
            effect->play();
        finishWhenDone();
    });
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, finishWhenDone);
    effect->setSource(QUrl::fromLocalFile(wavePath));
}
