#include "diary_log/log_reader_panel.h"

#include "admin/admin_rules.h"
#include "calc_special/money_box.h"
#include "calc_special/money_text.h"
#include "platform/settings_keys.h"
#include "widgets/background_run.h"
#include "widgets/controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

namespace {

// A Diary line from its start: a long line shows what it is, not how it ends.
void showLine(QLineEdit *box, const QString &text) {
    controls::showText(box, text);
    box->setCursorPosition(0);
}

} // namespace

LogReaderPanel::LogReaderPanel(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_run(new widgets::BackgroundRun) {
    m_frame = controls::frame(QStringLiteral("Frame1"), QStringLiteral("Diary Browser"), this);
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("Text%1").arg(i + 1);
        m_lines[i] = controls::readOnlyBox(name, name, m_frame);
        controls::tipWholeText(m_lines[i]);
    }

    m_tagLabel = new QLabel(QStringLiteral("show only "), m_frame);
    m_tagLabel->setObjectName(QStringLiteral("Label1"));
    m_tag = controls::lineBox(QStringLiteral("Text4"), QStringLiteral("show only"), m_frame);
    m_tag->setToolTip(QStringLiteral("Diary entries will be filtered by any entry here"));
    m_tagLabel->setBuddy(m_tag);
    auto *dateLabel = new QLabel(QStringLiteral("Job/date"), m_frame);
    dateLabel->setObjectName(QStringLiteral("Label3"));
    m_date = controls::lineBox(QStringLiteral("txtDateSel"), QStringLiteral("Job/date"), m_frame);
    m_date->setToolTip(QStringLiteral("Only show this date"));
    dateLabel->setBuddy(m_date);

    m_hours = new MoneyBox(m_frame);
    m_hours->setObjectName(QStringLiteral("RoundPenny1"));
    m_hours->setToolTip(QStringLiteral("Decimal hours"));
    m_hours->box()->setAccessibleName(QStringLiteral("RoundPenny1"));
    m_hours->setLocked(true);
    m_cashLabel = new QLabel(QStringLiteral("total ="), m_frame);
    m_cashLabel->setObjectName(QStringLiteral("Label2"));
    m_cash = controls::readOnlyBox(QStringLiteral("Text5"), QStringLiteral("total ="), m_frame);
    m_cash->setToolTip(QStringLiteral("Total cash-flow recorded"));
    m_cashLabel->setBuddy(m_cash);

    m_next =
        controls::button(QStringLiteral("Command2"), QStringLiteral("Next 3"), QString(), m_frame);
    m_skip =
        controls::button(QStringLiteral("Command3"), QStringLiteral("Skip 10"), QString(), m_frame);
    m_last = controls::button(QStringLiteral("Command4"), QStringLiteral("Last 3 in log"),
                              QString(), m_frame);
    m_rewind = controls::button(QStringLiteral("cmdReRead"), QStringLiteral("|<<"),
                                QStringLiteral("ReWind logfile"), m_frame);
    m_menu =
        controls::button(QStringLiteral("Command1"), QStringLiteral("Menu"), QString(), m_frame);
    controls::leaveOnEscape(m_menu);
    m_chart = controls::button(QStringLiteral("cmdHoursChart"), QStringLiteral("Hours chart"),
                               QStringLiteral("A week's hours per job and day"), m_frame);
    // Said while "Last 3 in log" reads a long Diary; hidden otherwise.
    m_progress = new QLabel(m_frame);
    m_progress->setObjectName(QStringLiteral("lblProgress"));
    m_progress->hide();
    // Lines whose figures were not added, or too long to read; hidden while there are none.
    m_badLines = new QLabel(m_frame);
    m_badLines->setObjectName(QStringLiteral("lblBadLines"));
    m_badLines->setWordWrap(true);
    m_badLines->hide();

    auto *grid = new QGridLayout(m_frame);
    for (int i = 0; i < 3; ++i)
        grid->addWidget(m_lines[i], i, 0, 1, 4);
    grid->addWidget(m_tagLabel, 3, 0, Qt::AlignRight);
    grid->addWidget(m_tag, 3, 1);
    grid->addWidget(dateLabel, 3, 2, Qt::AlignRight);
    grid->addWidget(m_date, 3, 3);
    grid->addWidget(m_hours, 4, 1);
    grid->addWidget(m_cashLabel, 4, 2, Qt::AlignRight);
    grid->addWidget(m_cash, 4, 3);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_next, m_skip, m_last, m_rewind, m_chart, m_menu})
        buttons->addWidget(b);
    buttons->addStretch();
    grid->addLayout(buttons, 5, 0, 1, 4);
    grid->addWidget(m_progress, 6, 0, 1, 4);
    grid->addWidget(m_badLines, 7, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame);
    layout->addStretch();

    connect(m_next, &QPushButton::clicked, this, [this] { press(Press::NextThree); });
    connect(m_skip, &QPushButton::clicked, this, [this] { press(Press::SkipTen); });
    connect(m_last, &QPushButton::clicked, this, [this] { press(Press::LastThree); });
    connect(m_rewind, &QPushButton::clicked, this, &LogReaderPanel::rewind);
    connect(m_menu, &QPushButton::clicked, this, &LogReaderPanel::menu);
    connect(m_chart, &QPushButton::clicked, this, &LogReaderPanel::chartRequest);
    // Enter in either filter box fetches, as "Next 3" does.
    connect(m_tag, &QLineEdit::returnPressed, this, [this] { press(Press::NextThree); });
    connect(m_date, &QLineEdit::returnPressed, this, [this] { press(Press::NextThree); });
    // Only a walk through thousands of lines reports progress: a short one shows no message.
    connect(m_run, &widgets::BackgroundRun::progress, this, [this](qint64 done, qint64 total) {
        const qint64 percent = total > 0 ? std::min<qint64>(100, done * 100 / total) : 0;
        m_progress->setText(QStringLiteral("Reading the Diary: %1 %").arg(percent));
        m_progress->show();
    });
    connect(m_run, &widgets::BackgroundRun::finished, this, &LogReaderPanel::pressDone);
    setFocusProxy(m_next);
    setUser(QString());
}

