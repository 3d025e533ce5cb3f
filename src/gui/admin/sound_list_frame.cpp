#include "admin/sound_list_frame.h"

#include "widgets/controls.h"
#include "widgets/file_picker.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace vidorev {

SoundListFrame::SoundListFrame(Services services, QWidget *parent)
    : QGroupBox(QStringLiteral("Set Alarm Clock SoundFile"), parent)
    , m_services(services) {
    setObjectName(QStringLiteral("Frame2"));
    setAccessibleName(title());

    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setObjectName(QStringLiteral("HScroll1"));
    m_slider->setAccessibleName(QStringLiteral("Sound slot"));
    m_slider->setFocusPolicy(Qt::StrongFocus);
    m_slider->setPageStep(1);
    m_number = controls::lineBox(QStringLiteral("txtSoundNumber"), QStringLiteral("Sound number"));
    m_number->setReadOnly(true);
    controls::keepReadOnly(m_number);
    m_number->setMaximumWidth(m_number->fontMetrics().horizontalAdvance(u'0') * 6);
    m_name = controls::lineBox(QStringLiteral("Text9"), QStringLiteral("Sound name"));
    m_path = controls::lineBox(QStringLiteral("Text5"), QStringLiteral("Sound file"));
    m_picker = new FilePicker;
    m_picker->setObjectName(QStringLiteral("FileHooker1"));

    QPushButton *play = controls::button(QStringLiteral("cmdPlayIt"), QStringLiteral("Play It"),
                                         QStringLiteral("Preview the sound"));
    QPushButton *add =
        controls::button(QStringLiteral("cmdAddSound"), QStringLiteral("Add a Sound option"));
    QPushButton *save =
        controls::button(QStringLiteral("cmdSaveSelection"), QStringLiteral("Save Selection"),
                         QStringLiteral("You must click to save the changes"));
    // Each special sound has a pair: keep the current file as that sound, or show it.
    QPushButton *alertSave = controls::button(QStringLiteral("cmdAlertSave"), QStringLiteral("!"),
                                              QStringLiteral("Alert: keep this file"), nullptr,
                                              QStringLiteral("Keep as alert sound"));
    QPushButton *alertLoad = controls::button(QStringLiteral("cmdAlertLoad"), QStringLiteral("!"),
                                              QStringLiteral("Alert: show its file"), nullptr,
                                              QStringLiteral("Show alert sound"));
    QPushButton *cashSave = controls::button(QStringLiteral("cmdCashSave"), QStringLiteral("$"),
                                             QStringLiteral("ToDo check-off"), nullptr,
                                             QStringLiteral("Keep as check-off sound"));
    QPushButton *cashLoad = controls::button(QStringLiteral("cmdCashLoad"), QStringLiteral("$"),
                                             QStringLiteral("ToDo check-off"), nullptr,
                                             QStringLiteral("Show check-off sound"));
    QPushButton *ok = controls::button(QStringLiteral("cmdSoundOK"), QStringLiteral("OK"));

    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setStyleSheet(QStringLiteral("color: #a00000"));
    m_message->setWordWrap(true);
    m_message->hide();

    auto *slotRow = new QHBoxLayout;
    auto *slotLabel = new QLabel(QStringLiteral("Sound"));
    slotLabel->setBuddy(m_slider);
    slotRow->addWidget(slotLabel);
    slotRow->addWidget(m_slider, 1);
    slotRow->addWidget(m_number);
    auto *fields = new QGridLayout;
    auto *nameLabel = new QLabel(QStringLiteral("Name"));
    nameLabel->setBuddy(m_name);
    auto *pathLabel = new QLabel(QStringLiteral("Wave file"));
    pathLabel->setBuddy(m_path);
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(pathLabel, 1, 0);
    fields->addWidget(m_path, 1, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {play, add, save})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *special = new QHBoxLayout;
    special->addWidget(new QLabel(QStringLiteral("Alert")));
    special->addWidget(alertSave);
    special->addWidget(alertLoad);
    special->addSpacing(12);
    special->addWidget(new QLabel(QStringLiteral("Check-off")));
    special->addWidget(cashSave);
    special->addWidget(cashLoad);
    special->addStretch();
    special->addWidget(ok);
    for (QPushButton *b : {alertSave, alertLoad, cashSave, cashLoad})
        b->setFixedWidth(b->sizeHint().height() * 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(slotRow);
    layout->addLayout(fields);
    layout->addWidget(m_picker, 1);
    layout->addLayout(buttons);
    layout->addLayout(special);
    layout->addWidget(m_message);

    connect(m_slider, &QSlider::valueChanged, this, &SoundListFrame::showSlot);
    connect(m_picker, &FilePicker::fileChosen, this, [this] { chooseFile(m_picker->path()); });
    // A path typed (or set by a screen reader) is the file the buttons act on.
    connect(m_path, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_loading)
            m_file = text;
    });
    connect(play, &QPushButton::clicked, this, [this] {
        if (m_file.size() >= 5)
            m_services.sound.play(m_file);
    });
    connect(add, &QPushButton::clicked, this, [this] {
        const int count = admin::addSoundOption(m_services.store);
        report(count >= 0);
        if (count >= 0)
            m_slider->setMaximum(count);
    });
    connect(save, &QPushButton::clicked, this, [this] {
        if (const QString why = admin::soundSlotProblem(slot()); !why.isEmpty()) {
            say(why);
            return;
        }
        report(admin::saveSoundSelection(m_services.store, slot(), {m_name->text(), m_file}));
    });
    connect(alertSave, &QPushButton::clicked, this, [this] {
        report(admin::saveSpecialSound(m_services.store, admin::SpecialSound::Alert, m_file));
    });
    connect(cashSave, &QPushButton::clicked, this, [this] {
        report(admin::saveSpecialSound(m_services.store, admin::SpecialSound::CheckOff, m_file));
    });
    connect(alertLoad, &QPushButton::clicked, this,
            [this] { loadSpecial(admin::SpecialSound::Alert); });
    connect(cashLoad, &QPushButton::clicked, this,
            [this] { loadSpecial(admin::SpecialSound::CheckOff); });
    connect(ok, &QPushButton::clicked, this, &SoundListFrame::done);
}

