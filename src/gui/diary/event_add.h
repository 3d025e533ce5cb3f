#pragma once

#include "platform/services.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vidorev {

class DiaryWriter;

// The memo/event panel: writes events, job-stamped memos and notes handed to it by other panels.
class EventAdd : public QWidget {
    Q_OBJECT
public:
    EventAdd(Services services, DiaryWriter &writer, QWidget *parent = nullptr);

    QString user() const { return m_user; }
    // Sets the user, reads their running-job chain and offers "JobStamp" when a clock runs.
    void setUser(const QString &user);

    QString auxId() const { return m_auxId; }
    void setAuxId(const QString &tag) { m_auxId = tag; }

    QString auxString() const { return m_auxString; }
    // Stores the text and at once appends it as a Note record tagged with auxId().
    void setAuxString(const QString &text);

    QString hostVer() const;
    void setHostVer(const QString &tag);

    // The clock section used by the last "JobStamp".
    QString task() const { return m_task; }
    // Why the last record did not reach the Diary; empty when it did.
    QString message() const { return m_message; }

signals:
    void eventClosed();
    void memoPosted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ok();
    void cancel();
    void jobStamp();
    bool append(const QString &record);
    void say(const QString &message);

    Services m_services;
    DiaryWriter &m_writer;
    QString m_user;
    QString m_auxId;
    QString m_auxString;
    QString m_chain;
    QString m_task;
    QString m_message;

    QGroupBox *m_frame = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QLineEdit *m_amount = nullptr;
    QLabel *m_amountLabel = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_jobStamp = nullptr;
};

} // namespace vidorev
