#include "diary_log/report_file.h"

#include "platform/text_forms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vidorev::diary {
namespace {

constexpr qsizetype kMaxNameBytes = 255;
constexpr qsizetype kFlushAt = qsizetype(1) << 20;

bool unsafe(QChar ch) {
    const char16_t u = ch.unicode();
    if (u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F) || u == 0x2028 || u == 0x2029)
        return true;
    return QStringView(u"/\\:*?\"<>|").contains(ch);
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

QString safeFileName(const QString &name) {
    QString out = name;
    for (QChar &ch : out)
        if (unsafe(ch))
            ch = u'_';
    if (out.isEmpty())
        return QStringLiteral("_");
    if (out.count(u'.') == out.size())
        out.fill(u'_');
    if (out.toUtf8().size() > kMaxNameBytes) {
        // Shorten the part before a short extension, so "….txt" stays a text file.
        const qsizetype dot = out.lastIndexOf(u'.');
        const qsizetype cut = dot > 0 && out.size() - dot <= 16 ? dot : out.size();
        QString stem = out.left(cut);
        const QString ext = out.mid(cut);
        while (!stem.isEmpty() && (stem + ext).toUtf8().size() > kMaxNameBytes) {
            stem.chop(stem.size() > kMaxNameBytes ? stem.size() - kMaxNameBytes : 1);
            if (!stem.isEmpty() && stem.back().isHighSurrogate())
                stem.chop(1);
        }
        out = stem + ext;
        if (out.toUtf8().size() > kMaxNameBytes)
            out = out.left(kMaxNameBytes / 4);
    }
    return out;
}

bool reportDiaryOk(const QString &diaryPath) {
    if (diaryPath.size() < 5)
        return false;
    const QFileInfo info(diaryPath);
    return info.isFile() && info.fileName().size() >= 5;
}

QString diaryFolder(const QString &diaryPath) {
    return QFileInfo(diaryPath).absolutePath();
}

QString reportPath(const QString &folder, const QString &name) {
    return QDir(folder).filePath(safeFileName(name));
}

QString reportDateTime(const QDateTime &at) {
    return text::diaryDate(at.date()) + u' ' + text::diaryTime(at.time());
}

ReportFile::ReportFile() = default;

ReportFile::~ReportFile() {
    cancel();
}

bool ReportFile::open(const QString &path, Mode mode) {
    cancel();
    m_mode = mode;
    m_path = path;
    m_error.clear();
    m_buffer.clear();
    if (mode == Mode::Replace) {
        m_save = std::make_unique<QSaveFile>(path);
        // Unbuffered: this class buffers, and a buffered QSaveFile can lose a failed last
        // write (a full disk) and still commit an empty file over the old one.
        if (!m_save->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            m_error = QStringLiteral("cannot create %1: %2").arg(path, m_save->errorString());
            m_save.reset();
            return false;
        }
    } else {
        m_fd = ::open(QFile::encodeName(path).constData(),
                      O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (m_fd < 0)
            return fail(QStringLiteral("cannot open %1 to add to it").arg(path));
    }
    m_open = true;
    return true;
}

void ReportFile::line(QByteArrayView bytes) {
    if (!m_open)
        return;
    m_buffer.append(bytes);
    m_buffer.append("\r\n", 2);
    if (m_buffer.size() >= kFlushAt)
        flush();
}

bool ReportFile::fail(const QString &what) {
    if (m_error.isEmpty())
        m_error = what + QStringLiteral(": ") + systemError();
    return false;
}

bool ReportFile::flush() {
    if (m_buffer.isEmpty() || !m_error.isEmpty())
        return m_error.isEmpty();
    if (m_mode == Mode::Replace) {
        if (m_save->write(m_buffer) != m_buffer.size()) {
            m_error = QStringLiteral("writing %1 failed: %2").arg(m_path, m_save->errorString());
            return false;
        }
    } else {
        const char *data = m_buffer.constData();
        qsizetype left = m_buffer.size();
        while (left > 0) {
            const ssize_t written = ::write(m_fd, data, size_t(left));
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                return fail(QStringLiteral("writing %1 failed").arg(m_path));
            data += written;
            left -= written;
        }
    }
    m_buffer.clear();
    return true;
}

bool ReportFile::commit() {
    if (!m_open)
        return false;
    bool ok = flush();
    if (m_mode == Mode::Replace) {
        if (ok && !m_save->commit()) {
            m_error = QStringLiteral("cannot replace %1: %2").arg(m_path, m_save->errorString());
            ok = false;
        }
        m_save.reset(); // uncommitted: the temporary file goes, the old report stays
    } else {
        if (ok && ::fsync(m_fd) != 0)
            ok = fail(QStringLiteral("syncing %1 failed").arg(m_path));
        if (::close(m_fd) != 0 && ok)
            ok = fail(QStringLiteral("closing %1 failed").arg(m_path));
        m_fd = -1;
    }
    m_open = false;
    return ok;
}

void ReportFile::cancel() {
    if (m_save) {
        m_save->cancelWriting();
        m_save.reset();
    }
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_open = false;
    m_buffer.clear();
}

} // namespace vidorev::diary
