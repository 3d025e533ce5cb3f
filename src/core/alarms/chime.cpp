#include "alarms/chime.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace vidorev::alarms {

namespace {

// One struck note: its start, pitch, and the level and decay of each partial. Decays are short
// enough that the chime has faded well before its end.
struct Strike {
    double start;     // seconds
    double frequency; // Hz
    double level[3];  // of the fundamental and its second and third harmonics
    double decay[3];  // seconds to fall to 1/e
};

constexpr Strike kStrikes[] = {
    {0.00, 659.25, {1.0, 0.35, 0.12}, {0.40, 0.22, 0.12}}, // E5
    {0.30, 523.25, {1.0, 0.30, 0.10}, {0.45, 0.25, 0.14}}, // C5
};
constexpr double kAttack = 0.004;  // seconds: a strike without a click
constexpr double kFadeOut = 0.060; // seconds: the file ends on silence
constexpr double kPeak = 0.5;      // of full scale, so the chime is heard but not harsh

void append(QByteArray &out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray chimeWave() {
    const int count = kChimeSampleRate * kChimeMilliseconds / 1000;
    std::vector<double> wave(std::size_t(count), 0.0);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / kChimeSampleRate;
        double sum = 0.0;
        for (const Strike &s : kStrikes) {
            const double since = t - s.start;
            if (since < 0)
                continue;
            const double attack = std::min(1.0, since / kAttack);
            for (int p = 0; p < 3; ++p)
                sum += attack * s.level[p] * std::exp(-since / s.decay[p]) *
                       std::sin(2 * std::numbers::pi * s.frequency * (p + 1) * since);
        }
        const double left = double(count - 1 - i) / kChimeSampleRate;
        wave[std::size_t(i)] = sum * std::min(1.0, left / kFadeOut);
    }
    double loudest = 0.0;
    for (double v : wave)
        loudest = std::max(loudest, std::fabs(v));
    const double scale = loudest > 0 ? kPeak * 32767.0 / loudest : 0.0;

    const quint32 dataBytes = quint32(count) * 2;
    QByteArray out;
    out.reserve(44 + int(dataBytes));
    out.append("RIFF");
    append(out, 36 + dataBytes, 4);
    out.append("WAVEfmt ");
    append(out, 16, 4);                            // format chunk size
    append(out, 1, 2);                             // PCM
    append(out, 1, 2);                             // one channel
    append(out, quint32(kChimeSampleRate), 4);     // samples a second
    append(out, quint32(kChimeSampleRate) * 2, 4); // bytes a second
    append(out, 2, 2);                             // bytes a sample
    append(out, 16, 2);                            // bits a sample
    out.append("data");
    append(out, dataBytes, 4);
    for (double v : wave)
        append(out, quint32(quint16(qint16(std::lround(v * scale)))), 2);
    return out;
}

} // namespace vidorev::alarms
