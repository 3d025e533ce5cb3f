#include "diary_log/hours_chart.h"

#include "diary_log/job_totals.h"
#include "platform/file_output.h"
#include "widgets/background_run.h"
#include "widgets/controls.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace vidorev {

namespace {

// Bars of different colours a reader can still tell apart; the table beside the chart lists
// every job.
constexpr int kChartedJobs = 30;

// A dark palette (dark windows, light text) gets the chart's dark theme, so its title, labels
// and legend stay readable on it.
void followPalette(QChart *chart, const QPalette &palette) {
    const bool dark = palette.color(QPalette::Window).lightness() <
                      palette.color(QPalette::WindowText).lightness();
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setBackgroundBrush(palette.color(QPalette::Window));
}

} // namespace

QChart *buildHoursChart(const diary::WeekHours &week, const QPalette &palette) {
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Hours in %1 (%2 to %3)")
                        .arg(diary::isoWeekText(week.monday),
                             week.monday.toString(QStringLiteral("MM-dd-yyyy")),
                             week.monday.addDays(6).toString(QStringLiteral("MM-dd-yyyy"))));
    auto *series = new QStackedBarSeries;
    for (const diary::WeekHours::Job &job : week.charted(kChartedJobs)) {
        auto *set =
            new QBarSet(QStringLiteral("%1 (%2 h)").arg(job.code, diary::hoursText(job.total())));
        for (qint64 minutes : job.minutes)
            *set << minutes / 60.0;
        series->append(set);
    }
    chart->addSeries(series);
    QStringList days;
    for (int d = 0; d < 7; ++d) {
        const QDate day = week.monday.addDays(d);
        days << QLocale::c().dayName(day.dayOfWeek(), QLocale::ShortFormat) + u' ' +
                    QString::number(day.day());
    }
    auto *x = new QBarCategoryAxis;
    x->append(days);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto *y = new QValueAxis;
    y->setTitleText(QStringLiteral("Hours"));
    const diary::HoursAxis axis = diary::hoursAxis(week.busiestDay());
    y->setRange(0, axis.top());
    y->setTickCount(axis.steps + 1);
    y->setLabelFormat(QStringLiteral("%.%1f").arg(axis.decimals()));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    chart->legend()->setAlignment(Qt::AlignBottom);
    followPalette(chart, palette);
    return chart;
}

bool saveHoursChartPng(const diary::WeekHours &week, const QString &path, const QString &diaryPath,
                       QString *error) {
    QChartView view(buildHoursChart(week, QGuiApplication::palette()));
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(900, 520);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    view.grab().toImage().save(&buffer, "PNG");
    // The chart tells of the Diary's hours: no more readable than the Diary.
    files::ReplaceFile file;
    if (!file.open(path, files::outputMode({diaryPath}), {diaryPath}) || !file.write(png) ||
        !file.commit()) {
        if (error != nullptr)
            *error = file.error();
        return false;
    }
    return true;
}

