#pragma once

#include "platform/sound_player.h"
#include "widgets/wave_playback.h"

#include <QObject>
#include <QString>

namespace vidorev {

// Plays wave files through Qt Multimedia without waiting. Playback lives in a module loaded at
// the first sound, so start-up does not load the audio libraries. A file that cannot be played,
// a desk without an audio device, or a missing module is ignored quietly.
class WaveSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    // modulePath: the wave-playback module's file; chimePath: the desk's chime, played for
    // kBuiltInChime.
    explicit WaveSoundPlayer(QString modulePath, QString chimePath = {}, QObject *parent = nullptr);
    // Waits, briefly, for a sound still loading (see the .cpp).
    ~WaveSoundPlayer() override;
    void play(const QString &wavePath) override;

    // Whether the module is loaded; after a failed load, why not.
    bool loaded() const { return m_play != nullptr; }
    QString error() const { return m_error; }

    // Where an installed or built program finds the module, from the folder of its executable.
    static QString modulePathFrom(const QString &programFolder);
    // Where they find the chime's wave file, likewise.
    static QString chimePathFrom(const QString &programFolder);

signals:
    // The module could not be loaded (once): there will be no sound.
    void lost(const QString &reason);

private:
    QString m_modulePath;
    QString m_chimePath;
    bool m_tried = false;
    PlayWaveFunction m_play = nullptr;
    QString m_error;
};

} // namespace vidorev
