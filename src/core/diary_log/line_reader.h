#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// Every reader of the Diary streams it through this: large blocks, lines ended by LF, CR LF or a
// lone CR, bytes kept as they are (invalid UTF-8 included) and a last line without an end.
// Only regular files are read, so a device or a pipe can neither hang a reader nor feed it
// forever, and a line is held only up to kMaxLine bytes: memory is one block plus one line,
// whatever the file.
namespace vidorev::diary {

// Lines a reader did not take: lines longer than LineReader::kMaxLine, which it skips, and lines
// whose figures cannot be real, noted by whoever parsed them. All are counted; the first few are
// kept by number, to be named to the user.
class BadLines {
public:
    static constexpr int kNamed = 5;
    struct Line {
        qint64 number; // from 1
        QString why;
    };

    void add(qint64 number, const QString &why);
    qint64 count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    const std::vector<Line> &named() const { return m_named; }
    // One sentence for a panel: "2 lines not counted: line 5, amount "nan" is no real amount;
    // line 9, ...".
    QString summary() const;
    // One line each for a command line's standard error: "PATH:5: why; not counted", and how
    // many more there were.
    QStringList messages(const QString &path) const;

private:
    qint64 m_count = 0;
    std::vector<Line> m_named;
};

class LineReader {
public:
    // What to do with a line longer than kMaxLine: skip it and note it in badLines(), or stop
    // reading with an error (for a copy that must not lose a line).
    enum class LongLines { Skip, Fail };

    LineReader() = default;
    explicit LineReader(const QString &path) { open(path); }
    ~LineReader();
    LineReader(const LineReader &) = delete;
    LineReader &operator=(const LineReader &) = delete;

    // Opens (or reopens) a file for reading from its first line. False with error() when it
    // cannot be read or is not a regular file (a folder, a device, a pipe, a socket); opening
    // never waits on a pipe that has no writer.
    bool open(const QString &path);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    // Back to the first line of the same file.
    bool rewind();
    void setLongLines(LongLines what) { m_longLines = what; }

    // The next line without its end. The view stays valid until the next call. False at the
    // end of the file or when reading fails (then error() is not empty).
    bool next(QByteArrayView *line);
    // True when no line is left. It may read ahead a block, which ends the last view from next().
    bool atEnd();

    QString error() const { return m_error; }
    QString path() const { return m_path; }
    // Bytes consumed so far and the file's size when opened, for progress.
    qint64 position() const { return m_consumed; }
    qint64 size() const { return m_size; }
    // The number (from 1) of the line next() returned last, skipped lines counted.
    qint64 lineNumber() const { return m_lineNumber; }
    // Lines skipped as too long, and those noted by noteBad(), since the file was opened.
    const BadLines &badLines() const { return m_bad; }
    // Notes the line next() returned last as one that was not taken, and why.
    void noteBad(const QString &why) { m_bad.add(m_lineNumber, why); }

    static constexpr qsizetype kBlock = qsizetype(1) << 20;
    // No Diary record comes near this: a longer line is not one.
    static constexpr qsizetype kMaxLine = qsizetype(1) << 20;

private:
    bool fill();
    // The LF of a CR LF whose CR ended the last line, when it comes in the next block.
    void dropPendingLf();
    // Keeps up to kMaxLine bytes of a line that spans blocks; false once it is too long.
    bool keep(const char *bytes, qsizetype count);
    bool tooLong();

    int m_fd = -1;
    QString m_path;
    QString m_error;
    QByteArray m_block;
    qsizetype m_begin = 0; // first unread byte in m_block
    qsizetype m_end = 0;   // one past the last valid byte in m_block
    QByteArray m_long;     // a line that spans blocks
    bool m_eof = false;
    bool m_pendingLf = false;
    LongLines m_longLines = LongLines::Skip;
    qint64 m_consumed = 0;
    qint64 m_size = 0;
    qint64 m_lineNumber = 0;
    BadLines m_bad;
};

// A line as text for display: UTF-8, with anything that is not UTF-8 shown as U+FFFD.
QString lineText(QByteArrayView line);

// Text for a terminal or a one-line message: control characters (C0, DEL, C1) and the
// characters that reorder text on screen are shown as \xHH or \uHHHH instead of acting.
QString visibleText(const QString &text);

} // namespace vidorev::diary
