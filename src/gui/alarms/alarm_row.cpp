#include "alarms/alarm_row.h"

#include "widgets/controls.h"

#include "alarms/alarm_schedule.h"
#include "alarms/alarm_timer.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace vidorev {

namespace {
const QString kExtendTip = QStringLiteral("Schedule by day of week");
const QString kBackTip = QStringLiteral("Back to normal view");
// An alarm with no sound of its own rings the desk's chime.
const QString kNoSound = QStringLiteral("(the desk's chime)");

struct DayBox {
    const char *name;
    const char *caption;
    const char *tip;
};
constexpr DayBox kDayBoxes[10] = {
    {"chkSunday", "Sun", "Sunday schedule"},
    {"chkMonday", "Mon", "Monday schedule"},
    {"chkTuesday", "Tue", "Tuesday schedule"},
    {"chkWednesday", "Wed", "Wednesday schedule"},
    {"chkThursday", "Thu", "Thursday schedule"},
    {"chkFriday", "Fri", "Friday schedule"},
    {"chkSaturday", "Sat", "Saturday schedule"},
    {"chkEOM", "Last work day", "Last work day of Month (check all normal workdays too)"},
    {"chkNotEnd", "All but last",
     "all work days of Month except last (check all normal workdays too)"},
    {"chkHoliday", "On holidays", "Check if NOT to turn off on holidays."},
};
} // namespace

AlarmRow::AlarmRow(AlarmTimer &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model) {
    m_check = new QCheckBox(this);
    m_check->setObjectName(QStringLiteral("Check"));
    m_check->setToolTip(QStringLiteral("Check to turn alarm on, uncheck to turn off"));
    m_enabledLabel = new QLabel(QStringLiteral("Enabled"), this);
    m_enabledLabel->setObjectName(QStringLiteral("Label2"));
    m_enabledLabel->setBuddy(m_check);
    m_check->setAccessibleName(m_enabledLabel->text());
    controls::setRowPart(m_check, m_enabledLabel->text());

    const QFontMetrics metrics(font());
    m_timeBox = new QLineEdit(this);
    m_timeBox->setObjectName(QStringLiteral("TimeBox"));
    m_timeBox->setToolTip(QStringLiteral("Set/read the Alarm time"));
    m_timeBox->setAccessibleName(m_timeBox->objectName());
    controls::setRowPart(m_timeBox, QStringLiteral("time"));
    m_timeBox->setAccessibleDescription(m_timeBox->toolTip());
    m_timeBox->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("00:00:00")) + 12);

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text"));
    m_text->setToolTip(QStringLiteral("Minutes till Alarm"));
    m_text->setAccessibleName(m_text->objectName());
    controls::setRowPart(m_text, QStringLiteral("minutes left"));
    m_text->setAccessibleDescription(m_text->toolTip());
    m_text->setReadOnly(true);
    controls::keepReadOnly(m_text);
    m_text->setAlignment(Qt::AlignRight);
    m_text->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("-00000")) + 12);

    m_sound = new QSlider(Qt::Horizontal, this);
    m_sound->setObjectName(QStringLiteral("HScroll1"));
    m_sound->setAccessibleName(m_sound->objectName());
    controls::setRowPart(m_sound, QStringLiteral("sound"));
    m_sound->setRange(0, 9);
    m_sound->setPageStep(1);
    m_sound->setFocusPolicy(Qt::StrongFocus);
    m_sound->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("0")) * 12);

    m_soundLabel = new QLabel(this);
    m_soundLabel->setObjectName(QStringLiteral("Label1"));
    m_soundLabel->setToolTip(QStringLiteral("Alarm sound selected"));
    m_soundLabel->setAccessibleDescription(m_soundLabel->toolTip());
    m_soundLabel->setMinimumWidth(metrics.horizontalAdvance(kNoSound));

    m_extend = controls::button(QStringLiteral("cmdExtend"), QStringLiteral("X"), kExtendTip, this);
    controls::setRowPart(m_extend, QStringLiteral("schedule"));
    m_extend->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("XX")) + 16);

    m_extended =
        controls::frame(QStringLiteral("pbExtended"), QStringLiteral("Day of Week Enables"), this);
    auto *daysLayout = new QGridLayout(m_extended);
    for (int p = 0; p < alarms::kScheduleLength; ++p) {
        auto *box = new QCheckBox(QString::fromLatin1(kDayBoxes[p].caption), m_extended);
        box->setObjectName(QString::fromLatin1(kDayBoxes[p].name));
        box->setToolTip(QString::fromLatin1(kDayBoxes[p].tip));
        box->setAccessibleName(box->text());
        box->setAccessibleDescription(box->toolTip());
        daysLayout->addWidget(box, p < 7 ? 0 : 1, p < 7 ? p : (p - 7) * 2, 1, p < 7 ? 1 : 2);
        m_days[std::size_t(p)] = box;
        // Any change of the box counts, by mouse, keyboard or screen reader; not the row's own.
        connect(box, &QCheckBox::toggled, this, [this, p](bool ticked) {
            if (!m_showing)
                edited(m_model.setDayTicked(p, ticked));
        });
    }
    m_extended->hide();

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_check);
    row->addWidget(m_enabledLabel);
    row->addWidget(m_timeBox);
    row->addWidget(m_text);
    row->addWidget(m_sound);
    row->addWidget(m_soundLabel, 1);
    row->addWidget(m_extend);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(row);
    layout->addWidget(m_extended);

    connect(m_check, &QCheckBox::toggled, this, [this](bool on) {
        if (m_showing)
            return;
        edited(m_model.setOn(on));
        showTickState();
    });
    // A typed time counts when editing finishes (Enter or leaving the box): "10:3" on the way
    // to "10:30" is another valid time. A whole value set at once counts at once.
    connect(m_timeBox, &QLineEdit::textChanged, this, [this] {
        if (!m_showing && controls::wholeValueSet(m_timeBox))
            takeTime();
    });
    connect(m_timeBox, &QLineEdit::editingFinished, this, &AlarmRow::takeTime);
    connect(m_sound, &QSlider::valueChanged, this, &AlarmRow::soundMoved);
    connect(m_extend, &QPushButton::clicked, this, &AlarmRow::extend);
}

