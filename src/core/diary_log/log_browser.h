#pragma once

#include "diary_log/line_parse.h"
#include "diary_log/line_reader.h"

#include <QByteArray>
#include <QByteArrayMatcher>
#include <QString>

#include <array>
#include <functional>

// The Diary browser's rules: lines are fetched from the start, optionally only those of one job
// tag and/or one date, and the run minutes and memo amounts of the lines shown are added up.
namespace vidorev::diary {

class LogBrowser {
public:
    using Lines = std::array<QByteArray, 3>;
    // Called every few thousand lines read; returning false stops the walk where it is, and the
    // lines it returns are then of no use.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    // Opens a Diary for reading from its first line, with no earlier browsing state: totals at
    // 0, filter mode 0, no date seen. False (see error()) when it cannot be read: the browser
    // then shows empty lines.
    bool open(const QString &path);
    void close();
    // Back to the first line, as open() starts.
    bool rewind();
    bool isOpen() const { return m_reader.isOpen(); }
    QString error() const { return m_reader.error(); }
    bool atEnd() { return m_reader.atEnd(); }
    qint64 position() const { return m_reader.position(); }
    qint64 size() const { return m_reader.size(); }

    // The two filter boxes as typed. The job tag is looked for as the Diary writes it:
    // "[" + its escaped form + "]".
    void setFilter(const QString &jobTag, const QString &date);

    // The next line to show, "" at the end. Works out the filter mode from the boxes.
    QByteArray fetch();
    // Adds the line's minutes and cash by the current mode (after it was shown): the real
    // figures of its record's head (parseLine()), never text further on. A figure that would
    // have been added but cannot be real is noted in badLines() instead.
    void addAmounts(QByteArrayView line);

    // The buttons. A filter that matches nothing reads to the end of the Diary, so each may
    // take a while on a long one.
    Lines nextThree(const Progress &progress = {});
    Lines skipTen(const Progress &progress = {});
    // Every remaining line; the last three shown.
    Lines lastThree(const Progress &progress = {});

    qint64 minutes() const { return m_minutes; }
    double cash() const { return m_cash; }
    void resetTotals();
    int mode() const { return m_mode; }
    bool dateSeen() const { return m_dateSeen; }
    // Lines not counted since the Diary was opened: too long to read, or with a figure that
    // cannot be real.
    const BadLines &badLines() const { return m_reader.badLines(); }

private:
    bool readLine();
    bool contains(const QByteArrayMatcher &matcher) const;
    bool more();
    class Walk;

    const Progress *m_progress = nullptr;
    bool m_stopped = false;
    qint64 m_reads = 0;

    LineReader m_reader;
    QByteArray m_line; // the current line, copied: the reader's view ends at its next read

    bool m_tagEmpty = true;
    bool m_dateEmpty = true;
    QByteArray m_code; // the escaped tag, UTF-8
    QByteArrayMatcher m_tagNeedle;
    QByteArrayMatcher m_dateNeedle;

    int m_mode = 0; // 1 tag, 2 date, 3 both; kept while both boxes are empty
    bool m_dateSeen = false;
    qint64 m_minutes = 0;
    double m_cash = 0.0;
};

} // namespace vidorev::diary
