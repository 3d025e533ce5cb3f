#pragma once

// What every test of the system's rules uses: the store and its keys, the services, files and
// folders, and GoogleTest.
#include "platform/clock.h"
#include "platform/notifier.h"
#include "platform/services.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "platform/sound_player.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <ostream>
#include <sys/resource.h>

// Readable test failures for Qt strings.
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace vidorev::test {

// A sound player that remembers what it was asked to play.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    void play(const QString &wavePath) override { played << wavePath; }
    QStringList played;
};

// A notifier that remembers each notice as "summary | body".
class RecordingNotifier final : public Notifier {
public:
    void notify(const QString &summary, const QString &body) override {
        notices << summary + QStringLiteral(" | ") + body;
    }
    QStringList notices;
};

// A private folder with a fresh store, a fixed clock, a recording sound player and notifier.
class TestEnv {
public:
    TestEnv();

    QString dir() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // Creates an empty Diary in the folder and points the user's "FileKey" at it.
    QString makeDiary(const QString &user, const QString &name = QStringLiteral("diary.log"));
    QStringList diaryLines(const QString &path) const;
    // A value of the Diary application's store, and its write.
    QString get(const QString &section, const QString &key, const QString &dflt = {}) const;
    void put(const QString &section, const QString &key, const QString &value);
    // Every value the store holds, one text each, to compare before and after an action.
    QStringList snapshot() const;

    SettingsStore &store() { return *m_store; }
    FixedClock &clock() { return m_clock; }
    RecordingSoundPlayer &sound() { return m_sound; }
    RecordingNotifier &notifier() { return m_notifier; }
    Services services() { return {*m_store, m_clock, m_sound, m_notifier}; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    FixedClock m_clock;
    RecordingSoundPlayer m_sound;
    RecordingNotifier m_notifier;
};

// While it lives, files cannot grow past room bytes, as on a full disk: the process's file-size
// limit is lowered and SIGXFSZ ignored, so such a write() fails with EFBIG. Reads, writes to
// pipes and terminals, and writes below room go on (keep test assertions out of its scope: the
// test log may be a file).
class FullDisk {
public:
    explicit FullDisk(rlim_t room = 0);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_limit{};
    struct sigaction m_action {};
};

// While it lives, the calling thread is held to file permissions even when the tests run as
// root (its overrides of them are set aside), so a folder of mode 000 cannot be read, as for
// any user.
class ObeyPermissions {
public:
    ObeyPermissions();
    ~ObeyPermissions();
    ObeyPermissions(const ObeyPermissions &) = delete;
    ObeyPermissions &operator=(const ObeyPermissions &) = delete;

private:
    unsigned m_effective = 0;
};
// What f returns when run on a full disk (only files past room bytes fail).
template <typename F> auto onFullDisk(F f, rlim_t room = 0) {
    FullDisk full(room);
    return f();
}

// 2026-12-04 15:45:12 local, a Friday.
QDateTime referenceTime();

// A file's whole contents, or "<missing>"; and a file written anew, its path returned.
QByteArray fileBytes(const QString &path);
QString writeFile(const QString &path, const QByteArray &bytes);

} // namespace vidorev::test
