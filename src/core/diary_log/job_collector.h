#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// One job's record gathered from Diary lines: code, task, start, stop, cash and minutes, written
// as a row of the data-mining table when the job's record is complete, or handed to its owner.
// The pieces are the Diary's bytes, kept as they are (invalid UTF-8 included); setting them
// reuses the collector's buffers, so a run over millions of lines allocates almost nothing.
namespace vidorev::diary {

class JobCollector {
public:
    // Receives each row of the table, without its line end.
    using RowSink = std::function<void(QByteArrayView row)>;

    const QByteArray &custNum() const { return m_custNum; }
    void setCustNum(QByteArrayView code) { assign(m_custNum, code); }
    const QByteArray &jobName() const { return m_jobName; }
    void setJobName(QByteArrayView name) { assign(m_jobName, name); }

    const QByteArray &start() const { return m_start; }
    // Also marks the job running.
    void setStart(QByteArrayView stamp);
    const QByteArray &stopTime() const { return m_stop; }
    // Also marks the job stopped.
    void setStopTime(QByteArrayView stamp);

    // The cash box: the sum of the amounts written since the last emptying ("0" when none).
    QString cash() const;
    double cashSum() const { return m_cash; }
    // Adds the amount; one that cannot be real (amountFigure()) adds nothing but still fills
    // the record.
    void setCash(QByteArrayView amount);

    // The minutes box: empty until minutes are written, then their 64-bit sum.
    QByteArray elapsed() const;
    qint64 minutes() const { return m_minutes; }
    // Adds the minutes, when real (runMinutesFigure()); empty text emits the record instead
    // (see emitRecord()).
    void setElapsed(QByteArrayView minutes);
    // Does nothing unless the record was filled since the last emit. Embedded: calls the
    // record-ready callback. Otherwise writes the job-time row and empties the boxes, which
    // frees the collector for another job.
    void emitRecord();
    bool filled() const { return m_filled; }

    bool hold() const { return m_running; }
    // 1 marks the job running; anything else stopped.
    void setHold(int value) { m_running = value == 1; }

    QString fileName() const { return m_fileName; }
    // Empties every box and sum and makes path, written through sink, the collector's output.
    void setFileName(const QString &path, RowSink sink = {});

    const QByteArray &memo() const { return m_memo; }
    // Shows the memo and writes its memo row at once.
    void setMemo(QByteArrayView text);

    // "'task' From start To stop (minutes minutes elapsed)"; taking it empties the boxes.
    QByteArray takeRecord();

    bool embedded() const { return m_embedded; }
    void setEmbedded(bool embedded) { m_embedded = embedded; }
    void setRecordReady(std::function<void()> ready) { m_recordReady = std::move(ready); }

private:
    // How the locale writes numbers, read when the output is set: the table's amounts are
    // written in it.
    struct NumberForm {
        static NumberForm current();
        bool plain = false; // ASCII digits and "-"; until read, amounts go the long way
        QByteArray point;
    };

    static void assign(QByteArray &to, QByteArrayView from);
    // The cash box as cash() shows it, valid until the next call.
    QByteArrayView cashText();
    void empty();
    void write(QByteArrayView row) const;

    QByteArray m_custNum;
    QByteArray m_jobName;
    QByteArray m_start;
    QByteArray m_stop;
    QByteArray m_memo;
    double m_cash = 0;
    qint64 m_minutes = 0;
    bool m_hasMinutes = false;
    bool m_filled = false;
    bool m_running = false;
    bool m_embedded = false;
    QString m_fileName;
    RowSink m_sink;
    std::function<void()> m_recordReady;
    QByteArray m_row; // reused for every row written
    QByteArray m_cashText;
    NumberForm m_form;
};

} // namespace vidorev::diary
