#pragma once

#include "platform/services.h"

#include <QWidget>

#include <memory>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vidorev {

class BillingFrame;
class DataMiningPanel;
class HolidayFrame;
class UserListEditor;
class MergeFrame;
class PercentBox;
class SoundListFrame;

namespace admin {
struct PanicOutcome;
}
namespace widgets {
class BackgroundRun;
}

// "Admin", the administrator's Options panel: one frame at a time. The first keeps the
// administrator's name, the lock, the tax rate, the time zone and the company name and edits the
// user list; its buttons open the holiday list, the alarm sounds, the billing reports, the log
// merge, the help and the disaster recovery (a wipe of every setting, after a backup).
class OptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit OptionsPanel(Services services, QWidget *parent = nullptr);

    // Reads "******", whoever was written: the panel does not tell whose it is.
    QString user() const;
    // Loads every frame for user and shows the first.
    void setUser(const QString &user);

    // Adds a page (such as the data miner) that shows in place of the frames.
    void addPage(QWidget *page);
    // Shows one frame or added page, hiding the rest.
    void showOnly(QWidget *page);
    QGroupBox *mainFrame() const { return m_frame1; }

    BillingFrame *billingFrame() const { return m_billing; }
    MergeFrame *mergeFrame() const { return m_merge; }
    SoundListFrame *soundFrame() const { return m_sounds; }
    HolidayFrame *holidayFrame() const { return m_holidays; }
    DataMiningPanel *dataMiningPanel() const { return m_dataMiningPanel; }

    // What the panel last said on its first frame or its recovery frame ("" when nothing).
    QString message() const;
    QString panicMessage() const;
    // The backup and wipe run on a thread of their own; true until their end is shown.
    bool panicRunning() const;

signals:
    void menuRequest();

private:
    QGroupBox *buildMainFrame();
    QGroupBox *buildHelpFrame();
    QGroupBox *buildPanicFrame();
    void ok();
    void panic();
    void panicEnded();
    void say(const QString &text);

    Services m_services;
    QString m_user;
    bool m_loading = false;
    std::vector<QWidget *> m_pages;

    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame3 = nullptr;
    QGroupBox *m_panicFrame = nullptr;            // fraPanic
    SoundListFrame *m_sounds = nullptr;           // Frame2
    BillingFrame *m_billing = nullptr;            // Frame4
    MergeFrame *m_merge = nullptr;                // LogShuffle
    HolidayFrame *m_holidays = nullptr;           // fraHolidays
    DataMiningPanel *m_dataMiningPanel = nullptr; // DataMine1

    QLineEdit *m_adminName = nullptr;     // Text1
    QCheckBox *m_locked = nullptr;        // Check1
    PercentBox *m_taxRate = nullptr;      // Text3
    QLineEdit *m_timeZone = nullptr;      // Text4
    QLineEdit *m_company = nullptr;       // txtCompanyName
    UserListEditor *m_userList = nullptr; // UserList
    QLabel *m_message = nullptr;
    QPushButton *m_doIt = nullptr; // cmdDeleteUsers
    QPushButton *m_cancelPanic = nullptr;
    QLabel *m_panicMessage = nullptr;
    QProgressBar *m_panicProgress = nullptr;
    widgets::BackgroundRun *m_panicRun = nullptr;
    std::shared_ptr<admin::PanicOutcome> m_panicOutcome;
    bool m_wiped = false;
};

} // namespace vidorev
