// Writes the desk's alarm chime to the wave file named on the command line, at build time, so
// the program finds it beside itself in the build tree and where it is installed.

#include "alarms/chime.h"

#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fputs("usage: write_chime FILE.wav\n", stderr);
        return 2;
    }
    const QByteArray wave = vidorev::alarms::chimeWave();
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(wave) != wave.size() || !file.commit()) {
        std::fprintf(stderr, "write_chime: %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