void SoundListFrame::load(const QString &fileText) {
    {
        const QSignalBlocker quiet(m_slider);
        m_slider->setMaximum(admin::soundCount(m_services.store));
    }
    // The slot the slider stands on is shown from the start, so that its number is never
    // missing beside a slider that names one.
    showSlot(slot());
    if (!fileText.trimmed().isEmpty())
        chooseFile(fileText);
    say({});
}

void SoundListFrame::showWaveFiles() {
    m_picker->setPattern(QStringLiteral("*.wav"));
}

int SoundListFrame::slot() const {
    return m_slider->value();
}

void SoundListFrame::showSlot(int n) {
    const admin::SoundSlot s = admin::soundSlot(m_services.store, n);
    controls::showText(m_number, QString::number(n));
    m_name->setText(s.name);
    m_file = s.file;
    m_loading = true;
    m_path->setText(s.file);
    m_loading = false;
    if (s.file.size() > 2)
        m_picker->setPath(s.file);
}

void SoundListFrame::chooseFile(const QString &path) {
    m_file = path;
    m_loading = true;
    m_path->setText(path);
    m_loading = false;
}

void SoundListFrame::loadSpecial(admin::SpecialSound which) {
    chooseFile(admin::specialSound(m_services.store, which));
    m_name->setText(admin::specialSoundName(which));
}

void SoundListFrame::report(bool saved) {
    say(saved ? QString() : SettingsStore::notSavedMessage(m_services.store.lastError()));
}

void SoundListFrame::say(const QString &text) {
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

} // namespace vidorev
