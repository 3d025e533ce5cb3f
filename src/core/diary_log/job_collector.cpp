#include "diary_log/job_collector.h"

#include "diary_log/line_parse.h"
#include "platform/text_forms.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace vidorev::diary {
namespace {

void appendNumber(QByteArray &to, qint64 value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    to.append(digits, result.ptr - digits);
}

// Copies the pieces one after another into row, resized once: a table of a million rows is
// built without the per-piece checks of QByteArray::append.
void fill(QByteArray &row, std::initializer_list<QByteArrayView> pieces) {
    qsizetype size = 0;
    for (QByteArrayView piece : pieces)
        size += piece.size();
    row.resize(size);
    char *out = row.data();
    for (QByteArrayView piece : pieces) {
        if (!piece.isEmpty())
            std::memcpy(out, piece.data(), size_t(piece.size()));
        out += piece.size();
    }
}

} // namespace

JobCollector::NumberForm JobCollector::NumberForm::current() {
    const QLocale locale;
    NumberForm form;
    form.plain =
        locale.zeroDigit() == QLatin1String("0") && locale.negativeSign() == QLatin1String("-");
    form.point = locale.decimalPoint().toUtf8();
    return form;
}

// The amount as text::number() writes it (15 significant digits, no trailing zeros, the
// locale's decimal point, an exponent only below 0.0001 or from 10^15 on), without building a
// QString for the usual amount. The digits come from std::to_chars with two more than shown,
// rounded here half away from zero as Qt rounds: that gives Qt's digits except when the two
// extra digits are "50" (an exact half, or too near one to round twice), which goes the long
// way, as do amounts written with an exponent and locales without ASCII digits and "-".
QByteArrayView JobCollector::cashText() {
    if (m_cash == 0)
        return QByteArrayView("0");
    constexpr int kShown = 15;
    char digits[kShown + 2];
    int exponent = 99;
    bool negative = false;
    if (m_form.plain && std::isfinite(m_cash)) {
        char sci[40]; // "-d.dddddddddddddddde+XX"
        const char *end =
            std::to_chars(sci, sci + sizeof sci, m_cash, std::chars_format::scientific, kShown + 1)
                .ptr;
        negative = sci[0] == '-';
        const char *lead = sci + (negative ? 1 : 0);
        digits[0] = lead[0];
        std::memcpy(digits + 1, lead + 2, kShown + 1); // past "d."
        const char *e = lead + 2 + kShown + 1;
        if (e < end && *e == 'e')
            std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exponent);
        if (digits[kShown] == '5' && digits[kShown + 1] == '0')
            exponent = 99;
    }
    if (exponent >= -4 && exponent <= 14 && digits[kShown] >= '5') {
        int i = kShown - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else { // 9.99..95 became 10.0
            digits[0] = '1';
            ++exponent;
        }
    }
    if (exponent < -4 || exponent > 14) {
        m_cashText = text::number(m_cash).toUtf8();
        return m_cashText;
    }
    qsizetype count = kShown;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    const QByteArrayView point = m_form.point;
    const QByteArrayView zeros("00000000000000");
    const qsizetype whole = exponent + 1; // digits before the point; 0 or less below 1
    const QByteArrayView sign = negative ? QByteArrayView("-") : QByteArrayView();
    if (whole <= 0)
        fill(m_cashText, {sign, QByteArrayView("0"), point, zeros.first(-whole),
                          QByteArrayView(digits, count)});
    else if (count <= whole)
        fill(m_cashText, {sign, QByteArrayView(digits, count), zeros.first(whole - count)});
    else
        fill(m_cashText, {sign, QByteArrayView(digits, whole), point,
                          QByteArrayView(digits + whole, count - whole)});
    return m_cashText;
}

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
    char minutes[24];
    const char *minutesEnd =
        m_hasMinutes ? std::to_chars(minutes, minutes + sizeof minutes, m_minutes).ptr : minutes;
    const QByteArrayView tab("\t");
    fill(m_row, {m_custNum, tab, m_jobName, tab, m_start, tab, m_stop, tab, cashText(), tab,
                 QByteArrayView(minutes, minutesEnd - minutes), QByteArrayView("\t ")});
    write(m_row);
    empty();
}

void JobCollector::setFileName(const QString &path, RowSink sink) {
    m_fileName = path;
    m_form = NumberForm::current();
    m_sink = std::move(sink);
    empty();
    m_memo.resize(0);
    m_filled = false;
}

void JobCollector::setMemo(QByteArrayView text) {
    assign(m_memo, text);
    fill(m_row, {m_custNum, QByteArrayView("\t"), m_jobName, QByteArrayView("\t\t\t\t\t"), m_memo});
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
