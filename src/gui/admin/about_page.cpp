#include "admin/about_page.h"

#include "platform/version.h"
#include "widgets/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vidorev {

AboutPage::AboutPage(QWidget *parent)
    : QWidget(parent) {
    QGroupBox *frame = controls::frame(QStringLiteral("Frame1"), QStringLiteral("About Vidorev"));
    m_version = new QLabel;
    m_version->setObjectName(QStringLiteral("Label1"));
    QFont bold = m_version->font();
    bold.setBold(true);
    m_version->setFont(bold);
    auto *begin = new QLabel(QStringLiteral(
        "To begin: 1. type your name in the User box of the main menu. 2. Press \"New Diary\", "
        "then \"Make New File\" and \"File OK\" to make your Diary. 3. Press \"JobTrack\", "
        "type a job's name and code, and press \"Start\"."));
    begin->setObjectName(QStringLiteral("lblBegin"));
    auto *toDo = new QLabel(QStringLiteral(
        "The ToDo list now also tracks time spent on tasks.  To set a jobcode to a task list, use "
        "the edit text box on the ToDo List Utilities screen, available from the main menu."));
    toDo->setObjectName(QStringLiteral("Label3"));
    auto *diary = new QLabel(QStringLiteral(
        "Diary functions are per user name, several users can use one Vidorev, or one user can "
        "use several names.  The only diary function that will work without a valid entry in the "
        "user box is the File Selector.  Use the File Selector to establish a valid user."));
    diary->setObjectName(QStringLiteral("Label2"));
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(m_version);
    for (QLabel *label : {begin, toDo, diary}) {
        label->setWordWrap(true);
        // A screen reader reaches the texts by keyboard, one after the other.
        label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        label->setFocusPolicy(Qt::StrongFocus);
        label->setAccessibleName(label->text());
        layout->addWidget(label);
    }
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    outer->addStretch();
    setVerData(QString());
}

void AboutPage::setVerData(const QString &version) {
    const QString shown = version.trimmed().isEmpty() ? Version::current().full() : version;
    m_version->setText(QStringLiteral("Vidorev version %1").arg(shown));
}

QString AboutPage::versionText() const {
    return m_version->text();
}

} // namespace vidorev
