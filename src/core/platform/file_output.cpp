#include "platform/file_output.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vidorev::files {
namespace {

QByteArray native(const QString &path) {
    return QFile::encodeName(path);
}

// Writes every byte; 0, or the error number of the write that failed. A write that makes no
// progress is a full disk.
int writeAll(int fd, QByteArrayView bytes) {
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
}

void syncFolder(const QString &path) {
    const int dir =
        ::open(native(QFileInfo(path).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString outputRefusal(const QString &path, const QStringList &sources) {
    struct stat target {};
    if (::lstat(native(path).constData(), &target) != 0) {
        if (errno == ENOENT)
            return {};
        return QStringLiteral("cannot write %1: %2").arg(path, systemReason());
    }
    // Through any link: the Diary under another name is still the Diary.
    struct stat reached {};
    const bool reachable = ::stat(native(path).constData(), &reached) == 0;
    for (const QString &source : sources) {
        struct stat read {};
        if (reachable && ::stat(native(source).constData(), &read) == 0 &&
            read.st_dev == reached.st_dev && read.st_ino == reached.st_ino)
            return QFileInfo(path).absoluteFilePath() == QFileInfo(source).absoluteFilePath()
                       ? QStringLiteral("%1 is the file this reads: nothing was written "
                                        "(choose another name)")
                             .arg(path)
                       : QStringLiteral("%1 is another name for %2, which this reads: nothing "
                                        "was written (choose another name)")
                             .arg(path, source);
    }
    if (S_ISLNK(target.st_mode))
        return QStringLiteral("%1 is a symbolic link: it was left as it was (write to a plain "
                              "file name instead)")
            .arg(path);
    if (S_ISDIR(target.st_mode))
        return QStringLiteral("%1 is a folder, not a file").arg(path);
    if (!S_ISREG(target.st_mode))
        return QStringLiteral("%1 is not a plain file").arg(path);
    return {};
}

mode_t outputMode(const QStringList &sources) {
    if (sources.isEmpty())
        return 0600;
    mode_t mode = 0666;
    for (const QString &source : sources) {
        struct stat st {};
        if (::stat(native(source).constData(), &st) != 0)
            return 0600;
        mode &= st.st_mode;
    }
    return mode & 0666;
}

bool makeFolder(const QString &folder, QString *error) {
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    const QStringList parts = clean.split(u'/', Qt::SkipEmptyParts);
    QString at;
    for (const QString &part : parts) {
        at += u'/' + part;
        if (::mkdir(native(at).constData(), 0700) == 0 || errno == EEXIST)
            continue;
        if (error != nullptr)
            *error = QStringLiteral("cannot make the folder %1: %2").arg(at, systemReason());
        return false;
    }
    if (QFileInfo(clean).isDir())
        return true;
    if (error != nullptr)
        *error = QStringLiteral("%1 is not a folder").arg(clean);
    return false;
}

// --- OutputFile -----------------------------------------------------------------------------

bool OutputFile::begin(const QString &path, const QStringList &sources) {
    cancel();
    m_path = path;
    m_error = outputRefusal(path, sources);
    return m_error.isEmpty();
}

bool OutputFile::fail(const QString &what, int error) {
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1 %2: %3").arg(what, m_path, systemReason(error));
    cancel();
    return false;
}

bool OutputFile::write(QByteArrayView bytes) {
    if (m_fd < 0)
        return false;
    if (const int error = writeAll(m_fd, bytes); error != 0)
        return fail(QStringLiteral("writing"), error);
    return true;
}

bool OutputFile::syncAndClose() {
    if (m_fd < 0)
        return false;
    if (::fsync(m_fd) != 0)
        return fail(QStringLiteral("writing"));
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail(QStringLiteral("writing"));
    return true;
}

// --- ReplaceFile ----------------------------------------------------------------------------

bool ReplaceFile::open(const QString &path, mode_t mode, const QStringList &sources) {
    if (!begin(path, sources))
        return false;
    struct stat old {};
    if (::stat(native(path).constData(), &old) == 0)
        mode &= old.st_mode & 0666;
    const QString folder = QFileInfo(path).path();
    for (int attempt = 0; attempt < 16; ++attempt) {
        // Short, whatever the target's length, so a name near the system's limit still works.
        m_temp = QDir(folder).filePath(
            QStringLiteral(".vidorev-%1.tmp")
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        m_fd = ::open(native(m_temp).constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (m_fd >= 0 || errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        const int error = errno;
        m_temp.clear();
        return fail(QStringLiteral("cannot create"), error);
    }
    return true;
}

bool ReplaceFile::commit() {
    if (!syncAndClose())
        return false;
    // rename() replaces a link put at the name meanwhile; it never writes through one.
    if (::rename(native(m_temp).constData(), native(m_path).constData()) != 0)
        return fail(QStringLiteral("cannot replace"));
    m_temp.clear();
    syncFolder(m_path);
    return true;
}

void ReplaceFile::cancel() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temp.isEmpty())
        ::unlink(native(m_temp).constData());
    m_temp.clear();
}

// --- AppendFile -----------------------------------------------------------------------------

bool AppendFile::open(const QString &path, mode_t mode, const QStringList &sources) {
    if (!begin(path, sources))
        return false;
    m_created = !QFileInfo::exists(path);
    m_fd = ::open(native(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC,
                  mode);
    struct stat st {};
    int error = 0;
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        error = errno;
    else if (!S_ISREG(st.st_mode))
        error = EINVAL;
    if (error != 0) {
        // Nothing was written: the file is closed as it is, never truncated.
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        m_created = false;
        return fail(QStringLiteral("cannot open"), error);
    }
    m_start = st.st_size;
    return true;
}

void AppendFile::cancel() {
    if (m_fd < 0)
        return;
    if (m_created)
        ::unlink(native(m_path).constData());
    else if (::ftruncate(m_fd, m_start) == 0)
        ::fsync(m_fd);
    ::close(m_fd);
    m_fd = -1;
    m_created = false;
}

} // namespace vidorev::files
