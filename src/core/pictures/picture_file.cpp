#include "pictures/picture_file.h"

#include "pictures/picture_facts.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vidorev::pictures {

namespace {

const QString kEndsEarly = QStringLiteral("the file ends before its picture does");

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A JPEG ends with its end-of-image marker after the last scan. Segments are stepped over by
// their lengths, and the coded data of a scan runs to the next marker that is neither a stuffed
// 0xFF nor a restart; data after the end marker (some cameras add their own) is not looked at.
bool jpegEndsEarly(QByteArrayView d) {
    const auto at = [&d](qsizetype i) { return static_cast<unsigned char>(d[i]); };
    const qsizetype n = d.size();
    qsizetype i = 2;
    for (;;) {
        while (i < n && at(i) != 0xFF)
            ++i;
        while (i < n && at(i) == 0xFF)
            ++i;
        if (i >= n)
            return true;
        const unsigned char marker = at(i++);
        if (marker == 0xD9) // end of image
            return false;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) // no length of their own
            continue;
        if (i + 2 > n)
            return true;
        const qsizetype length = (qsizetype(at(i)) << 8) | at(i + 1);
        if (length < 2 || i + length > n)
            return true;
        i += length;
        if (marker != 0xDA) // start of scan: its coded data follows
            continue;
        for (;;) {
            const void *ff = std::memchr(d.data() + i, 0xFF, size_t(n - i));
            if (ff == nullptr)
                return true;
            i = static_cast<const char *>(ff) - d.data();
            if (i + 1 >= n)
                return true;
            const unsigned char next = at(i + 1);
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7))
                i += 2;
            else if (next == 0xFF)
                ++i;
            else
                break;
        }
    }
}

// A BMP's pixels take a size its header fixes: rows of whole 32-bit words, or the stated size
// of compressed data.
bool bmpEndsEarly(QByteArrayView d) {
    if (d.size() < 26)
        return true;
    const auto u16 = [&d](int at) { return qint64(qFromLittleEndian<quint16>(d.data() + at)); };
    const auto u32 = [&d](int at) { return qint64(qFromLittleEndian<quint32>(d.data() + at)); };
    const auto i32 = [&d](int at) { return qint64(qFromLittleEndian<qint32>(d.data() + at)); };
    const qint64 pixelsAt = u32(10);
    const qint64 header = u32(14);
    qint64 width = 0, height = 0, bits = 0, compression = 0, stated = 0;
    if (header == 12) {
        width = u16(18);
        height = u16(20);
        bits = u16(24);
    } else {
        if (d.size() < 38)
            return true;
        width = i32(18);
        height = i32(22);
        bits = u16(28);
        compression = u32(30);
        stated = u32(34);
    }
    const bool rows = compression == 0 || compression == 3 || compression == 6;
    const qint64 need = rows ? (width * bits + 31) / 32 * 4 * std::abs(height) : stated;
    return need > 0 && d.size() < pixelsAt + need;
}

} // namespace

PictureFile readPictureFile(const QString &path, qint64 limit) {
    PictureFile f;
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0) {
        f.error = errno == ENOENT ? QStringLiteral("it is missing") : systemReason(errno);
        return f;
    }
    f.present = true;
    // A pipe or a device may wait for ever for data, or act on being opened: never opened.
    if (!S_ISREG(st.st_mode)) {
        f.error = QStringLiteral("it is not a regular file");
        return f;
    }
    f.regular = true;
    f.size = st.st_size;
    f.created = fileCreated(QFileInfo(path));
    if (f.size > limit) {
        f.error = QStringLiteral("it is larger than %1 MiB").arg(limit >> 20);
        return f;
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        f.error = systemReason(errno);
        return f;
    }
    // What was opened may have been swapped since the look above.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        f.error = QStringLiteral("it is not a regular file");
        return f;
    }
    // The size is a guess: a file the kernel makes up tells 0 and may hold more.
    f.bytes.resize(qsizetype(std::min<qint64>(st.st_size, limit) + 1));
    qsizetype got = 0;
    for (;;) {
        if (got == f.bytes.size()) {
            if (got > limit)
                break;
            f.bytes.resize(qsizetype(std::min<qint64>(qint64(got) * 2 + 4096, limit + 1)));
        }
        const ssize_t n = ::read(fd, f.bytes.data() + got, size_t(f.bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            f.error = systemReason(errno);
            break;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    if (f.error.isEmpty() && got > limit)
        f.error = QStringLiteral("it is larger than %1 MiB").arg(limit >> 20);
    if (!f.error.isEmpty()) {
        f.bytes.clear();
        return f;
    }
    f.bytes.resize(got);
    f.size = got;
    f.read = true;
    return f;
}

QString pictureDamage(QByteArrayView bytes) {
    if (bytes.startsWith("\xFF\xD8"))
        return jpegEndsEarly(bytes) ? kEndsEarly : QString();
    if (bytes.startsWith("BM"))
        return bmpEndsEarly(bytes) ? kEndsEarly : QString();
    return QString();
}

} // namespace vidorev::pictures
