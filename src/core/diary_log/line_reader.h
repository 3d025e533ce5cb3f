#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdio>

// Every reader of the Diary streams it through this: large blocks, lines ended by LF or CR LF,
// lines of any length, bytes kept as they are (invalid UTF-8 included) and a last line without an
// end. Memory is one block plus the longest line that spans two blocks, whatever the file's size.
namespace vidorev::diary {

class LineReader {
public:
    LineReader() = default;
    explicit LineReader(const QString &path) { open(path); }
    ~LineReader();
    LineReader(const LineReader &) = delete;
    LineReader &operator=(const LineReader &) = delete;

    // Opens (or reopens) a file for reading from its first line. False with error() when it
    // cannot be read; a folder is not a file.
    bool open(const QString &path);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    // Back to the first line of the same file.
    bool rewind();

    // The next line without its end (LF, or CR LF). The view stays valid until the next call.
    // False at the end of the file or when reading fails (then error() is not empty).
    bool next(QByteArrayView *line);
    // True when no line is left. It may read ahead a block, which ends the last view from next().
    bool atEnd();

    QString error() const { return m_error; }
    QString path() const { return m_path; }
    // Bytes consumed so far and the file's size when opened, for progress.
    qint64 position() const { return m_consumed; }
    qint64 size() const { return m_size; }

    static constexpr qsizetype kBlock = qsizetype(1) << 20;

private:
    bool fill();

    std::FILE *m_file = nullptr;
    QString m_path;
    QString m_error;
    QByteArray m_block;
    qsizetype m_begin = 0; // first unread byte in m_block
    qsizetype m_end = 0;   // one past the last valid byte in m_block
    QByteArray m_long;     // a line that spans blocks
    bool m_eof = false;
    qint64 m_consumed = 0;
    qint64 m_size = 0;
};

// A line as text for display: UTF-8, with anything that is not UTF-8 shown as U+FFFD.
QString lineText(QByteArrayView line);

} // namespace vidorev::diary
