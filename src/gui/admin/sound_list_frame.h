#pragma once

#include "admin/admin_rules.h"
#include "platform/services.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QSlider;

namespace vidorev {

class FilePicker;

// The alarm sound list editor ("Frame2"): a slider walks the numbered sounds, the file picker
// chooses a wave file, and the buttons keep a slot, add one, and set the two special sounds.
class SoundListFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit SoundListFrame(Services services, QWidget *parent = nullptr);

    // Sets the panel up as the Options panel opens: the sound box shows fileText, and the
    // slider reaches the stored number of slots.
    void load(const QString &fileText);
    // Lists wave files only.
    void showWaveFiles();

    int slot() const;
    // The wave file the buttons act on.
    QString currentFile() const { return m_file; }

signals:
    void done();

private:
    void showSlot(int n);
    void chooseFile(const QString &path);
    void loadSpecial(admin::SpecialSound which);
    void report(bool saved);
    void say(const QString &text);

    Services m_services;
    QString m_file;
    bool m_loading = false;
    QSlider *m_slider = nullptr;    // HScroll1
    QLineEdit *m_number = nullptr;  // txtSoundNumber
    QLineEdit *m_name = nullptr;    // Text9
    QLineEdit *m_path = nullptr;    // Text5
    FilePicker *m_picker = nullptr; // FileHooker1
    QLabel *m_message = nullptr;
};

} // namespace vidorev