HoursChart::HoursChart(QWidget *parent)
    : QWidget(parent)
    , m_run(new widgets::BackgroundRun(this)) {
    m_prior =
        controls::button(QStringLiteral("cmdPriorWeek"), QStringLiteral("<"),
                         QStringLiteral("The week before"), this, QStringLiteral("Previous week"));
    m_next = controls::button(QStringLiteral("cmdNextWeek"), QStringLiteral(">"),
                              QStringLiteral("The week after"), this, QStringLiteral("Next week"));
    auto *menu = controls::button(QStringLiteral("cmdChartBack"), QStringLiteral("Back"),
                                  QStringLiteral("Back to the log reader"), this);
    controls::leaveOnEscape(menu);
    m_weekBox = new QLineEdit(this);
    m_weekBox->setObjectName(QStringLiteral("txtWeek"));
    m_weekBox->setToolTip(QStringLiteral("A week as 2026-W49; Enter shows it"));
    m_weekBox->setAccessibleName(QStringLiteral("Week"));
    m_weekBox->setMaximumWidth(110);
    auto *weekLabel = new QLabel(QStringLiteral("Week"), this);
    weekLabel->setBuddy(m_weekBox);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblChartStatus"));

    m_view = new QChartView(buildHoursChart(m_week, palette()), this);
    m_view->setObjectName(QStringLiteral("chartHours"));
    m_view->setAccessibleName(QStringLiteral("Hours per job and day"));
    m_view->setRenderHint(QPainter::Antialiasing);
    // Wide enough for seven day labels ("Wed 30") side by side beside the hours axis; narrower,
    // the chart cuts them to "We...".
    const int day = fontMetrics().horizontalAdvance(QStringLiteral("Wed 30")) + 18;
    m_view->setMinimumSize(7 * day + 120, 300);
    m_view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding); // grows with the window

    m_totals = new QTableWidget(0, 2, this);
    m_totals->setObjectName(QStringLiteral("tblWeekTotals"));
    m_totals->setAccessibleName(QStringLiteral("Week's hours per job"));
    m_totals->setHorizontalHeaderLabels({QStringLiteral("Job"), QStringLiteral("Hours")});
    m_totals->verticalHeader()->hide();
    m_totals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_totals->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_totals->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_totals->setMaximumWidth(200);

    auto *top = new QHBoxLayout;
    top->addWidget(m_prior);
    top->addWidget(weekLabel);
    top->addWidget(m_weekBox);
    top->addWidget(m_next);
    top->addWidget(m_status, 1);
    top->addWidget(menu);
    auto *body = new QHBoxLayout;
    body->addWidget(m_view, 1);
    body->addWidget(m_totals);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);

    connect(m_prior, &QPushButton::clicked, this, [this] { load(m_week.monday.addDays(-7)); });
    connect(m_next, &QPushButton::clicked, this, [this] { load(m_week.monday.addDays(7)); });
    connect(m_weekBox, &QLineEdit::returnPressed, this, [this] {
        const QDate monday = diary::mondayOfIsoWeek(m_weekBox->text());
        if (monday.isValid())
            load(monday);
        else
            m_status->setText(QStringLiteral("Not a week: write it as 2026-W49"));
    });
    connect(menu, &QPushButton::clicked, this, &HoursChart::menuRequest);
    connect(m_run, &widgets::BackgroundRun::progress, this, [this](qint64 done, qint64 total) {
        m_status->setText(
            QStringLiteral("Reading the Diary... %1%").arg(total > 0 ? done * 100 / total : 0));
    });
    connect(m_run, &widgets::BackgroundRun::finished, this, [this](const QString &error) {
        if (!error.isEmpty()) {
            m_status->setText(error);
            return;
        }
        m_week = m_pending;
        present();
        // A week asked for while this one was read.
        if (m_wanted.isValid() && m_wanted != m_week.monday)
            load(m_wanted);
    });
}

HoursChart::~HoursChart() = default;

void HoursChart::changeEvent(QEvent *event) {
    if (event->type() == QEvent::PaletteChange)
        followPalette(m_view->chart(), palette());
    QWidget::changeEvent(event);
}

QChart *HoursChart::chart() const {
    return m_view->chart();
}

void HoursChart::showDiary(const QString &path, const QDate &day) {
    m_path = path;
    m_week = {};
    load(day.addDays(1 - day.dayOfWeek()));
}

void HoursChart::load(const QDate &monday) {
    m_wanted = monday;
    m_weekBox->setText(diary::isoWeekText(monday));
    if (m_run->isRunning())
        return;
    m_status->setText(QStringLiteral("Reading the Diary..."));
    const QString path = m_path;
    m_run->start([this, path, monday](const widgets::BackgroundRun::Progress &progress) {
        QString error;
        diary::WeekHours week;
        if (!diary::weekHoursOf(path, monday, &week, &error, progress))
            return error;
        m_pending = week;
        return QString();
    });
}

void HoursChart::present() {
    QChart *old = m_view->chart();
    m_view->setChart(buildHoursChart(m_week, palette()));
    delete old;
    m_weekBox->setText(diary::isoWeekText(m_week.monday));
    m_totals->setRowCount(int(m_week.jobs.size()) + 1);
    int row = 0;
    for (const diary::WeekHours::Job &job : m_week.jobs) {
        m_totals->setItem(row, 0, new QTableWidgetItem(job.code));
        m_totals->setItem(row++, 1, new QTableWidgetItem(diary::hoursText(job.total())));
    }
    m_totals->setItem(row, 0, new QTableWidgetItem(QStringLiteral("All jobs")));
    m_totals->setItem(row, 1, new QTableWidgetItem(diary::hoursText(m_week.total())));
    QStringList status;
    if (m_week.jobs.isEmpty())
        status << QStringLiteral("No hours in this week");
    // The chart leaves out what it could not count, and says so.
    if (!m_week.bad.isEmpty())
        status << m_week.bad.summary();
    m_status->setText(status.join(QStringLiteral(". ")));
}

void HoursChart::waitForWeek() {
    m_run->wait();
}

} // namespace vidorev
