#include "pictures/files_listing.h"
#include "pictures/metafile_header.h"
#include "pictures/picture_facts.h"
#include "pictures/picture_file.h"

#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <optional>
#include <sys/stat.h>

namespace vidorev::pictures {
namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);

TEST(PictureNumbers, SizesGroupAndPixelsMakeMegapixels) {
    const struct {
        qint64 size;
        const char *grouped;
    } sizes[] = {{0, "0"},
                 {999, "999"},
                 {1000, "1,000"},
                 {1234567, "1,234,567"},
                 {5000000000, "5,000,000,000"}};
    for (const auto &c : sizes)
        EXPECT_EQ(groupThousands(c.size), QString(c.grouped)) << c.size;

    const struct {
        int width, height;
        const char *mp;
    } pictures[] = {{640, 480, "0.29"},
                    {3000, 2000, "5.72"},
                    {1, 1, "0"},
                    {6000, 4000, "22.89"},
                    {1024, 1024, "1"}};
    for (const auto &c : pictures)
        EXPECT_EQ(megapixelText(c.width, c.height, kUs), QString(c.mp)) << c.width;

    const struct {
        QSize picture, thumbnail;
    } thumbnails[] = {{{1, 1}, {161, 161}},
                      {{640, 480}, {161, 121}},
                      {{480, 640}, {121, 161}},
                      {{6000, 10}, {161, 1}}};
    for (const auto &c : thumbnails)
        EXPECT_EQ(thumbnailSize(c.picture, 161), c.thumbnail) << c.picture.width();

    // 26.458 hundredths of a millimetre make a pixel; halves round up.
    EXPECT_EQ(pixelsFromHundredthsMm(2645.8), 100);
    EXPECT_EQ(pixelsFromHundredthsMm(13.229), 1);
    EXPECT_EQ(pixelsFromHundredthsMm(13.2), 0);
}

