#include "widgets/controls.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vidorev::controls {

QPushButton *button(const QString &name, const QString &caption, const QString &tip,
                    QWidget *parent, const QString &accessibleName) {
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setAccessibleName(accessibleName.isEmpty() ? QString(caption).remove(u'&') : accessibleName);
    b->setAutoDefault(false);
    return b;
}

QGroupBox *frame(const QString &name, const QString &title, QWidget *parent) {
    auto *f = new QGroupBox(title, parent);
    f->setObjectName(name);
    f->setAccessibleName(title);
    return f;
}

QPushButton *fillHelpFrame(QGroupBox *frame, const QString &text) {
    auto *label = new QLabel(text, frame);
    label->setObjectName(QStringLiteral("Label2"));
    label->setWordWrap(true);
    auto *ok = button(QStringLiteral("Command3"), QStringLiteral("OK"), QString(), frame);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(label);
    layout->addWidget(ok, 0, Qt::AlignRight);
    return ok;
}

namespace {
const char *const kRowPart = "vidorevRowPart";
const char *const kShownText = "vidorevShownText";
} // namespace

void setRowPart(QWidget *control, const QString &part) {
    control->setProperty(kRowPart, part);
}

void nameRow(QWidget *row, const QString &rowName) {
    for (QWidget *w : row->findChildren<QWidget *>()) {
        QVariant part = w->property(kRowPart);
        if (!part.isValid()) {
            if (w->accessibleName().isEmpty())
                continue;
            part = w->accessibleName();
            setRowPart(w, part.toString());
        }
        const QString own = part.toString();
        w->setAccessibleName(own.isEmpty() ? rowName : rowName + u' ' + own);
    }
}

void keepReadOnly(QLineEdit *box) {
    box->setProperty(kShownText, box->text());
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString &text) {
        const QString shown = box->property(kShownText).toString();
        if (!box->isReadOnly())
            box->setProperty(kShownText, text);
        else if (text != shown)
            box->setText(shown);
    });
}

void showText(QLineEdit *box, const QString &text) {
    box->setProperty(kShownText, text);
    box->setText(text);
}

QWidget *tickingReadout(QLineEdit *box) {
    auto *frame = new QFrame;
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame->setFocusProxy(box);
    box->setFrame(false);
    box->setAutoFillBackground(true);
    box->setAttribute(Qt::WA_OpaquePaintEvent);
    box->setBackgroundRole(QPalette::Base);
    frame->setBackgroundRole(QPalette::Base);
    frame->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(frame);
    const int margin = frame->frameWidth();
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(box);
    return frame;
}

bool wholeValueSet(const QLineEdit *box) {
    return !box->isModified();
}

QLineEdit *lineBox(const QString &name, const QString &accessibleName, QWidget *parent) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    return box;
}

QLineEdit *readOnlyBox(const QString &name, const QString &accessibleName, QWidget *parent) {
    QLineEdit *box = lineBox(name, accessibleName, parent);
    box->setReadOnly(true);
    keepReadOnly(box);
    return box;
}

void onEachMinute(QObject *owner, const std::function<void()> &show) {
    auto *timer = new QTimer(owner);
    timer->setInterval(15000);
    QObject::connect(timer, &QTimer::timeout, owner, show);
    timer->start();
}

} // namespace vidorev::controls
