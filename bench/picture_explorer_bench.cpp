// The picture explorer's two slow roads: showing a camera-sized photo (decoded straight to its
// thumbnail) and an all-files listing of a large folder. Goals: under 100 ms and under 1 s.

#include "pictures/files_listing.h"
#include "pictures/picture_explorer.h"
#include "pictures/picture_probe.h"
#include "shell/file_choice.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "offscreen_main.h"

namespace {

using namespace vidorev;

// A 6000 x 4000 JPEG with detail in it, so the decoder has real work.
QString makePhoto(const QTemporaryDir &dir) {
    QImage image(6000, 4000, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 6000, 4000);
    g.setColorAt(0, Qt::darkBlue);
    g.setColorAt(1, Qt::yellow);
    p.fillRect(image.rect(), g);
    for (int i = 0; i < 400; ++i)
        p.fillRect((i * 977) % 6000, (i * 631) % 4000, 120, 80, QColor::fromHsv(i % 360, 200, 200));
    p.end();
    const QString path = dir.filePath(QStringLiteral("IMG_6000.JPG"));
    image.save(path, "JPG", 90);
    return path;
}

void BM_ThumbnailOf24MegapixelJpeg(benchmark::State &state) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/pix-bench-XXXXXX"));
    const QString path = makePhoto(dir);
    for (auto _ : state) {
        const pictures::ShownFile shown =
            pictures::readShownFile(path, PictureExplorer::kThumbSide);
        benchmark::DoNotOptimize(shown.thumbnail.image.constBits());
    }
}
BENCHMARK(BM_ThumbnailOf24MegapixelJpeg)->Unit(benchmark::kMillisecond);

void BM_AllFilesListingOf10000Files(benchmark::State &state) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/pix-bench-XXXXXX"));
    QStringList names;
    for (int i = 0; i < 10000; ++i) {
        names << QStringLiteral("file%1.dat").arg(i, 5, 10, QChar(u'0'));
        QFile f(dir.filePath(names.last()));
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray(i % 500, 'x'));
    }
    for (auto _ : state) {
        // The folder is read as the button does: the file list takes every file.
        shell::FileChoice list;
        list.openFolder(dir.path());
        list.setPattern(pictures::kAllFilesPattern);
        pictures::ListingRun run(pictures::ListingKind::AllFiles, dir.path(), list.files(), 0);
        run.open();
        while (!run.atEnd())
            run.step();
        if (!run.finish())
            state.SkipWithError("the listing was not written");
    }
}
BENCHMARK(BM_AllFilesListingOf10000Files)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return runOffscreenBenchmarks(argc, argv);
}
