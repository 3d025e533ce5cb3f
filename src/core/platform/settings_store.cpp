#include "platform/settings_store.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vidorev {

namespace {

QString fold(const QString &name) {
    return name.toCaseFolded();
}

QString sqliteMessage(sqlite3 *db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

[[noreturn]] void fail(const QString &path, const QString &why) {
    throw StoreError(QStringLiteral("Cannot open the settings store %1: %2")
                         .arg(QDir::toNativeSeparators(path), why)
                         .toStdString());
}

// Creates the file with owner-only permissions before SQLite sees it; SQLite gives its
// journal files the same mode.
void createPrivateFile(const QString &path) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        fail(path, QString::fromLocal8Bit(strerror(errno)));
    ::fchmod(fd, 0600);
    ::close(fd);
}

int scalarInt(sqlite3 *db, const char *sql, bool *ok) {
    sqlite3_stmt *stmt = nullptr;
    int value = 0;
    *ok = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK;
    if (*ok) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW)
            value = sqlite3_column_int(stmt, 0);
        else if (rc != SQLITE_DONE)
            *ok = false;
    }
    sqlite3_finalize(stmt);
    return value;
}

QString columnText(sqlite3_stmt *stmt, int column) {
    const auto *text = static_cast<const char *>(sqlite3_column_blob(stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
}

} // namespace

std::unique_ptr<SettingsStore> SettingsStore::open(const QString &path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        fail(path, QStringLiteral("it is not a file"));
    if (!QDir().mkpath(info.absolutePath()))
        fail(path, QStringLiteral("its folder cannot be created"));
    if (!info.exists())
        createPrivateFile(path);

    sqlite3 *db = nullptr;
    const QByteArray utf8 = path.toUtf8();
    if (sqlite3_open_v2(utf8.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        const QString why = db ? sqliteMessage(db) : QStringLiteral("out of memory");
        sqlite3_close(db);
        fail(path, why);
    }
    sqlite3_busy_timeout(db, 5000);

    bool ok = false;
    const int version = scalarInt(db, "PRAGMA user_version", &ok);
    const int tables = ok ? scalarInt(db, "SELECT count(*) FROM sqlite_master", &ok) : 0;
    if (!ok) {
        const QString why = sqliteMessage(db);
        sqlite3_close(db);
        fail(path, QStringLiteral("it is not a settings store (%1)").arg(why));
    }
    if (version > kSchemaVersion) {
        sqlite3_close(db);
        fail(path, QStringLiteral("it was written by a newer version of Vidorev (schema %1)")
                       .arg(version));
    }
    if (version == 0 && tables > 0) {
        sqlite3_close(db);
        fail(path, QStringLiteral("it is an SQLite database, but not a settings store"));
    }

    std::unique_ptr<SettingsStore> store(new SettingsStore(path, db));
    // WAL lets a second process read while one writes; FULL makes every commit durable.
    if (!store->exec("PRAGMA journal_mode=WAL") || !store->exec("PRAGMA synchronous=FULL"))
        fail(path, store->m_lastError);
    if (version == 0) {
        const bool created =
            store->exec("BEGIN IMMEDIATE") &&
            store->exec("CREATE TABLE IF NOT EXISTS setting ("
                        " app_fold TEXT NOT NULL, section_fold TEXT NOT NULL,"
                        " key_fold TEXT NOT NULL, app TEXT NOT NULL, section TEXT NOT NULL,"
                        " key TEXT NOT NULL, value TEXT NOT NULL,"
                        " PRIMARY KEY (app_fold, section_fold, key_fold)) WITHOUT ROWID") &&
            store->exec("PRAGMA user_version = 1") && store->exec("COMMIT");
        if (!created)
            fail(path, store->m_lastError);
    }
    ::chmod(QFile::encodeName(path).constData(), 0600);
    store->prepareStatements();
    return store;
}

SettingsStore::SettingsStore(QString path, sqlite3 *db)
    : m_path(std::move(path))
    , m_db(db) {}

SettingsStore::~SettingsStore() {
    for (sqlite3_stmt *stmt : {m_get, m_save, m_deleteApp, m_deleteSection, m_deleteKey})
        sqlite3_finalize(stmt);
    sqlite3_close(m_db);
}

void SettingsStore::prepareStatements() {
    const auto prepare = [this](const char *sql, sqlite3_stmt **stmt) {
        if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, stmt, nullptr) !=
            SQLITE_OK)
            fail(m_path, sqliteMessage(m_db));
    };
    prepare("SELECT value FROM setting WHERE app_fold=?1 AND section_fold=?2 AND key_fold=?3",
            &m_get);
    // A new key takes the spelling its application and section already have. An unchanged
    // value is not rewritten, so saving what is already stored costs no sync to disk.
    prepare("INSERT INTO setting VALUES (?1, ?2, ?3,"
            " COALESCE((SELECT app FROM setting WHERE app_fold=?1 LIMIT 1), ?4),"
            " COALESCE((SELECT section FROM setting WHERE app_fold=?1 AND section_fold=?2"
            " LIMIT 1), ?5), ?6, ?7)"
            " ON CONFLICT (app_fold, section_fold, key_fold) DO UPDATE SET value=excluded.value"
            " WHERE setting.value IS NOT excluded.value",
            &m_save);
    prepare("DELETE FROM setting WHERE app_fold=?1", &m_deleteApp);
    prepare("DELETE FROM setting WHERE app_fold=?1 AND section_fold=?2", &m_deleteSection);
    prepare("DELETE FROM setting WHERE app_fold=?1 AND section_fold=?2 AND key_fold=?3",
            &m_deleteKey);
}

