#include "test_env.h"

#include "platform/settings_keys.h"

#include <QFile>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vidorev::test {

QDateTime referenceTime() {
    return QDateTime(QDate(2026, 12, 4), QTime(15, 45, 12));
}

FullDisk::FullDisk(rlim_t room) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &m_action);
    ::getrlimit(RLIMIT_FSIZE, &m_limit);
    const rlimit none{room, m_limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &none);
}

FullDisk::~FullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &m_limit);
    ::sigaction(SIGXFSZ, &m_action, nullptr);
}

namespace {
constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

// The thread's capabilities (the first 32), effective set replaced by effective.
unsigned setEffective(unsigned effective, bool set) {
    __user_cap_header_struct head{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    ::syscall(SYS_capget, &head, data);
    const unsigned was = data[0].effective;
    if (set) {
        data[0].effective = effective;
        ::syscall(SYS_capset, &head, data);
    }
    return was;
}
} // namespace

ObeyPermissions::ObeyPermissions()
    : m_effective(setEffective(0, false)) {
    setEffective(m_effective & ~kOverrides, true);
}

ObeyPermissions::~ObeyPermissions() {
    setEffective(m_effective, true);
}

TestEnv::TestEnv()
    : m_store(SettingsStore::open(m_dir.filePath(QStringLiteral("settings.sqlite"))))
    , m_clock(referenceTime()) {}

QString TestEnv::makeDiary(const QString &user, const QString &name) {
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return {};
    file.close();
    m_store->save(keys::kAppDiary, user, keys::kFileKey, path);
    return path;
}

QStringList TestEnv::diaryLines(const QString &path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString TestEnv::get(const QString &section, const QString &key, const QString &dflt) const {
    return m_store->get(keys::kAppDiary, section, key, dflt);
}

void TestEnv::put(const QString &section, const QString &key, const QString &value) {
    m_store->save(keys::kAppDiary, section, key, value);
}

QStringList TestEnv::snapshot() const {
    QStringList all;
    for (const SettingsStore::Entry &e : m_store->entries())
        all << e.application + u'|' + e.section + u'|' + e.key + u'|' + e.value;
    return all;
}

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

} // namespace vidorev::test
