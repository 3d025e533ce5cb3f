#include "diary_log/log_merge_panel.h"

#include "platform/settings_keys.h"
#include "platform/settings_store.h"
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
const QString kMergeCaption = QStringLiteral("Merge Files Now");

} // namespace

LogMergePanel::LogMergePanel(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services) {
    auto *pathLabel = new QLabel(QStringLiteral("File path"));
    m_pathBox = new QLineEdit;
    m_pathBox->setObjectName(QStringLiteral("FilePathName"));
    m_pathBox->setAccessibleName(pathLabel->text());
    pathLabel->setBuddy(m_pathBox);

    auto *lock1 = controls::button(QStringLiteral("Lock1"), QStringLiteral("InFile 1"));
    auto *lock2 = controls::button(QStringLiteral("Lock2"), QStringLiteral("InFile 2"));
    auto *lock3 = controls::button(QStringLiteral("Lock3"), QStringLiteral("OutFile"));
    m_shown1 = controls::readOnlyBox(QStringLiteral("txtInFile1"), QStringLiteral("Input file 1"));
    m_shown2 = controls::readOnlyBox(QStringLiteral("txtInFile2"), QStringLiteral("Input file 2"));
    m_shownOut = controls::readOnlyBox(QStringLiteral("txtOutFile"), QStringLiteral("Output file"));

    m_execute = controls::button(QStringLiteral("Execute"), kMergeCaption);
    // Wide enough for the progress captions, so the button does not jump while it counts.
    m_execute->setMinimumWidth(
        m_execute->fontMetrics().horizontalAdvance(QStringLiteral("Writing File 2: 100%")) + 24);

    m_replace = controls::frame(QStringLiteral("frmReplace"), QStringLiteral("Replace file?"));
    m_replaceText = new QLabel;
    m_replaceText->setObjectName(QStringLiteral("lblReplace"));
    m_replaceText->setWordWrap(true);
    m_replaceYes = controls::button(QStringLiteral("cmdReplace"), QStringLiteral("Replace"));
    auto *replaceNo = controls::button(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    controls::leaveOnEscape(replaceNo);
    auto *replaceButtons = new QHBoxLayout;
    replaceButtons->addStretch();
    replaceButtons->addWidget(m_replaceYes);
    replaceButtons->addWidget(replaceNo);
    auto *replaceLayout = new QVBoxLayout(m_replace);
    replaceLayout->addWidget(m_replaceText);
    replaceLayout->addLayout(replaceButtons);
    m_replace->hide();

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->hide();

    auto *grid = new QGridLayout;
    grid->addWidget(pathLabel, 0, 0);
    grid->addWidget(m_pathBox, 0, 1);
    grid->addWidget(lock1, 1, 0);
    grid->addWidget(m_shown1, 1, 1);
    grid->addWidget(lock2, 2, 0);
    grid->addWidget(m_shown2, 2, 1);
    grid->addWidget(lock3, 3, 0);
    grid->addWidget(m_shownOut, 3, 1);
    grid->setColumnStretch(1, 1);
    auto *executeRow = new QHBoxLayout;
    executeRow->addStretch();
    executeRow->addWidget(m_execute);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addLayout(executeRow);
    layout->addWidget(m_replace);
    layout->addWidget(m_status);
    layout->addStretch();

    connect(lock1, &QPushButton::clicked, this, [this] { choose(&m_input1, m_shown1); });
    connect(lock2, &QPushButton::clicked, this, [this] { choose(&m_input2, m_shown2); });
    connect(lock3, &QPushButton::clicked, this, [this] { choose(&m_output, m_shownOut); });
    connect(m_execute, &QPushButton::clicked, this, &LogMergePanel::execute);
    connect(m_replaceYes, &QPushButton::clicked, this, [this] { start(true); });
    connect(replaceNo, &QPushButton::clicked, this, [this] {
        askToReplace(false);
        showMessage(QStringLiteral("Not merged: %1 was left as it was").arg(m_output));
    });
    connect(&m_run, &widgets::BackgroundRun::progress, this, &LogMergePanel::showProgress);
    connect(&m_run, &widgets::BackgroundRun::finished, this, &LogMergePanel::finish);
}

QString LogMergePanel::path() const {
    return m_pathBox->text();
}

void LogMergePanel::setPath(const QString &path) {
    m_pathBox->setText(path);
}

QString LogMergePanel::message() const {
    return m_status->isHidden() ? QString() : m_status->text();
}

void LogMergePanel::choose(QString *target, QLineEdit *shown) {
    *target = m_pathBox->text();
    controls::showText(shown, *target);
    // A question about replacing the output was about the paths as they were.
    askToReplace(false);
}

void LogMergePanel::execute() {
    if (m_run.isRunning())
        return;
    const diary::LogMerge merge(m_input1, m_input2, m_output);
    if (!merge.pathsChosen())
        return;
    const diary::MergeResult check = merge.check(false);
    if (check.status == diary::MergeResult::Status::OutputExists) {
        askToReplace(true);
        return;
    }
    if (!check.ok()) {
        askToReplace(false);
        showMessage(check.message);
        return;
    }
    start(false);
}

void LogMergePanel::start(bool replaceExisting) {
    if (m_run.isRunning())
        return;
    askToReplace(false);
    showMessage(QString());
    m_outcome = std::make_shared<diary::MergeResult>();
    m_writing = 1;
    m_execute->setText(QStringLiteral("Writing File 1"));
    const diary::LogMerge merge(m_input1, m_input2, m_output);
    m_runOutput = m_output;
    auto outcome = m_outcome;
    m_run.start(
        [this, merge, outcome, replaceExisting](const widgets::BackgroundRun::Progress &report) {
            *outcome =
                merge.run(replaceExisting, [this, &report](int input, qint64 done, qint64 total) {
                    m_writing = input;
                    report(done, total);
                });
            return outcome->message;
        });
}

void LogMergePanel::showProgress(qint64 done, qint64 total) {
    if (!m_run.isRunning())
        return;
    const int percent = total > 0 ? int(done * 100 / total) : 0;
    m_execute->setText(QStringLiteral("Writing File %1: %2%").arg(m_writing.load()).arg(percent));
}

void LogMergePanel::finish() {
    m_execute->setText(kMergeCaption);
    const diary::MergeResult outcome = *m_outcome;
    // The output appeared after the check: ask, as for any existing output.
    if (outcome.status == diary::MergeResult::Status::OutputExists) {
        askToReplace(true);
        return;
    }
    showMessage(outcome.ok()
                    ? QStringLiteral("Merged %1 lines into %2").arg(outcome.lines).arg(m_runOutput)
                    : outcome.message);
    const QString sound =
        m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kPingAlert, QString());
    if (sound.size() >= 4)
        m_services.sound.play(sound);
    emit mergeEnded();
}

void LogMergePanel::askToReplace(bool ask) {
    if (ask) {
        m_replaceText->setText(
            QStringLiteral("%1 already exists. Replace it with the merged Diary?").arg(m_output));
        showMessage(QString());
    }
    m_replace->setVisible(ask);
    if (ask)
        m_replaceYes->setFocus();
}

void LogMergePanel::showMessage(const QString &text) {
    m_status->setText(text);
    m_status->setAccessibleName(text);
    m_status->setVisible(!text.isEmpty());
}

} // namespace vidorev
