#include "alarms/alarm_timer.h"

#include "alarms/alarm_schedule.h"
#include "alarms/holiday_list.h"
#include "platform/settings_keys.h"

namespace vidorev {

using namespace alarms;

namespace {
constexpr int kMinWaveName = 3; // shorter names mean "no file"

// The slot number a sound section names: its digits after the "AllDT" stem.
int slotOf(const QString &soundSection) {
    const QString tail = soundSection.mid(keys::kSecAlarmStem.size());
    qsizetype digits = 0;
    while (digits < tail.size() && tail.at(digits).isDigit() && digits < 9)
        ++digits;
    return digits ? tail.left(digits).toInt() : 0;
}
} // namespace

AlarmTimer::AlarmTimer(Services services)
    : m_services(services) {}

int AlarmTimer::readSoundCount() const {
    return std::max(0, m_services.store.getInt(keys::kAppDiary, keys::kSecAdmin, keys::kSoundCount,
                                               keys::kDefaultSoundCount));
}

void AlarmTimer::saveIfChanged(const QString &key, const QString &stored, const QString &value) {
    if (stored != value)
        m_services.store.save(keys::kAppDiary, m_section, key, value);
}

void AlarmTimer::load(const QString &section) {
    SettingsStore &store = m_services.store;
    SettingsStore::Batch batch(store);
    m_batch = true;
    m_section = section;

    m_soundCount = readSoundCount();
    m_daysToNext = 7;

    const QString storedTime = store.get(keys::kAppDiary, section, keys::kTime, QString());
    const QTime time = parseTimeOfDay(storedTime);
    m_alarmTime = time.isValid() ? QTime(time.hour(), time.minute(), time.second()) : QTime(0, 0);
    const QString storedRedir = store.get(keys::kAppDiary, section, keys::kRedir, QString());
    m_soundSection = storedRedir.isEmpty() ? section : storedRedir;
    m_soundSlot = std::min(slotOf(m_soundSection), m_soundCount);
    // Written back in the one form this system writes.
    saveIfChanged(keys::kTime, storedTime, storedTimeOfDay(m_alarmTime));
    saveIfChanged(keys::kRedir, storedRedir, m_soundSection);

    m_on = store.getInt(keys::kAppDiary, section, keys::kOn, 0) == 1;

    const QString storedDays = store.get(keys::kAppDiary, section, keys::kDays, keys::kDefaultDays);
    m_letters = repairLetters(storedDays);
    saveIfChanged(keys::kDays, storedDays, m_letters);
    for (int p = 0; p < kScheduleLength; ++p)
        m_ticked[std::size_t(p)] = lettersTick(m_letters, p);

    m_monthEndPending = m_ticked[kEndOfMonth] || m_ticked[kNotEnd];

    // This week's holidays untick their weekdays until the next load; the stored letters stay.
    const QString holidays = m_ticked[kHoliday] ? keys::kEmptyHolidays
                                                : store.get(keys::kAppDiary, keys::kSecAdmin,
                                                            keys::kHolidays, keys::kEmptyHolidays);
    if (holidays.size() > 1) {
        const auto off = holidayWeekdays(holidays, m_services.clock.now().date());
        for (std::size_t day = 0; day < off.size(); ++day)
            if (off[day])
                m_ticked[day] = false;
        m_daysToNext = 7;
    }

    m_soundDescription = store.get(keys::kAppDiary, m_soundSection, keys::kType, QString());
    m_readout = QStringLiteral(" ");
    m_dueAtLoad = minutesUntil(m_services.clock.now().time(), m_alarmTime) < 1;
}

bool AlarmTimer::saveEdit(const QString &key, const QString &value) {
    m_saveError.clear();
    if (m_services.store.save(keys::kAppDiary, m_section, key, value))
        return true;
    m_saveError = m_services.store.lastError();
    return false;
}

bool AlarmTimer::setOn(bool on) {
    m_saveError.clear();
    if (m_section.isEmpty())
        return false;
    if (on == m_on)
        return true;
    if (!saveEdit(keys::kOn, on ? QStringLiteral("1") : QStringLiteral("0")))
        return false;
    m_on = on;
    return true;
}

QString AlarmTimer::timeBoxText() const {
    return m_alarmTime.toString(QStringLiteral("HH:mm"));
}

bool AlarmTimer::setTimeText(const QString &text) {
    m_saveError.clear();
    const QTime time = parseTimeOfDay(text);
    if (!time.isValid() || m_section.isEmpty())
        return false;
    const QTime alarmTime(time.hour(), time.minute(), time.second());
    if (!saveEdit(keys::kTime, storedTimeOfDay(alarmTime)))
        return false;
    m_alarmTime = alarmTime;
    return true;
}

bool AlarmTimer::setDayTicked(int position, bool ticked) {
    m_saveError.clear();
    if (position < 0 || position >= kScheduleLength)
        return false;
    if (m_batch || m_section.isEmpty()) {
        m_ticked[std::size_t(position)] = ticked;
        return true;
    }
    const QString letters = withPosition(m_letters, position, ticked);
    if (!saveEdit(keys::kDays, letters))
        return false;
    m_letters = letters;
    m_ticked[std::size_t(position)] = ticked;
    return true;
}

bool AlarmTimer::selectSound(int slot) {
    m_saveError.clear();
    m_soundCount = readSoundCount();
    const QString candidate = keys::kSecAlarmStem + QString::number(slot);
    const QString description =
        m_services.store.get(keys::kAppDiary, candidate, keys::kType, QString());
    if (description.isEmpty() || m_section.isEmpty())
        return false;
    if (!saveEdit(keys::kRedir, candidate))
        return false;
    m_soundSection = candidate;
    m_soundSlot = slot;
    m_soundDescription = description;
    return true;
}

void AlarmTimer::switchOff(TickResult &result) {
    if (!m_on)
        return;
    // Off in memory even when the store refuses, or the alarm would ring every second.
    m_on = false;
    m_services.store.save(keys::kAppDiary, m_section, keys::kOn, QStringLiteral("0"));
    result.switchedOff = true;
}

AlarmTimer::TickResult AlarmTimer::tick(const QDateTime &now) {
    TickResult result;
    if (!m_on) {
        m_readout = QStringLiteral(" ");
        return result;
    }
    const QDate today = now.date();
    const int weekday = weekdayNumber(today);
    if (!m_ticked[std::size_t(weekday - 1)])
        switchOff(result);

    if (m_monthEndPending) {
        std::array<bool, 7> weekdays{};
        std::copy_n(m_ticked.begin(), 7, weekdays.begin());
        m_daysToNext = daysToNextScheduled(weekdays, weekday, m_daysToNext);
        if (lastScheduledDayOfMonth(today, m_daysToNext)) {
            if (m_ticked[kNotEnd])
                switchOff(result);
        } else if (m_ticked[kEndOfMonth]) {
            switchOff(result);
        }
    }
    m_monthEndPending = false;

    const int minutes = minutesUntil(now.time(), m_alarmTime);
    if (minutes < 1)
        ring(result);
    m_readout = QString::number(minutes);
    return result;
}

QString AlarmTimer::waveFile() const {
    const SettingsStore &store = m_services.store;
    QString wave =
        store.get(keys::kAppDiary, keys::kSecAdmin, keys::kPing + m_soundSection, QString());
    if (wave.size() < kMinWaveName)
        wave = store.get(keys::kAppDiary, keys::kSecAdmin, keys::kPing, QString());
    return wave.size() < kMinWaveName ? QString() : wave;
}

void AlarmTimer::ring(TickResult &result) {
    switchOff(result);
    // The batch tick silences only alarms whose time had passed before the load; one that comes
    // due in the very second after a reload (a panel switch, say) still sounds.
    if (m_batch && m_dueAtLoad) {
        result.ring = Ring::Quiet;
        return;
    }
    const QString wave = waveFile();
    if (wave.isEmpty()) {
        // A desk whose administrator set up no sounds still rings, with its own chime.
        m_services.sound.play(SoundPlayer::kBuiltInChime);
        result.ring = Ring::Chime;
        return;
    }
    if (wave != keys::kSilentWave)
        m_services.sound.play(wave);
    result.ring = Ring::Sound;
}

} // namespace vidorev
