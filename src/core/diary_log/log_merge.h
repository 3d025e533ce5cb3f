#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <limits>

// Joins two Diaries (the ones kept at two sites, say) into a third, in order of time. Streams
// both inputs: memory stays a few blocks whatever the sizes. Lines are copied byte for byte and
// each ends with CR LF, as the Diary's writer ends its records; so the result is a Diary like any
// other, and an input's last line without an end cannot run into the line written after it.
namespace vidorev::diary {

// The time a line is ordered by: its stamp (after the first "@") as a stampKey(). A line with no
// "@", one containing "[Stop" (a Stop record's stamp has no date) or one whose stamp does not
// read has no time of its own and travels with the line before it: it gets previous.
qint64 mergeTime(QByteArrayView line, qint64 previous);

// An input that opens with lines that have no time: they go before everything else.
inline constexpr qint64 kEarliestTime = std::numeric_limits<qint64>::min();

struct MergeResult {
    enum class Status {
        Done,
        InputUnreadable, // an input is missing, a folder or cannot be read
        OutputIsInput,   // the output is one of the inputs, or a link to one
        OutputIsFolder,
        OutputRefused, // a link or anything but a plain file: never written, even with force
        OutputExists,  // and replacing it was not asked for
        WriteFailed,   // nothing was written over the output
    };
    Status status = Status::Done;
    QString message; // why, naming the file; empty when done
    qint64 lines = 0;

    bool ok() const { return status == Status::Done; }
};

class LogMerge {
public:
    // Which input the merge is copying from (1 or 2), bytes of both inputs read, their sizes.
    using Progress = std::function<void(int input, qint64 done, qint64 total)>;

    LogMerge(QString input1, QString input2, QString output);

    // The panel acts only on paths this long; anything shorter is an unfinished choice.
    static constexpr int kMinPathLength = 5;
    bool pathsChosen() const;

    // Whether the merge may start: refuses an output that is a folder or one of the inputs, and
    // an existing output unless replaceExisting. Touches no file.
    MergeResult check(bool replaceExisting) const;

    // Checks, then writes the whole merge to a temporary file beside the output, which takes the
    // output's name only once it is complete. Safe to run on a worker thread.
    MergeResult run(bool replaceExisting, const Progress &progress = {}) const;

    QString input1() const { return m_input1; }
    QString input2() const { return m_input2; }
    QString output() const { return m_output; }

private:
    QString m_input1;
    QString m_input2;
    QString m_output;
};

} // namespace vidorev::diary
