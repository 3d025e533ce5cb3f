#include "admin/holiday_frame.h"

#include "admin/admin_rules.h"
#include "platform/settings_keys.h"
#include "widgets/controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

namespace {
QLabel *helpLabel(const QString &text) {
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QLineEdit *labelledBox(const QString &name, const QString &label, const QString &tip,
                       QLabel **labelOut) {
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->setToolTip(tip);
    box->setAccessibleName(label);
    *labelOut = new QLabel(label);
    (*labelOut)->setBuddy(box);
    return box;
}
} // namespace

HolidayFrame::HolidayFrame(Services services, QWidget *parent)
    : QGroupBox(QStringLiteral("Holidays observed here (Company closed)"), parent)
    , m_services(services) {
    setObjectName(QStringLiteral("fraHolidays"));
    setAccessibleName(title());
    QLabel *monthLabel = nullptr;
    QLabel *dayLabel = nullptr;
    QLabel *listLabel = nullptr;
    m_month = labelledBox(QStringLiteral("txtHolidayMonth"), QStringLiteral("Month"),
                          QStringLiteral("For the fourth of July, \"7\""), &monthLabel);
    m_day = labelledBox(QStringLiteral("txtHolidayDay"), QStringLiteral("Day"),
                        QStringLiteral("For the fourth of July, \"4\""), &dayLabel);
    m_list = labelledBox(QStringLiteral("txtHolidayList"), QStringLiteral("Holiday list"),
                         QStringLiteral("A list of all company holidays."), &listLabel);
    m_month->setMaximumWidth(m_month->fontMetrics().horizontalAdvance(u'0') * 6);
    m_day->setMaximumWidth(m_month->maximumWidth());

    struct Adder {
        const char *name;
        const char *caption;
        admin::HolidayKind kind;
    };
    const Adder adders[] = {{"cmdAddHoliday", "Add Holiday", admin::HolidayKind::Closed},
                            {"cmdAddOtherDate", "Blue day", admin::HolidayKind::Blue},
                            {"cmdGreenDay", "Green day", admin::HolidayKind::Green},
                            {"cmdVioletDay", "Violet day", admin::HolidayKind::Violet}};
    auto *buttons = new QHBoxLayout;
    for (const Adder &a : adders) {
        QPushButton *b = controls::button(QLatin1String(a.name), QLatin1String(a.caption));
        buttons->addWidget(b);
        const admin::HolidayKind kind = a.kind;
        // Whatever is typed is added: the list is the administrator's to shape.
        connect(b, &QPushButton::clicked, this, [this, kind] {
            m_list->setText(m_list->text() +
                            admin::holidayEntry(m_month->text(), m_day->text(), kind));
        });
    }
    QPushButton *remove =
        controls::button(QStringLiteral("cmdRemoveDay"), QStringLiteral("Remove from list"),
                         QStringLiteral("Find month/day in list and remove."));
    buttons->addWidget(remove);
    buttons->addStretch();
    QPushButton *close =
        controls::button(QStringLiteral("cmdCloseHolidays"), QStringLiteral("Return to main"));

    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setStyleSheet(QStringLiteral("color: #a00000"));
    m_message->hide();

    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(monthLabel);
    dateRow->addWidget(m_month);
    dateRow->addWidget(dayLabel);
    dateRow->addWidget(m_day);
    dateRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(helpLabel(QStringLiteral("List all holidays for your company.  Holidays "
                                               "listed will be used in calculating the end of "
                                               "the work-month")));
    layout->addLayout(dateRow);
    layout->addLayout(buttons);
    layout->addWidget(listLabel);
    layout->addWidget(m_list);
    layout->addWidget(helpLabel(
        QStringLiteral("Month number \"*\" will cause the day number to select for all months.")));
    layout->addWidget(helpLabel(QStringLiteral("You may also list \"other special days\" "
                                               "(Quarterly tax days?) that will NOT be treated "
                                               "as \"Closed\" days.")));
    layout->addWidget(m_message);
    layout->addWidget(close, 0, Qt::AlignRight);

    connect(remove, &QPushButton::clicked, this, [this] {
        m_list->setText(admin::removeHoliday(m_list->text(), m_month->text(), m_day->text()));
    });
    connect(close, &QPushButton::clicked, this, [this] {
        if (!m_services.store.save(keys::kAppDiary, keys::kSecAdmin, keys::kHolidays,
                                   m_list->text())) {
            m_message->setText(SettingsStore::notSavedMessage(m_services.store.lastError()));
            m_message->show();
            return;
        }
        m_message->hide();
        emit done();
    });
}

QString HolidayFrame::list() const {
    return m_list->text();
}

void HolidayFrame::setList(const QString &list) {
    m_list->setText(list);
    m_message->hide();
}

} // namespace vidorev