TEST(PictureNumbers, DatesCarryTheWholeYearAndTheLongTime) {
    const QDateTime at(QDate(2003, 7, 4), QTime(10, 15));
    const QString text = generalDateTime(at, kUs);
    EXPECT_TRUE(text.startsWith(QStringLiteral("7/4/2003 10:15:00"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("AM"))) << text.toStdString();
}

QByteArray emf(qint32 left, qint32 top, qint32 right, qint32 bottom) {
    QByteArray b(88, '\0');
    qToLittleEndian<quint32>(1, b.data());
    qToLittleEndian<quint32>(88, b.data() + 4);
    const qint32 frame[] = {left, top, right, bottom};
    for (int i = 0; i < 4; ++i)
        qToLittleEndian<qint32>(frame[i], b.data() + 24 + 4 * i);
    qToLittleEndian<quint32>(0x464D4520, b.data() + 40);
    return b;
}

QByteArray placeableWmf(qint16 left, qint16 top, qint16 right, qint16 bottom, quint16 inch) {
    QByteArray b(40, '\0');
    qToLittleEndian<quint32>(0x9AC6CDD7, b.data());
    const qint16 box[] = {left, top, right, bottom};
    for (int i = 0; i < 4; ++i)
        qToLittleEndian<qint16>(box[i], b.data() + 6 + 2 * i);
    qToLittleEndian<quint16>(inch, b.data() + 14);
    return b;
}

TEST(Metafiles, SizeComesFromTheHeader) {
    const struct {
        const char *what;
        QByteArray head;
        bool ok;
        int width, height;
    } cases[] = {
        {"EMF frame in 0.01 mm", emf(0, 0, 16933, 12700), true, 640, 480},
        {"EMF frame off the origin", emf(1000, 500, 3645, 3146), true, 100, 100},
        {"placeable WMF, 1440 a inch", placeableWmf(0, 0, 1440, 720, 1440), true, 96, 48},
        {"placeable WMF, centred box", placeableWmf(-720, -288, 720, 288, 576), true, 240, 96},
        {"placeable WMF without units", placeableWmf(0, 0, 100, 100, 0), false, 0, 0},
        {"cut-off EMF", emf(0, 0, 100, 100).left(43), false, 0, 0},
        {"plain WMF records no size", QByteArray::fromHex("010009000003"), false, 0, 0},
    };
    for (const auto &c : cases) {
        const MetafileSize s = metafileSize(c.head);
        EXPECT_EQ(s.ok, c.ok) << c.what;
        EXPECT_EQ(s.width, c.width) << c.what;
        EXPECT_EQ(s.height, c.height) << c.what;
        EXPECT_EQ(s.error.isEmpty(), c.ok) << c.what;
    }
}

TEST(Metafiles, KindGoesByTheExactLowerCaseName) {
    EXPECT_EQ(metafileKindOfName(QStringLiteral("plan.emf")), MetafileKind::Emf);
    EXPECT_EQ(metafileKindOfName(QStringLiteral("logo.wmf")), MetafileKind::Wmf);
    EXPECT_EQ(metafileKindOfName(QStringLiteral("PLAN.EMF")), MetafileKind::None);
    EXPECT_EQ(metafileKindOfName(QStringLiteral("beach.jpg")), MetafileKind::None);
}

TEST(PictureFiles, HostileFilesAreRefusedUnopenedAndCutPicturesAreCalledDamaged) {
    QTemporaryDir dir;
    const auto write = [&dir](const char *name, const QByteArray &bytes) {
        QFile f(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.jpg")).constData(), 0600), 0);
    const struct {
        QString path;
        qint64 limit;
        const char *error; // "" when read
    } files[] = {
        {write("a.jpg", "12345"), kMaxPictureBytes, ""},
        {"/proc/self/status", kMaxPictureBytes, ""}, // says 0 bytes, holds more
        {dir.filePath("pipe.jpg"), kMaxPictureBytes, "it is not a regular file"}, // no waiting
        {dir.path(), kMaxPictureBytes, "it is not a regular file"},
        {dir.filePath("gone.jpg"), kMaxPictureBytes, "it is missing"},
        {write("big.jpg", QByteArray(3 << 20, 'x')), 2 << 20, "it is larger than 2 MiB"},
    };
    for (const auto &c : files) {
        const PictureFile f = readPictureFile(c.path, c.limit);
        EXPECT_EQ(f.error, QLatin1String(c.error)) << c.path.toStdString();
        EXPECT_EQ(f.read, !*c.error);
        EXPECT_EQ(f.bytes.size(), f.read ? f.size : 0) << c.path.toStdString();
    }
    EXPECT_GT(readPictureFile("/proc/self/status").size, 0);

    // Marker by marker: a JPEG's segments, coded data with stuffed bytes and restarts, its end.
    const QByteArray head = QByteArray::fromHex("ffd8ffe000104a46494600010100000100010000");
    const QByteArray scan = QByteArray::fromHex("ffda000c03010002110311003f00") +
                            QByteArray::fromHex("12ff0034ffd056ffffd178");
    const QByteArray end = QByteArray::fromHex("ffd9");
    const QByteArray table = QByteArray::fromHex("ffc4000400ff"); // a table between two scans
    QByteArray bmp = QByteArray::fromHex("424d") + QByteArray(8, 0) +
                     QByteArray::fromHex("36000000") +
                     QByteArray::fromHex("28000000020000000200000001001800") + QByteArray(24, 0);
    bmp += QByteArray(16, '\x7f'); // two rows of two pixels, each row a whole word
    const struct {
        QByteArray bytes;
        bool damaged;
    } pictures[] = {
        {head + scan + end, false},
        {head + scan + end + "trailer added by a camera", false},
        {head + scan + table + scan + end, false},
        {head + scan + table + scan, true},
        {head + scan, true},
        {head.left(10), true},
        {bmp, false},
        {bmp.left(bmp.size() - 1), true},
        {"not a picture", false},
    };
    for (const auto &c : pictures)
        EXPECT_EQ(pictureDamage(c.bytes), c.damaged ? "the file ends before its picture does" : "")
            << c.bytes.toHex().constData();
}

TEST(ListingRules, ARememberedFileOutsideTheListSelectsNothingAndListingStartsAtTheFirst) {
    const struct {
        int remembered, count, selected, start;
    } cases[] = {{2, 3, 2, 2}, {0, 3, 0, 0}, {-1, 3, -1, 0}, {3, 3, -1, 0}, {7, 0, -1, 0}};
    for (const auto &c : cases) {
        EXPECT_EQ(rememberedSelection(c.remembered, c.count), c.selected) << c.remembered;
        EXPECT_EQ(listingStart(c.remembered, c.count), c.start) << c.remembered;
    }
}

class Listing : public ::testing::Test {
protected:
    QString make(const QString &name, qint64 size) {
        QFile f(m_dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        EXPECT_TRUE(f.resize(size)); // sparse: a huge file costs no disk
        return f.fileName();
    }
    QString dated(const QString &name) const {
        return generalDateTime(fileCreated(QFileInfo(m_dir.filePath(name))), kUs);
    }
    QByteArray listing() const {
        QFile f(m_dir.filePath(kListingName));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    bool run(ListingRun &r) {
        if (!r.open())
            return false;
        while (!r.atEnd())
            r.step();
        return r.finish();
    }
    QTemporaryDir m_dir;
};

TEST_F(Listing, AllFilesSkipTheListingItselfAndTotalPastFourGigabytes) {
    make(QStringLiteral("a.txt"), 3);
    make(QStringLiteral("big.bin"), 5000000000);
    make(kListingName, 10);
    const QString folderName = QFileInfo(m_dir.path()).fileName();
    ListingRun r(ListingKind::AllFiles, m_dir.path(), {"a.txt", "big.bin", kListingName}, 2, {},
                 kUs);
    ASSERT_TRUE(run(r)) << r.error().toStdString();
    const QString expected =
        "\tLISTING OF FILE DATA  in '" + folderName + "'\r\n" +
        "\tAutoGenerated by Varevuv Vidorev DuzUdorozad\r\n\r\n" + "a.txt\r\n\tDated " +
        dated("a.txt") + " =3 bytes \r\n" + "big.bin\r\n\tDated " + dated("big.bin") +
        " =5,000,000,000 bytes \r\n" + "\r\n\t2 Files totaling 5,000,000,003 bytes\r\n";
    EXPECT_EQ(QString::fromUtf8(listing()), expected);
    EXPECT_EQ(r.fileCount(), 2);
}

TEST_F(Listing, PicturesListFromTheRememberedFileOrElseTheFirst) {
    for (const char *name : {"a.jpg", "b.gif", "c.bmp"})
        make(QString::fromLatin1(name), 1234567);
    const PictureProbe probe = [](const QString &path) {
        return path.endsWith(QStringLiteral("c.bmp"))
                   ? PictureSize{false, 0, 0, QStringLiteral("unreadable")}
                   : PictureSize{true, 640, 480, QString()};
    };
    const QString head = QStringLiteral("\t\tLISTING OF PICTURE FILE DATA\r\n"
                                        "\tAutoGenerated by Varevuv Vidorev DuzUdorozad\r\n\r\n");
    auto line = [&](const char *name, const char *hw) {
        return QString::fromLatin1(name) + " Dated " + dated(QString::fromLatin1(name)) +
               " =1,234,567 bytes \t" + QString::fromLatin1(hw) + "\r\n";
    };
    const struct {
        int start;
        QString body;
    } cases[] = {
        {1, line("b.gif", "480 H, 640 W, =0.29 MP") + line("c.bmp", "0 H, 0 W, =0 MP") +
                "\r\n\t2 Files totaling 2,469,134 bytes\r\n"},
        {-1, line("a.jpg", "480 H, 640 W, =0.29 MP") + line("b.gif", "480 H, 640 W, =0.29 MP") +
                 line("c.bmp", "0 H, 0 W, =0 MP") + "\r\n\t3 Files totaling 3,703,701 bytes\r\n"},
        {3, line("a.jpg", "480 H, 640 W, =0.29 MP") + line("b.gif", "480 H, 640 W, =0.29 MP") +
                line("c.bmp", "0 H, 0 W, =0 MP") + "\r\n\t3 Files totaling 3,703,701 bytes\r\n"},
    };
    for (const auto &c : cases) {
        ListingRun r(ListingKind::Pictures, m_dir.path(), {"a.jpg", "b.gif", "c.bmp"}, c.start,
                     probe, kUs);
        ASSERT_TRUE(run(r)) << c.start;
        EXPECT_EQ(QString::fromUtf8(listing()), head + c.body) << c.start;
        EXPECT_EQ(r.unreadable(), QStringList{QStringLiteral("c.bmp")}) << c.start;
    }
}

TEST_F(Listing, AStoppedFailedOrRefusedRunLeavesTheOldListingAndSaysWhy) {
    ListingRun empty(ListingKind::AllFiles, m_dir.path(), {}, 0);
    EXPECT_FALSE(empty.open());
    EXPECT_TRUE(empty.error().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(kListingName)));

    make(QStringLiteral("a.txt"), 3);
    const QString lst = m_dir.filePath(kListingName);
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("notes.txt"));
    for (const QString &path : {lst, outside}) {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old listing");
    }
    enum How { Stop, FullDisk, Link, Nowhere };
    const struct {
        How how;
        const char *said;
    } cases[] = {{Stop, ""},
                 {FullDisk, "File too large"},
                 {Link, "is a symbolic link"},
                 {Nowhere, "No such file or directory"}};
    for (const auto &c : cases) {
        if (c.how == Link) {
            QFile::remove(lst);
            ASSERT_TRUE(QFile::link(outside, lst));
        }
        ListingRun r(ListingKind::AllFiles,
                     c.how == Nowhere ? m_dir.filePath("gone") : m_dir.path(), {"a.txt"}, 0);
        bool done = false;
        {
            std::optional<test::FullDisk> full;
            if (c.how == FullDisk)
                full.emplace();
            if (r.open()) {
                r.step();
                if (c.how == Stop)
                    r.cancel();
                else
                    done = r.finish();
            }
        }
        EXPECT_FALSE(done) << c.said;
        EXPECT_TRUE(r.error().contains(QLatin1String(c.said))) << r.error().toStdString();
        EXPECT_EQ(listing(), QByteArray("old listing")) << c.said;
        QFile out(outside);
        EXPECT_TRUE(out.open(QIODevice::ReadOnly) && out.readAll() == "old listing") << c.said;
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << c.said;
    }
    EXPECT_TRUE(QFileInfo(lst).isSymLink());
    QFile::remove(lst);

    // Whoever may list the folder may read the listing; no one else, and only its owner writes.
    for (const auto &[folder, file] : {std::pair{0700, 0600}, {0750, 0640}, {0755, 0644}}) {
        ::chmod(QFile::encodeName(m_dir.path()).constData(), mode_t(folder));
        QFile::remove(lst); // a listing replaced keeps no wider a mode than it had
        ListingRun r(ListingKind::AllFiles, m_dir.path(), {"a.txt"}, 0);
        ASSERT_TRUE(run(r)) << r.error().toStdString();
        struct stat st {};
        ::stat(QFile::encodeName(lst).constData(), &st);
        EXPECT_EQ(st.st_mode & 0777, mode_t(file)) << folder;
        EXPECT_FALSE(QFileInfo(lst).isSymLink());
    }
}

} // namespace
} // namespace vidorev::pictures
