#include "diary_log/report_file.h"

#include "platform/text_forms.h"

#include <QDir>
#include <QFileInfo>

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

bool ReportFile::open(const QString &path, Mode mode, const QString &source) {
    cancel();
    m_mode = mode;
    m_path = path;
    m_error.clear();
    m_buffer.clear();
    const QStringList sources{source};
    const mode_t bits = files::outputMode(sources);
    const bool opened = mode == Mode::Replace ? m_new.open(path, bits, sources)
                                              : m_append.open(path, bits, sources);
    if (!opened) {
        m_error = mode == Mode::Replace ? m_new.error() : m_append.error();
        return false;
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

bool ReportFile::flush() {
    if (m_buffer.isEmpty() || !m_error.isEmpty())
        return m_error.isEmpty();
    const bool ok = m_mode == Mode::Replace ? m_new.write(m_buffer) : m_append.write(m_buffer);
    if (!ok)
        m_error = m_mode == Mode::Replace ? m_new.error() : m_append.error();
    m_buffer.resize(0); // keeps its room for the next block
    return ok;
}

bool ReportFile::commit() {
    if (!m_open)
        return false;
    m_open = false;
    if (!flush()) {
        cancel();
        return false;
    }
    const bool ok = m_mode == Mode::Replace ? m_new.commit() : m_append.commit();
    if (!ok)
        m_error = m_mode == Mode::Replace ? m_new.error() : m_append.error();
    return ok;
}

void ReportFile::cancel() {
    m_new.cancel();
    m_append.cancel();
    m_open = false;
    m_buffer.clear();
}

} // namespace vidorev::diary