LogReaderPanel::~LogReaderPanel() {
    // The reading thread uses the browser: it ends before the browser does.
    m_stop = true;
    delete m_run;
}

void LogReaderPanel::setUser(const QString &user) {
    stopReading();
    m_user = user;
    const QString path =
        m_services.store.get(keys::kAppDiary, user, keys::kFileKey, keys::kNoDiaryPath);
    // A Diary that cannot be read shows as empty lines; the window offers the reader only
    // when the Diary is there.
    m_browser.open(path);
    // Text1 to Text5 start empty; the date box keeps the day last asked for.
    clearLines();
    showBadLines();
    m_tag->clear();
    controls::showText(m_cash, QString());
    m_hours->setText(0.0);
    // A locked desk keeps its totals to itself.
    const bool unlocked = !admin::deskLocked(m_services.store);
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_tag, m_tagLabel, m_cash, m_cashLabel, m_hours, m_chart})
        w->setVisible(unlocked);
}

bool LogReaderPanel::isReading() const {
    return m_run->isRunning();
}

void LogReaderPanel::waitForReading() {
    m_run->wait();
}

void LogReaderPanel::applyFilter() {
    m_browser.setFilter(m_tag->text(), m_date->text());
}

void LogReaderPanel::clearLines() {
    for (QLineEdit *box : m_lines)
        controls::showText(box, QString());
}

void LogReaderPanel::showLines(const diary::LogBrowser::Lines &lines) {
    // A line box holds at most this many characters; a runaway line is not decoded whole.
    const qsizetype room = m_lines[0]->maxLength();
    for (size_t i = 0; i < lines.size(); ++i)
        showLine(m_lines[i],
                 diary::lineText(QByteArrayView(lines[i]).first(std::min(lines[i].size(), room))));
}

void LogReaderPanel::showBadLines() {
    const QString said = m_browser.badLines().summary();
    m_badLines->setText(said);
    m_badLines->setAccessibleName(said);
    m_badLines->setVisible(!said.isEmpty());
}

void LogReaderPanel::showTotals() {
    m_hours->setText(double(m_browser.minutes()) / 60.0);
    // A sum of many amounts, shown without the binary fractions it picked up on the way.
    controls::showText(m_cash, money::amountText(m_browser.cash()));
}

void LogReaderPanel::press(Press what) {
    if (isReading())
        return;
    applyFilter();
    m_pressed = what;
    m_stop = false;
    // A filter that matches nothing reads a ten-year Diary to its end: every press reads off
    // the window's thread, and the window shows the lines when they are found.
    m_run->start([this, what](const widgets::BackgroundRun::Progress &progress) {
        const diary::LogBrowser::Progress goOn = [this, &progress](qint64 done, qint64 total) {
            progress(done, total);
            return !m_stop.load();
        };
        switch (what) {
        case Press::NextThree:
            m_found = m_browser.nextThree(goOn);
            break;
        case Press::SkipTen:
            m_found = m_browser.skipTen(goOn);
            break;
        case Press::LastThree:
            m_found = m_browser.lastThree(goOn);
            break;
        }
        return QString();
    });
}

void LogReaderPanel::pressDone() {
    m_progress->hide();
    if (m_stop)
        return;
    showLines(m_found);
    showBadLines();
    if (m_pressed == Press::SkipTen)
        m_hours->setText(0.0); // the cash total stays as it was
    else
        showTotals();
}

void LogReaderPanel::stopReading() {
    if (!isReading())
        return;
    m_stop = true;
    m_run->wait();
}

void LogReaderPanel::rewind() {
    if (isReading())
        return;
    m_browser.rewind();
    clearLines();
    showBadLines();
    controls::showText(m_cash, QString());
    m_hours->setText(0.0);
}

void LogReaderPanel::menu() {
    stopReading();
    m_browser.close();
    emit menuRequest();
}

} // namespace vidorev
