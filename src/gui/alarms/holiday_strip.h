#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace vidorev {

class Clock;
class SettingsStore;

// Seven day letters, Sunday to Saturday: today's underlined, the days of the coming week that
// fall on a listed date bold in red (holidays) or in the date's own colour.
class HolidayStrip : public QWidget {
    Q_OBJECT
public:
    HolidayStrip(const SettingsStore &store, const Clock &clock, QWidget *parent = nullptr);

    // Reads the holiday list and redraws the letters.
    void setDisplay();

    QString host() const { return m_host; }
    void setHost(const QString &host) { m_host = host; }
    QString user() const { return m_user; }
    void setUser(const QString &user) { m_user = user; }
    QString self() const { return m_self; }
    void setSelf(const QString &self) { m_self = self; }

    QLabel *letter(int weekday) const { return m_letters[std::size_t(weekday - 1)]; }

private:
    const SettingsStore &m_store;
    const Clock &m_clock;
    QString m_host;
    QString m_user;
    QString m_self;
    std::array<QLabel *, 7> m_letters{};
};

} // namespace vidorev
