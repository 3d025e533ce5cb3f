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
    const auto half = [&wave](int at) { return qFromLittleEndian<quint16>(wave.constData() + at); };
    ASSERT_GE(wave.size(), 44);
    const quint32 samples = quint32(alarms::kChimeSampleRate) * alarms::kChimeMilliseconds / 1000;
    EXPECT_EQ(wave.left(4) + wave.mid(8, 8) + wave.mid(36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ(word(4), quint32(wave.size() - 8));
    // Format chunk of 16 bytes: PCM, one channel, the rate, its bytes a second, 2-byte frames
    // of 16 bits; then the data, two bytes a sample.
    EXPECT_EQ(std::tuple(word(16), half(20), half(22), word(24), word(28), half(32), half(34)),
              std::tuple(16u, 1, 1, quint32(alarms::kChimeSampleRate),
                         quint32(alarms::kChimeSampleRate) * 2, 2, 16));
    EXPECT_EQ(word(40), samples * 2);
    ASSERT_EQ(quint32(wave.size()), 44 + samples * 2);
    int loudest = 0;
    for (quint32 i = 0; i < samples; ++i)
        loudest = std::max(loudest, std::abs(int(qint16(half(44 + 2 * int(i))))));
    EXPECT_GT(loudest, 8000);  // clearly heard
    EXPECT_LT(loudest, 32767); // never clipped
    EXPECT_EQ(half(44), 0);
    EXPECT_EQ(half(wave.size() - 2), 0);
}

} // namespace
} // namespace vidorev::test
