#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace vidorev {

class AlarmTimer;

// One alarm row: on/off box, alarm time, minutes left, sound slider with the slot's
// description, and an extension panel with the day-of-week schedule. The rules are the
// AlarmTimer's; the row shows it and hands it the user's edits.
class AlarmRow : public QWidget {
    Q_OBJECT
public:
    explicit AlarmRow(AlarmTimer &model, QWidget *parent = nullptr);

    QString ident() const;
    // Names the alarm's section, loads it and shows it.
    void setIdent(const QString &section);

    // Shows everything the model holds (after a load).
    void showModel();
    // Shows what a tick can change: the on/off box and the minutes left.
    void showTickState();

    AlarmTimer &model() { return m_model; }

signals:
    // The store refused the user's edit; the row shows what the store holds again.
    void notSaved(const QString &reason);

private:
    // After an edit: a refused one is announced and the row shows the model again.
    void edited(bool taken);
    void takeTime();
    void extend();
    void soundMoved(int slot);
    void showSoundDescription();

    AlarmTimer &m_model;
    bool m_showing = false;

    QCheckBox *m_check = nullptr;
    QLabel *m_enabledLabel = nullptr;
    QLineEdit *m_timeBox = nullptr;
    QLineEdit *m_text = nullptr;
    QSlider *m_sound = nullptr;
    QLabel *m_soundLabel = nullptr;
    QPushButton *m_extend = nullptr;
    QGroupBox *m_extended = nullptr;
    std::array<QCheckBox *, 10> m_days{};
};

} // namespace vidorev