bool SettingsStore::exec(const char *sql) {
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    m_lastError = QString::fromUtf8(message ? message : "unknown error");
    sqlite3_free(message);
    return false;
}

bool SettingsStore::step(sqlite3_stmt *stmt, const std::vector<QString> &args) {
    ++m_operations;
    for (int i = 0; i < int(args.size()); ++i) {
        const QByteArray utf8 = args[i].toUtf8();
        sqlite3_bind_text(stmt, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (rc == SQLITE_DONE || rc == SQLITE_ROW)
        return true;
    m_lastError = sqliteMessage(m_db);
    return false;
}

QString SettingsStore::get(const QString &app, const QString &section, const QString &key,
                           const QString &defaultValue) const {
    ++m_operations;
    const QByteArray a = fold(app).toUtf8(), s = fold(section).toUtf8(), k = fold(key).toUtf8();
    sqlite3_bind_text(m_get, 1, a.constData(), int(a.size()), SQLITE_STATIC);
    sqlite3_bind_text(m_get, 2, s.constData(), int(s.size()), SQLITE_STATIC);
    sqlite3_bind_text(m_get, 3, k.constData(), int(k.size()), SQLITE_STATIC);
    QString result = defaultValue;
    if (sqlite3_step(m_get) == SQLITE_ROW)
        result = columnText(m_get, 0);
    sqlite3_reset(m_get);
    sqlite3_clear_bindings(m_get);
    return result;
}

int SettingsStore::getInt(const QString &app, const QString &section, const QString &key,
                          int defaultValue) const {
    bool ok = false;
    const QString text = get(app, section, key).trimmed();
    const double value = text.toDouble(&ok);
    if (!ok || value > 2147483647.0 || value < -2147483648.0)
        return defaultValue;
    return int(value);
}

double SettingsStore::getDouble(const QString &app, const QString &section, const QString &key,
                                double defaultValue) const {
    bool ok = false;
    const double value = get(app, section, key).trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : defaultValue;
}

bool SettingsStore::save(const QString &app, const QString &section, const QString &key,
                         const QString &value) {
    return step(m_save, {fold(app), fold(section), fold(key), app, section, key, value});
}

bool SettingsStore::remove(const QString &app) {
    return step(m_deleteApp, {fold(app)});
}

bool SettingsStore::remove(const QString &app, const QString &section) {
    return step(m_deleteSection, {fold(app), fold(section)});
}

bool SettingsStore::remove(const QString &app, const QString &section, const QString &key) {
    return step(m_deleteKey, {fold(app), fold(section), fold(key)});
}

std::vector<SettingsStore::Entry> SettingsStore::entries() const {
    std::vector<Entry> result;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db,
                           "SELECT app, section, key, value FROM setting"
                           " ORDER BY app_fold, section_fold, key_fold",
                           -1, &stmt, nullptr) != SQLITE_OK)
        return result;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        result.push_back(
            {columnText(stmt, 0), columnText(stmt, 1), columnText(stmt, 2), columnText(stmt, 3)});
    sqlite3_finalize(stmt);
    return result;
}

void SettingsStore::beginBatch() {
    if (m_batchDepth++ == 0)
        exec("BEGIN IMMEDIATE");
}

void SettingsStore::endBatch() {
    if (--m_batchDepth == 0 && !exec("COMMIT"))
        exec("ROLLBACK");
}

SettingsStore::Batch::Batch(SettingsStore &store)
    : m_store(store) {
    m_store.beginBatch();
}

SettingsStore::Batch::~Batch() {
    m_store.endBatch();
}

} // namespace vidorev
