#include "diary_log/line_reader.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace vidorev::diary {

LineReader::~LineReader() {
    close();
}

bool LineReader::open(const QString &path) {
    close();
    m_path = path;
    m_error.clear();
    const QFileInfo info(path);
    if (info.isDir()) {
        m_error = QStringLiteral("%1 is a folder, not a Diary").arg(path);
        return false;
    }
    m_file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (m_file == nullptr) {
        m_error = QStringLiteral("cannot read %1: %2")
                      .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // The stdio buffer would only copy the blocks once more.
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    m_size = info.size();
    if (m_block.size() != kBlock)
        m_block.resize(kBlock);
    return true;
}

void LineReader::close() {
    if (m_file != nullptr)
        std::fclose(m_file);
    m_file = nullptr;
    m_begin = m_end = 0;
    m_long.clear();
    m_eof = false;
    m_consumed = 0;
}

bool LineReader::rewind() {
    const QString path = m_path;
    return open(path);
}

bool LineReader::fill() {
    if (m_file == nullptr || m_eof)
        return false;
    const size_t got = std::fread(m_block.data(), 1, size_t(m_block.size()), m_file);
    if (got == 0) {
        m_eof = true;
        if (std::ferror(m_file) != 0)
            m_error = QStringLiteral("reading %1 failed").arg(m_path);
        return false;
    }
    m_begin = 0;
    m_end = qsizetype(got);
    return true;
}

bool LineReader::next(QByteArrayView *line) {
    if (m_file == nullptr)
        return false;
    m_long.clear();
    bool spanning = false;
    for (;;) {
        if (m_begin == m_end && !fill()) {
            // A last line without an end.
            if (!spanning)
                return false;
            if (m_long.endsWith('\r'))
                m_long.chop(1);
            *line = m_long;
            return true;
        }
        const char *start = m_block.constData() + m_begin;
        const auto *lf =
            static_cast<const char *>(std::memchr(start, '\n', size_t(m_end - m_begin)));
        if (lf == nullptr) {
            m_long.append(start, m_end - m_begin);
            m_consumed += m_end - m_begin;
            m_begin = m_end;
            spanning = true;
            continue;
        }
        const qsizetype length = lf - start;
        m_consumed += length + 1;
        m_begin += length + 1;
        if (spanning) {
            m_long.append(start, length);
            if (m_long.endsWith('\r'))
                m_long.chop(1);
            *line = m_long;
        } else {
            const qsizetype cut = (length > 0 && start[length - 1] == '\r') ? length - 1 : length;
            *line = QByteArrayView(start, cut);
        }
        return true;
    }
}

bool LineReader::atEnd() {
    if (m_file == nullptr)
        return true;
    if (m_begin < m_end)
        return false;
    return !fill();
}

QString lineText(QByteArrayView line) {
    return QString::fromUtf8(line);
}

} // namespace vidorev::diary
