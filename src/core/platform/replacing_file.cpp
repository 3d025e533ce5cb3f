#include "platform/replacing_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vidorev {

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

ReplacingFile::ReplacingFile(QString target, mode_t mode)
    : m_target(std::move(target))
    , m_mode(mode) {}

ReplacingFile::~ReplacingFile() {
    cancel();
}

bool ReplacingFile::fail(const QString &what, int error) {
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1 %2: %3")
                      .arg(what, QDir::toNativeSeparators(m_target), systemReason(error));
    return false;
}

bool ReplacingFile::open() {
    cancel();
    m_error.clear();
    const QByteArray target = QFile::encodeName(m_target);
    struct stat st {};
    if (::lstat(target.constData(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {
            m_error = QStringLiteral("%1 is a symbolic link; it is not written through")
                          .arg(QDir::toNativeSeparators(m_target));
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            m_error =
                QStringLiteral("%1 is not a regular file").arg(QDir::toNativeSeparators(m_target));
            return false;
        }
    } else if (errno != ENOENT) {
        return fail(QStringLiteral("cannot write"), errno);
    }
    // A hidden name in the same folder, so the rename stays on one file system and the file
    // lists, which show no hidden files, never offer it.
    const QFileInfo info(m_target);
    m_temporary =
        QFile::encodeName(QDir(info.path()).filePath(QLatin1Char('.') + info.fileName())) +
        ".XXXXXX";
    m_fd = ::mkostemp(m_temporary.data(), O_CLOEXEC);
    if (m_fd < 0) {
        m_temporary.clear();
        return fail(QStringLiteral("cannot write"), errno);
    }
    return true;
}

bool ReplacingFile::write(QByteArrayView bytes) {
    if (m_fd < 0 || !m_error.isEmpty())
        return false;
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return fail(QStringLiteral("writing failed for"), errno);
        data += written;
        left -= written;
    }
    return true;
}

bool ReplacingFile::commit() {
    if (m_fd < 0) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1 was not opened").arg(QDir::toNativeSeparators(m_target));
        return false;
    }
    bool ok = m_error.isEmpty();
    if (ok && ::fchmod(m_fd, m_mode) != 0)
        ok = fail(QStringLiteral("cannot set the permissions of"), errno);
    if (ok && ::fsync(m_fd) != 0)
        ok = fail(QStringLiteral("writing failed for"), errno);
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (ok && closed != 0)
        ok = fail(QStringLiteral("writing failed for"), errno);
    // rename() replaces whatever is at the target, a link included, and never follows it.
    if (ok && ::rename(m_temporary.constData(), QFile::encodeName(m_target).constData()) != 0)
        ok = fail(QStringLiteral("cannot replace"), errno);
    if (!ok) {
        ::unlink(m_temporary.constData());
        m_temporary.clear();
        return false;
    }
    m_temporary.clear();
    // The new name itself reaches the disk with its folder.
    const int folder = ::open(QFile::encodeName(QFileInfo(m_target).path()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void ReplacingFile::cancel() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
    m_temporary.clear();
}

} // namespace vidorev
