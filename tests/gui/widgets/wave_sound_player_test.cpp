#include "widgets/wave_sound_player.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using vidorev::WaveSoundPlayer;

// Playback is a module the program finds beside it and loads at the first sound, not at start;
// the desk's chime is found beside it too. Without the module there is no sound, said once.
TEST(WaveSoundPlayer, LoadsItsModuleAtTheFirstSoundAndDoesWithoutIt) {
    QTemporaryDir dir;
    const QString program = QFileInfo(VIDOREV_APP_PATH).path();
    const QString chime = WaveSoundPlayer::chimePathFrom(program);
    WaveSoundPlayer player(WaveSoundPlayer::modulePathFrom(program), chime);
    player.play(dir.filePath(QStringLiteral("missing.wav")));
    EXPECT_FALSE(player.loaded());
    player.play(WaveSoundPlayer::kBuiltInChime);
    EXPECT_TRUE(player.loaded()) << qPrintable(player.error());

    WaveSoundPlayer without(dir.filePath(QStringLiteral("libnone.so")));
    QSignalSpy lost(&without, &WaveSoundPlayer::lost);
    without.play(chime);
    without.play(chime);
    EXPECT_FALSE(without.loaded());
    EXPECT_EQ(lost.size(), 1);
}
