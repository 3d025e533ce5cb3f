#include "alarms/alarm_schedule.h"

#include "platform/text_forms.h"

namespace vidorev::alarms {

namespace {
const QString kTickedLetters = QStringLiteral("SMTWTFSEEH");
const QString kUntickedLetters = QStringLiteral("smtwtfseeh");
const QString kRepairTail = QStringLiteral("Seeh"); // appended from position 7 on
} // namespace

QChar tickedLetter(int position) {
    return kTickedLetters.at(position);
}

QChar untickedLetter(int position) {
    return kUntickedLetters.at(position);
}

bool lettersTick(const QString &letters, int position) {
    return position >= 0 && position < kScheduleLength && position < letters.size() &&
           letters.at(position) == tickedLetter(position);
}

QString withPosition(const QString &letters, int position, bool ticked) {
    QString result = letters;
    while (result.size() <= position)
        result += untickedLetter(int(result.size()));
    result[position] = ticked ? tickedLetter(position) : untickedLetter(position);
    return result;
}

QString repairLetters(const QString &stored) {
    if (stored.size() < 6 || stored.size() >= kScheduleLength)
        return stored;
    return stored + kRepairTail.mid(stored.size() - 6);
}

int weekdayNumber(const QDate &date) {
    return date.dayOfWeek() % 7 + 1; // Qt counts Monday = 1 .. Sunday = 7
}

int daysToNextScheduled(const std::array<bool, 7> &weekdays, int weekday, int fallback) {
    for (int ahead = 1; ahead <= 6; ++ahead) {
        const int other = (weekday - 1 + ahead) % 7;
        if (weekdays[std::size_t(other)])
            return ahead;
    }
    return fallback;
}

bool lastScheduledDayOfMonth(const QDate &today, int daysToNext) {
    return today.addDays(daysToNext).day() <= daysToNext;
}

int minutesUntil(const QTime &from, const QTime &to) {
    return (to.hour() * 60 + to.minute()) - (from.hour() * 60 + from.minute());
}

QString storedTimeOfDay(const QTime &time) {
    return time.toString(Qt::ISODate);
}

QTime parseTimeOfDay(const QString &text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    // A bare number is not a time yet (the user may be half-way through typing one).
    QTime time = trimmed.contains(u':') ? QTime::fromString(trimmed, Qt::ISODate) : QTime();
    if (time.isValid())
        return time;
    time = text::parseDiaryTime(trimmed);
    if (time.isValid())
        return time;
    for (const char *form : {"H:m", "H:m:s", "h:m AP", "h:m ap", "h AP", "h ap"}) {
        time = QTime::fromString(trimmed, QString::fromLatin1(form));
        if (time.isValid())
            return time;
    }
    const QDateTime dateTime = text::parseStoredDateTime(trimmed);
    return dateTime.isValid() ? dateTime.time() : QTime();
}

} // namespace vidorev::alarms
