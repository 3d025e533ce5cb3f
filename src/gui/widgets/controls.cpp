#include "widgets/controls.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>
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
const char *const kLeaves = "vidorevLeavesOnEscape";

// A runaway line is not made a screen-high tooltip.
constexpr qsizetype kTipRoom = 2000;

// Keeps a box's tooltip in step with its text and width.
class WholeTextTip : public QObject {
public:
    WholeTextTip(QLineEdit *box, TextTip when)
        : QObject(box)
        , m_box(box)
        , m_when(when)
        , m_ownTip(box->toolTip()) {
        if (!m_ownTip.isEmpty() && box->accessibleDescription().isEmpty())
            box->setAccessibleDescription(m_ownTip);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, &WholeTextTip::update);
        update();
    }

    bool eventFilter(QObject *, QEvent *event) override {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::Show:
            update();
            break;
        case QEvent::FocusOut:
            // A box left with its end in view shows how its text begins, as a loaded one does;
            // a menu or tooltip taking the focus for a moment moves nothing.
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason &&
                textCut(m_box))
                m_box->setCursorPosition(0);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void update() {
        const QString text = m_box->text();
        const bool whole = m_when == TextTip::Always ? !text.isEmpty() : textCut(m_box);
        QString tip = !whole                    ? m_ownTip
                      : text.size() <= kTipRoom ? text
                                                : text.left(kTipRoom) + QChar(0x2026);
        // A Diary line such as "...<A note>" would be taken for markup and lose its words.
        if (whole && Qt::mightBeRichText(tip))
            tip = Qt::convertFromPlainText(tip);
        if (tip != m_box->toolTip())
            m_box->setToolTip(tip);
    }

    QLineEdit *m_box;
    TextTip m_when;
    QString m_ownTip;
};
} // namespace

void tipWholeText(QLineEdit *box, TextTip when) {
    new WholeTextTip(box, when);
}

bool textCut(const QLineEdit *box) {
    // The room QLineEdit paints its text in: its contents less its frame and text margins, and
    // the two pixels it keeps clear on each side.
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect room = box->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                           .marginsRemoved(box->textMargins());
    constexpr int kClear = 2;
    return box->fontMetrics().horizontalAdvance(box->displayText()) > room.width() - 2 * kClear;
}

void leaveOnEscape(QPushButton *button) {
    button->setProperty(kLeaves, true);
}

bool leavesOnEscape(const QWidget *widget) {
    return widget->property(kLeaves).toBool();
}

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
