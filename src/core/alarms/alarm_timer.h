#pragma once

#include "platform/services.h"

#include <QDateTime>
#include <QString>
#include <QTime>

#include <array>

namespace vidorev {

// One alarm clock: its time, sound slot and day-of-week schedule, kept in memory after a load so
// that a tick reads nothing from the store. The store is touched only when the alarm is loaded,
// edited, switched off, or rings.
class AlarmTimer {
public:
    enum class Ring {
        None,
        Quiet, // was already due when loaded: switched off in its batch tick, nothing more
        Chime, // came due with no wave file configured: the desk's own chime was started
        Sound, // came due and its sound was started (or its sound is silence by choice)
    };
    struct TickResult {
        Ring ring = Ring::None;
        bool switchedOff = false; // by its schedule or by ringing
    };

    explicit AlarmTimer(Services services);

    static QString ident() { return QStringLiteral("DownTimer"); }
    // Names the alarm's settings section and loads it; the alarm is then in its batch state.
    void load(const QString &section);
    QString section() const { return m_section; }

    // One clock step at `now`.
    TickResult tick(const QDateTime &now);

    bool batch() const { return m_batch; }
    void setBatch(bool batch) { m_batch = batch; }

    // The user's edits below are written at once. Each returns false when it was not taken;
    // when the store refused it, saveError() says why and the alarm keeps what the store holds.
    QString saveError() const { return m_saveError; }

    bool on() const { return m_on; }
    // The user's click on the on/off box.
    bool setOn(bool on);

    // The minutes read-out: " " while off, else the minutes left as of the last tick.
    QString readout() const { return m_readout; }

    QTime alarmTime() const { return m_alarmTime; }
    // The alarm time as the time box shows it ("14:30").
    QString timeBoxText() const;
    // Typed text that reads as a time becomes the alarm time; anything else is ignored.
    bool setTimeText(const QString &text);

    // The ten schedule boxes as shown (holidays of the coming week are unticked until the next
    // load) and the stored letters behind them.
    bool dayTicked(int position) const { return m_ticked[std::size_t(position)]; }
    // While loading (the batch state) only the shown box changes.
    bool setDayTicked(int position, bool ticked);
    QString letters() const { return m_letters; }

    int soundCount() const { return m_soundCount; }
    int soundSlot() const { return m_soundSlot; }
    QString soundSection() const { return m_soundSection; }
    QString soundDescription() const { return m_soundDescription; }
    // The wave file the alarm plays: its sound's, else the desk's default; empty when neither
    // is set up, and then it rings the desk's own chime.
    QString waveFile() const;
    // The slider moved to slot v: taken only when that slot has a description.
    bool selectSound(int slot);

private:
    void switchOff(TickResult &result);
    void ring(TickResult &result);
    void saveIfChanged(const QString &key, const QString &stored, const QString &value);
    bool saveEdit(const QString &key, const QString &value);
    int readSoundCount() const;

    Services m_services;
    QString m_section;
    QString m_soundSection;
    QString m_soundDescription;
    QString m_letters;
    QString m_readout = QStringLiteral(" ");
    QString m_saveError;
    std::array<bool, 10> m_ticked{};
    QTime m_alarmTime = QTime(0, 0);
    int m_soundCount = 0;
    int m_soundSlot = 0;
    int m_daysToNext = 7;
    bool m_on = false;
    bool m_batch = false;
    bool m_dueAtLoad = false; // its time had come when it was loaded
    bool m_monthEndPending = false;
};

} // namespace vidorev
