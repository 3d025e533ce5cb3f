#include "alarms/holiday_strip.h"

#include "alarms/holiday_list.h"
#include "platform/clock.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"

#include <QHBoxLayout>
#include <QLabel>

namespace vidorev {

namespace {
const QString kTip =
    QStringLiteral("Day of week and holidays display.  Today underlined, holiday red.");
constexpr struct {
    const char *name;
    const char *caption;
    const char *day;
} kLetters[7] = {
    {"lblSunday", "S", "Sunday"},     {"lblMonday", "M", "Monday"},
    {"lblTuesday", "T", "Tuesday"},   {"lblWednesday", "W", "Wednesday"},
    {"lblThursday", "T", "Thursday"}, {"lblFriday", "F", "Friday"},
    {"lblSaturday", "S", "Saturday"},
};

QColor fromBgr(alarms::BgrColour colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}
} // namespace

HolidayStrip::HolidayStrip(const SettingsStore &store, const Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_store(store)
    , m_clock(clock) {
    auto *frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("pbStripFrame"));
    frame->setToolTip(kTip);
    auto *row = new QHBoxLayout(frame);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(10);
    for (std::size_t i = 0; i < m_letters.size(); ++i) {
        auto *label = new QLabel(QString::fromLatin1(kLetters[i].caption), frame);
        label->setObjectName(QString::fromLatin1(kLetters[i].name));
        label->setToolTip(kTip);
        label->setAccessibleName(QString::fromLatin1(kLetters[i].day));
        label->setAutoFillBackground(false);
        row->addWidget(label);
        m_letters[i] = label;
    }
    row->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setToolTip(kTip);
}

void HolidayStrip::setDisplay() {
    const QString list = m_store.get(m_host, m_user, m_self, keys::kEmptyHolidays);
    const auto marks = alarms::scanWeek(list, m_clock.now().date());
    for (std::size_t i = 0; i < m_letters.size(); ++i) {
        QLabel *label = m_letters[i];
        QFont font = label->font();
        font.setBold(marks[i].bold);
        font.setUnderline(marks[i].underlined);
        label->setFont(font);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, fromBgr(marks[i].colour));
        label->setPalette(colours);
        // A screen reader hears what the colour and underline show.
        QString description = marks[i].underlined ? QStringLiteral("today") : QString();
        if (marks[i].bold)
            description += (description.isEmpty() ? QString() : QStringLiteral(", ")) +
                           (marks[i].colour == alarms::kHolidayRed ? QStringLiteral("holiday")
                                                                   : QStringLiteral("marked day"));
        label->setAccessibleDescription(description);
    }
}

} // namespace vidorev
