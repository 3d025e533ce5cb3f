#include "diary_log/line_reader.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vidorev::diary {

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The first CR or LF in [from, from + count), or nullptr.
const char *lineEnd(const char *from, qsizetype count) {
    const auto *lf = static_cast<const char *>(std::memchr(from, '\n', size_t(count)));
    const qsizetype before = lf != nullptr ? lf - from : count;
    const auto *cr = static_cast<const char *>(std::memchr(from, '\r', size_t(before)));
    return cr != nullptr ? cr : lf;
}

bool reordersText(char32_t u) {
    return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x2028 && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
}

} // namespace

void BadLines::add(qint64 number, const QString &why) {
    ++m_count;
    if (m_named.size() < size_t(kNamed))
        m_named.push_back({number, why});
}

QString BadLines::summary() const {
    if (m_count == 0)
        return {};
    QStringList named;
    for (const Line &line : m_named)
        named << QStringLiteral("line %1, %2").arg(line.number).arg(line.why);
    QString text = (m_count == 1 ? QStringLiteral("1 line not counted: ")
                                 : QStringLiteral("%1 lines not counted: ").arg(m_count)) +
                   named.join(QStringLiteral("; "));
    if (m_count > qint64(m_named.size()))
        text += QStringLiteral("; and %1 more").arg(m_count - qint64(m_named.size()));
    return text;
}

QStringList BadLines::messages(const QString &path) const {
    QStringList out;
    const QString where = visibleText(path);
    for (const Line &line : m_named)
        out << QStringLiteral("%1 line %2: %3; the line was not counted")
                   .arg(where)
                   .arg(line.number)
                   .arg(line.why);
    if (m_count > qint64(m_named.size()))
        out << QStringLiteral("%1: %2 more lines were not counted")
                   .arg(where)
                   .arg(m_count - qint64(m_named.size()));
    return out;
}

LineReader::~LineReader() {
    close();
}

bool LineReader::open(const QString &path) {
    close();
    m_path = path;
    m_error.clear();
    m_bad = {};
    // Non-blocking, so that a pipe without a writer is refused rather than waited on; whatever
    // is not a regular file is refused before a byte is read.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        m_error = QStringLiteral("cannot read %1: %2").arg(path, systemError());
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        m_error = QStringLiteral("cannot read %1: %2").arg(path, systemError());
    } else if (S_ISDIR(info.st_mode)) {
        m_error = QStringLiteral("%1 is a folder, not a Diary").arg(path);
    } else if (!S_ISREG(info.st_mode)) {
        m_error = QStringLiteral("%1 is not a regular file (a device, a pipe or a socket), "
                                 "not a Diary")
                      .arg(path);
    } else {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1)
            m_error = QStringLiteral("cannot read %1: %2").arg(path, systemError());
    }
    if (!m_error.isEmpty()) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_size = info.st_size;
    if (m_block.size() != kBlock)
        m_block.resize(kBlock);
    return true;
}

void LineReader::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_begin = m_end = 0;
    m_long.clear();
    m_eof = false;
    m_pendingLf = false;
    m_consumed = 0;
    m_lineNumber = 0;
}

bool LineReader::rewind() {
    const QString path = m_path;
    return open(path);
}

bool LineReader::fill() {
    if (m_fd < 0 || m_eof)
        return false;
    ssize_t got = 0;
    do
        got = ::read(m_fd, m_block.data(), size_t(m_block.size()));
    while (got < 0 && errno == EINTR);
    if (got <= 0) {
        m_eof = true;
        if (got < 0)
            m_error = QStringLiteral("reading %1 failed: %2").arg(m_path, systemError());
        return false;
    }
    m_begin = 0;
    m_end = qsizetype(got);
    return true;
}

void LineReader::dropPendingLf() {
    m_pendingLf = false;
    if (m_begin == m_end && !fill())
        return;
    if (m_block[m_begin] == '\n') {
        ++m_begin;
        ++m_consumed;
    }
}

bool LineReader::keep(const char *bytes, qsizetype count) {
    if (m_long.size() + count > kMaxLine)
        return false;
    m_long.append(bytes, count);
    return true;
}

bool LineReader::tooLong() {
    m_long.resize(0);
    if (m_longLines == LongLines::Skip) {
        m_bad.add(m_lineNumber, QStringLiteral("longer than 1 MiB"));
        return true;
    }
    m_error = QStringLiteral("line %1 of %2 is longer than 1 MiB: no Diary line is that long")
                  .arg(m_lineNumber)
                  .arg(m_path);
    m_eof = true;
    m_begin = m_end;
    return false;
}

bool LineReader::next(QByteArrayView *line) {
    if (m_fd < 0)
        return false;
    if (m_pendingLf)
        dropPendingLf();
    m_long.resize(0); // keeps its room: no allocation per spanning line
    bool spanning = false;
    bool overLong = false;
    for (;;) {
        if (m_begin == m_end && !fill()) {
            // A last line without an end.
            if (!spanning || !m_error.isEmpty())
                return false;
            ++m_lineNumber;
            if (overLong) {
                tooLong();
                return false;
            }
            *line = m_long;
            return true;
        }
        const char *start = m_block.constData() + m_begin;
        const qsizetype available = m_end - m_begin;
        const char *end = lineEnd(start, available);
        if (end == nullptr) {
            // The line goes on in the next block.
            if (!overLong && !keep(start, available))
                overLong = true;
            m_consumed += available;
            m_begin = m_end;
            spanning = true;
            continue;
        }
        const qsizetype length = end - start;
        qsizetype ending = 1;
        if (*end == '\r') {
            if (length + 1 < available)
                ending = end[1] == '\n' ? 2 : 1;
            else
                m_pendingLf = true; // a CR LF may be split between two blocks
        }
        m_consumed += length + ending;
        m_begin += length + ending;
        ++m_lineNumber;
        if (overLong || (spanning ? m_long.size() : 0) + length > kMaxLine) {
            if (!tooLong())
                return false;
            if (m_pendingLf)
                dropPendingLf();
            spanning = overLong = false;
            continue;
        }
        if (spanning) {
            m_long.append(start, length);
            *line = m_long;
        } else {
            *line = QByteArrayView(start, length);
        }
        return true;
    }
}

bool LineReader::atEnd() {
    if (m_fd < 0)
        return true;
    if (m_pendingLf)
        dropPendingLf();
    if (m_begin < m_end)
        return false;
    return !fill();
}

QString lineText(QByteArrayView line) {
    return QString::fromUtf8(line);
}

QString visibleText(const QString &text) {
    const auto hex = [](char16_t u, int digits) {
        return QString::number(uint(u), 16).toUpper().rightJustified(digits, u'0');
    };
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F))
            out += QLatin1String("\\x") + hex(u, 2);
        else if (reordersText(u))
            out += QLatin1String("\\u") + hex(u, 4);
        else
            out += ch;
    }
    return out;
}

} // namespace vidorev::diary
