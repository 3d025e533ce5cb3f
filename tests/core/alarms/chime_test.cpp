#include "alarms/chime.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vidorev::test {
namespace {

// The chime is a playable wave file: a RIFF/WAVE header for 16-bit mono PCM that matches its
// data, as long as stated, heard clearly, and starting and ending on silence (no click).
TEST(Chime, IsAWaveOfItsStatedLengthThatSoundsAndEndsQuietly) {
    const QByteArray wave = alarms::chimeWave();
    const auto word = [&wave](int at) { return qFromLittleEndian<quint32>(wave.constData() + at); };
    const auto half = [&wave](int at) { return qFromLittleEndian<qint16>(wave.constData() + at); };
    const quint32 rate = alarms::kChimeSampleRate, bytes = rate * alarms::kChimeMilliseconds / 500;
    ASSERT_EQ(quint32(wave.size()), 44 + bytes);
    EXPECT_EQ(wave.left(4) + wave.mid(8, 8) + wave.mid(36, 4), "RIFFWAVEfmt data");
    // Sizes, PCM, one channel, its rate and bytes a second, 2-byte frames of 16 bits.
    EXPECT_EQ(std::tuple(word(4), word(16), word(20), word(24), word(28), word(32), word(40)),
              std::tuple(36 + bytes, 16u, 0x10001u, rate, rate * 2, 0x100002u, bytes));
    int loudest = 0;
    for (int at = 44; at < wave.size(); at += 2)
        loudest = std::max(loudest, std::abs(int(half(at))));
    EXPECT_TRUE(loudest > 8000 && loudest < 32767) << loudest; // clearly heard, never clipped
    EXPECT_TRUE(half(44) == 0 && half(int(wave.size()) - 2) == 0);
}

} // namespace
} // namespace vidorev::test