QString AlarmRow::ident() const {
    return AlarmTimer::ident();
}

void AlarmRow::setIdent(const QString &section) {
    m_model.load(section);
    showModel();
}

void AlarmRow::showModel() {
    m_showing = true;
    m_sound->setMaximum(m_model.soundCount());
    m_sound->setValue(m_model.soundSlot());
    m_timeBox->setText(m_model.timeBoxText());
    for (int p = 0; p < alarms::kScheduleLength; ++p)
        m_days[std::size_t(p)]->setChecked(m_model.dayTicked(p));
    showSoundDescription();
    m_showing = false;
    showTickState();
}

void AlarmRow::showTickState() {
    const bool showing = m_showing;
    m_showing = true;
    if (m_check->isChecked() != m_model.on())
        m_check->setChecked(m_model.on());
    // Once a minute the text changes; the other 59 ticks leave the box alone.
    if (const QString readout = m_model.readout(); m_text->text() != readout)
        controls::showText(m_text, readout);
    m_showing = showing;
}

void AlarmRow::edited(bool taken) {
    if (taken || m_model.saveError().isEmpty())
        return;
    showModel();
    emit notSaved(m_model.saveError());
}

void AlarmRow::takeTime() {
    edited(m_model.setTimeText(m_timeBox->text()));
    // The box shows the time that counts, or the old one when the text is no time.
    m_showing = true;
    if (m_timeBox->text() != m_model.timeBoxText())
        m_timeBox->setText(m_model.timeBoxText());
    m_showing = false;
}

void AlarmRow::extend() {
    const bool show = m_extended->isHidden();
    m_extended->setVisible(show);
    m_extend->setToolTip(show ? kBackTip : kExtendTip);
}

void AlarmRow::soundMoved(int slot) {
    if (m_showing)
        return;
    const bool taken = m_model.selectSound(slot);
    m_showing = true;
    m_sound->setMaximum(m_model.soundCount());
    m_showing = false;
    if (taken)
        showSoundDescription();
    edited(taken);
}

void AlarmRow::showSoundDescription() {
    const QString description = m_model.soundDescription();
    m_soundLabel->setText(!description.isEmpty()         ? description
                          : m_model.waveFile().isEmpty() ? kNoSound
                                                         : QStringLiteral("(the desk's sound)"));
}

} // namespace vidorev
