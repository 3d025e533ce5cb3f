#include "widgets/wave_sound_player.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using vidorev::WaveSoundPlayer;

namespace {

// A tenth of a second of silence: 8 kHz, 8-bit, mono.
QString writeWave(const QTemporaryDir &dir) {
    const QByteArray samples(800, char(0x80));
    QByteArray wave("RIFF");
    const auto word = [&wave](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wave.append(char((v >> (8 * i)) & 0xFF));
    };
    word(36 + quint32(samples.size()), 4);
    wave.append("WAVEfmt ");
    for (const auto &[v, n] :
         {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {8000u, 4}, {8000u, 4}, {1u, 2}, {8u, 2}})
        word(v, n);
    wave.append("data");
    word(quint32(samples.size()), 4);
    wave.append(samples);
    QFile file(dir.filePath(QStringLiteral("tick.wav")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(wave) == wave.size());
    return file.fileName();
}

} // namespace

// Playback is a module the program finds beside it and loads at the first sound, not at start;
// without the module there is no sound, said once.
TEST(WaveSoundPlayer, LoadsItsModuleAtTheFirstSoundAndDoesWithoutIt) {
    QTemporaryDir dir;
    const QString wave = writeWave(dir);
    WaveSoundPlayer player(WaveSoundPlayer::modulePathFrom(QFileInfo(VIDOREV_APP_PATH).path()));
    player.play(dir.filePath(QStringLiteral("missing.wav")));
    EXPECT_FALSE(player.loaded());
    player.play(wave);
    EXPECT_TRUE(player.loaded()) << qPrintable(player.error());

    WaveSoundPlayer without(dir.filePath(QStringLiteral("libnone.so")));
    QSignalSpy lost(&without, &WaveSoundPlayer::lost);
    without.play(wave);
    without.play(wave);
    EXPECT_FALSE(without.loaded());
    EXPECT_EQ(lost.size(), 1);
}
