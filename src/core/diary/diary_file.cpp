#include "diary/diary_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vidorev::diary {

bool writerCanAppend(const QString &path) {
    if (path.trimmed().isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && info.fileName().size() >= 2;
}

bool diaryAvailable(const QString &path) {
    if (path.size() <= 5)
        return false;
    const QFileInfo info(path);
    return info.isFile() && info.fileName().size() > 5;
}

AppendResult appendLines(const QString &path, const QStringList &lines, QString *error) {
    if (!writerCanAppend(path))
        return AppendResult::Missing;
    QByteArray buffer;
    for (const QString &line : lines) {
        buffer += line.toUtf8();
        buffer += "\r\n";
    }
    const auto failWith = [error](const char *what) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                                  QString::fromLocal8Bit(strerror(errno)));
        return AppendResult::Failed;
    };
    // No O_CREAT: a Diary is made by the administration panel, never by a writer. Read as well,
    // to see how the last line ends.
    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) // a Diary its owner may add to but not read
        fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? AppendResult::Missing : failWith("open");
    // O_APPEND makes each write land whole at the end, even with another process appending; the
    // lock keeps another Vidorev's write from landing between the look at the last byte below
    // and this write (it is held for one write and a sync).
    ::flock(fd, LOCK_EX);
    struct stat before {};
    ::fstat(fd, &before);
    // A last line left without its end (an editor, a copy cut short) is ended first, so the
    // record does not run into it; that line itself stays as it was.
    if (char last = 0; before.st_size > 0 && ::pread(fd, &last, 1, before.st_size - 1) == 1) {
        if (last == '\r')
            buffer.prepend('\n');
        else if (last != '\n')
            buffer.prepend("\r\n");
    }
    const char *data = buffer.constData();
    qsizetype left = buffer.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            const int saved = errno;
            // Take back a torn line, unless another writer has appended since, so the next
            // record does not start in the middle of this one.
            struct stat after {};
            const qsizetype done = buffer.size() - left;
            if (done > 0 && ::fstat(fd, &after) == 0 && after.st_size == before.st_size + done &&
                ::ftruncate(fd, before.st_size) != 0)
                qWarning("Diary: a torn line could not be taken back");
            ::close(fd);
            errno = saved;
            return failWith("write");
        }
        data += written;
        left -= written;
    }
    if (::fsync(fd) != 0) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return failWith("sync");
    }
    if (::close(fd) != 0)
        return failWith("close");
    return AppendResult::Appended;
}

} // namespace vidorev::diary
