#include "widgets/wave_sound_player.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace vidorev {

WaveSoundPlayer::WaveSoundPlayer(QString modulePath, QString chimePath, QObject *parent)
    : QObject(parent)
    , m_modulePath(std::move(modulePath))
    , m_chimePath(std::move(chimePath)) {}

WaveSoundPlayer::~WaveSoundPlayer() {
    // Qt Multimedia's sample cache, torn down at exit while a wave is still being loaded, waits
    // for its loading thread while that thread waits for the cache's lock: the program would
    // hang on quitting just after an alarm rang. Each sound started (a child of this player)
    // says whether it is still loading ("status" 1); give them a moment to finish.
    constexpr int kLoading = 1;
    const QDeadlineTimer deadline(3000);
    const auto loading = [this] {
        for (const QObject *sound : children())
            if (sound->property("status").toInt() == kLoading)
                return true;
        return false;
    };
    while (loading() && !deadline.hasExpired() && QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

QString WaveSoundPlayer::modulePathFrom(const QString &programFolder) {
    // The module's folder relative to the program's is the same in the build and install trees.
    return QDir(programFolder)
        .filePath(QStringLiteral(VIDOREV_MODULE_DIR "/" VIDOREV_WAVE_MODULE_FILE));
}

QString WaveSoundPlayer::chimePathFrom(const QString &programFolder) {
    return QDir(programFolder).filePath(QStringLiteral(VIDOREV_SOUND_DIR "/" VIDOREV_CHIME_FILE));
}

void WaveSoundPlayer::play(const QString &requested) {
    const QString &wavePath = requested == kBuiltInChime ? m_chimePath : requested;
    if (!QFileInfo(wavePath).isFile())
        return;
    if (!m_tried) {
        m_tried = true;
        QLibrary module(m_modulePath);
        m_play = reinterpret_cast<PlayWaveFunction>(module.resolve(kPlayWaveSymbol));
        if (m_play == nullptr) {
            m_error = module.errorString();
            emit lost(m_error);
        }
    }
    if (m_play != nullptr)
        m_play(this, wavePath);
}

} // namespace vidorev
