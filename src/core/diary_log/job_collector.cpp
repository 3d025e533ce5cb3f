#include "diary_log/job_collector.h"

#include "diary_log/line_parse.h"
#include "platform/text_forms.h"

#include <charconv>
#include <cstring>

namespace vidorev::diary {
namespace {

void appendNumber(QByteArray &to, qint64 value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    to.append(digits, result.ptr - digits);
}

} // namespace

void JobCollector::assign(QByteArray &to, QByteArrayView from) {
    // resize() keeps the buffer's capacity, where a fresh QByteArray would allocate.
    to.resize(from.size());
    if (!from.isEmpty())
        std::memcpy(to.data(), from.data(), size_t(from.size()));
}

void JobCollector::setStart(QByteArrayView stamp) {
    assign(m_start, stamp);
    m_running = true;
    m_filled = true;
}

void JobCollector::setStopTime(QByteArrayView stamp) {
    assign(m_stop, stamp);
    m_running = false;
    m_filled = true;
}

QString JobCollector::cash() const {
    return m_cash == 0 ? QStringLiteral("0") : text::number(m_cash);
}

void JobCollector::setCash(QByteArrayView amount) {
    double value = 0;
    if (amountFigure(amount, &value) == Figure::Real)
        m_cash += value;
    m_filled = true;
}

QByteArray JobCollector::elapsed() const {
    QByteArray text;
    if (m_hasMinutes)
        appendNumber(text, m_minutes);
    return text;
}

void JobCollector::setElapsed(QByteArrayView minutes) {
    if (minutes.isEmpty()) {
        emitRecord();
        return;
    }
    qint64 value = 0;
    if (runMinutesFigure(minutes, &value) == Figure::Real)
        addMinutes(&m_minutes, value);
    m_hasMinutes = true;
    m_filled = true;
}

void JobCollector::emitRecord() {
    if (!m_filled)
        return;
    m_filled = false;
    if (m_embedded) {
        if (m_recordReady)
            m_recordReady();
        return;
    }
    m_row.resize(0);
    m_row.append(m_custNum).append('\t').append(m_jobName).append('\t');
    m_row.append(m_start).append('\t').append(m_stop).append('\t');
    if (m_cash == 0)
        m_row.append('0');
    else
        m_row.append(text::number(m_cash).toUtf8());
    m_row.append('\t');
    if (m_hasMinutes)
        appendNumber(m_row, m_minutes);
    m_row.append("\t ", 2);
    write(m_row);
    empty();
}

void JobCollector::setFileName(const QString &path, RowSink sink) {
    m_fileName = path;
    m_sink = std::move(sink);
    empty();
    m_memo.resize(0);
    m_filled = false;
}

void JobCollector::setMemo(QByteArrayView text) {
    assign(m_memo, text);
    m_row.resize(0);
    m_row.append(m_custNum).append('\t').append(m_jobName).append("\t\t\t\t\t", 5).append(m_memo);
    write(m_row);
}

QByteArray JobCollector::takeRecord() {
    QByteArray record;
    record.reserve(m_jobName.size() + m_start.size() + m_stop.size() + 48);
    record.append('\'').append(m_jobName).append("' From ").append(m_start).append(" To ");
    record.append(m_stop).append(" (");
    if (m_hasMinutes)
        appendNumber(record, m_minutes);
    record.append(" minutes elapsed)");
    empty();
    return record;
}

void JobCollector::empty() {
    for (QByteArray *box : {&m_custNum, &m_jobName, &m_start, &m_stop})
        box->resize(0);
    m_cash = 0;
    m_minutes = 0;
    m_hasMinutes = false;
}

void JobCollector::write(QByteArrayView row) const {
    if (m_sink)
        m_sink(row);
}

} // namespace vidorev::diary
