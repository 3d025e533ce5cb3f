#include "diary_log/log_merge.h"

#include "diary_log/line_parse.h"
#include "diary_log/line_reader.h"
#include "platform/file_output.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <sys/stat.h>
#include <utility>

namespace vidorev::diary {

namespace {

constexpr qsizetype kFlushBytes = qsizetype(1) << 20;

// One file under two names: a hard link, a symbolic link or the same path spelled differently.
bool sameFile(const QString &a, const QString &b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Whether the line contains "[Stop" anywhere; lines have few "[", so this is cheaper than a
// general substring search.
bool containsStop(QByteArrayView line) {
    const char *p = line.data();
    const char *const end = p + line.size();
    while (end - p >= 5) {
        p = static_cast<const char *>(std::memchr(p, '[', size_t(end - p - 4)));
        if (p == nullptr)
            return false;
        if (std::memcmp(p + 1, "Stop", 4) == 0)
            return true;
        ++p;
    }
    return false;
}

MergeResult refused(MergeResult::Status status, QString message) {
    MergeResult r;
    r.status = status;
    r.message = std::move(message);
    return r;
}

// One input: the line read but not yet written, and its time.
struct Pending {
    LineReader reader;
    QByteArrayView line;
    qint64 time = kEarliestTime;
    bool has = false;

    void advance() {
        has = reader.next(&line);
        if (has)
            time = mergeTime(line, time);
    }
};

} // namespace

qint64 mergeTime(QByteArrayView line, qint64 previous) {
    const qsizetype at = line.indexOf('@');
    if (at < 0 || containsStop(line))
        return previous;
    const qint64 key = stampKey(line.sliced(at + 1));
    return key < 0 ? previous : key;
}

LogMerge::LogMerge(QString input1, QString input2, QString output)
    : m_input1(std::move(input1))
    , m_input2(std::move(input2))
    , m_output(std::move(output)) {}

bool LogMerge::pathsChosen() const {
    return m_input1.size() >= kMinPathLength && m_input2.size() >= kMinPathLength &&
           m_output.size() >= kMinPathLength;
}

MergeResult LogMerge::check(bool replaceExisting) const {
    using S = MergeResult::Status;
    for (const QString &input : {m_input1, m_input2}) {
        const QFileInfo info(input);
        if (!info.exists())
            return refused(S::InputUnreadable, QStringLiteral("%1 not found").arg(input));
        if (info.isDir())
            return refused(S::InputUnreadable,
                           QStringLiteral("%1 is a folder, not a Diary").arg(input));
    }
    const QFileInfo out(m_output);
    if (out.isDir())
        return refused(S::OutputIsFolder,
                       QStringLiteral("%1 is a folder: choose a file to write").arg(m_output));
    for (const QString &input : {m_input1, m_input2}) {
        if (sameFile(m_output, input))
            return refused(S::OutputIsInput,
                           QStringLiteral("%1 is one of the inputs: choose another output file")
                               .arg(m_output));
    }
    // A link at the output's name is never written through, with --force or without.
    if (const QString why = files::outputRefusal(m_output, {m_input1, m_input2}); !why.isEmpty())
        return refused(S::OutputRefused, why);
    if (out.exists() && !replaceExisting)
        return refused(S::OutputExists, QStringLiteral("%1 already exists").arg(m_output));
    return {};
}

MergeResult LogMerge::run(bool replaceExisting, const Progress &progress) const {
    using S = MergeResult::Status;
    MergeResult result = check(replaceExisting);
    if (!result.ok())
        return result;

    Pending one;
    Pending two;
    for (Pending *p : {&one, &two}) {
        const QString &path = p == &one ? m_input1 : m_input2;
        // A merge copies every line: one too long to read stops it rather than go missing.
        p->reader.setLongLines(LineReader::LongLines::Fail);
        if (!p->reader.open(path))
            return refused(S::InputUnreadable, p->reader.error());
    }
    const qint64 total = one.reader.size() + two.reader.size();

    // No wider open than the narrower of the two Diaries it copies.
    files::ReplaceFile out;
    if (!out.open(m_output, files::outputMode({m_input1, m_input2}), {m_input1, m_input2}))
        return refused(S::WriteFailed, out.error());

    QByteArray buffer;
    buffer.reserve(kFlushBytes + 4096);
    bool writeFailed = false;
    int writing = 1;
    const auto flush = [&] {
        if (!writeFailed && !out.write(buffer))
            writeFailed = true;
        buffer.resize(0); // keeps its room: no fresh pages for every block
        if (progress)
            progress(writing, one.reader.position() + two.reader.position(), total);
    };
    const auto write = [&](Pending &p) {
        buffer.append(p.line.data(), p.line.size());
        buffer.append("\r\n", 2);
        ++result.lines;
        p.advance();
        if (buffer.size() >= kFlushBytes)
            flush();
    };

    if (progress)
        progress(writing, 0, total);
    one.advance();
    two.advance();
    // On equal times the input being copied goes on (a run continues over lines of equal
    // time); at the very start that is input 1.
    while (one.has && two.has && !writeFailed) {
        if (one.time < two.time || (one.time == two.time && writing == 1)) {
            writing = 1;
            write(one);
        } else {
            writing = 2;
            write(two);
        }
    }
    while (one.has && !writeFailed) {
        writing = 1;
        write(one);
    }
    while (two.has && !writeFailed) {
        writing = 2;
        write(two);
    }
    flush();

    for (const Pending *p : {&one, &two}) {
        if (!p->reader.error().isEmpty()) {
            out.cancel();
            return refused(S::InputUnreadable, p->reader.error());
        }
    }
    if (writeFailed || !out.commit())
        return refused(S::WriteFailed,
                       QStringLiteral("%1 (%2 was left as it was)").arg(out.error(), m_output));
    return result;
}

} // namespace vidorev::diary
