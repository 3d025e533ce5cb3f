#include "platform/settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include <sqlite3.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vidorev {

namespace {

QString fold(const QString &name) {
    return name.toCaseFolded();
}

using Kind = StoreError::Kind;

// What the trouble means for the user: a code that says the file holds something else is the
// only one that makes it "not a store"; a lock is worth waiting for; the rest are the disk's.
Kind kindOf(int code) {
    switch (code & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return Kind::NotAStore;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Kind::Busy;
    default:
        return Kind::Unusable;
    }
}

// SQLite's message, with the system's own reason ("No space left on device") when the trouble
// came from the disk. SQLite keeps that reason for some failures only; for a failed write the
// errno the call left (callError, taken at once) is the write's.
QString sqliteReason(sqlite3 *db, int callError) {
    if (sqlite3_extended_errcode(db) == SQLITE_BUSY_SNAPSHOT)
        return QStringLiteral("the settings were changed meanwhile");
    QString why = QString::fromUtf8(sqlite3_errmsg(db));
    const int code = sqlite3_extended_errcode(db) & 0xff;
    int system = sqlite3_system_errno(db);
    if (system == 0 && (code == SQLITE_IOERR || code == SQLITE_FULL))
        system = callError;
    if (system != 0 && kindOf(code) == Kind::Unusable)
        why += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(strerror(system)));
    return why;
}

[[noreturn]] void fail(const QString &path, Kind kind, const QString &why) {
    QString what;
    switch (kind) {
    case Kind::NotAStore:
        what = QStringLiteral("it is not a settings store (%1)").arg(why);
        break;
    case Kind::Newer:
        what = why;
        break;
    case Kind::Unusable:
        what = QStringLiteral("it cannot be read or written: %1").arg(why);
        break;
    case Kind::Busy:
        what = QStringLiteral("another program holds it locked (%1); try again when that "
                              "program is done")
                   .arg(why);
        break;
    }
    throw StoreError(kind, QStringLiteral("Cannot open the settings store %1: %2")
                               .arg(QDir::toNativeSeparators(path), what)
                               .toStdString());
}

[[noreturn]] void failSqlite(const QString &path, sqlite3 *db) {
    const int callError = errno;
    fail(path, kindOf(sqlite3_extended_errcode(db)), sqliteReason(db, callError));
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(strerror(error));
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

// Values live in a table of their own rows; the names' unique index, which every lookup walks,
// holds only the names. (Kept in a key tree of their own, a value of many megabytes would be
// read whole by each lookup that compares against it.)
const char *const kCreateTable =
    "CREATE TABLE IF NOT EXISTS setting ("
    " app_fold TEXT NOT NULL, section_fold TEXT NOT NULL, key_fold TEXT NOT NULL,"
    " app TEXT NOT NULL, section TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL,"
    " UNIQUE (app_fold, section_fold, key_fold))";

// Whether the store still has the first layout, values inside the key tree (WITHOUT ROWID).
bool hasKeyedRows(sqlite3 *db, bool *ok) {
    return scalarInt(db,
                     "SELECT count(*) FROM sqlite_master WHERE type='table' AND name='setting'"
                     " AND sql LIKE '%WITHOUT ROWID%'",
                     ok) > 0;
}

QString columnText(sqlite3_stmt *stmt, int column) {
    const auto *text = static_cast<const char *>(sqlite3_column_blob(stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
}

bool execOn(sqlite3 *db, const char *sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool createSchema(sqlite3 *db) {
    return execOn(db, "BEGIN IMMEDIATE") && execOn(db, kCreateTable) &&
           execOn(db, "PRAGMA user_version = 1") && execOn(db, "COMMIT");
}

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

// Opens an existing file (or ":memory:"); never creates one.
Connection connectTo(const QString &path, const QByteArray &file) {
    sqlite3 *db = nullptr;
    errno = 0;
    const int rc = sqlite3_open_v2(file.constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (!db)
        fail(path, Kind::Unusable, QStringLiteral("out of memory"));
    Connection connection(db, sqlite3_close);
    if (rc != SQLITE_OK)
        failSqlite(path, db);
    return connection;
}

// A new store is made whole under a temporary name beside path (owner-only, as SQLite then
// keeps its journals), and takes path only while path is still free. So no process ever finds
// a store half made, and a file that appeared at path meanwhile is left alone.
void createStoreFile(const QString &path) {
    QByteArray temporary = QFile::encodeName(path) + ".new-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        fail(path, Kind::Unusable, systemReason(errno));
    ::close(fd);
    const auto removeTemporary = qScopeGuard([&temporary] { ::unlink(temporary.constData()); });
    {
        const Connection db = connectTo(path, temporary);
        errno = 0;
        if (!createSchema(db.get()))
            failSqlite(path, db.get());
    }
    const QByteArray native = QFile::encodeName(path);
    int rc = ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, native.constData(),
                         RENAME_NOREPLACE);
    // A file system without renameat2's flags still makes hard links, which never replace.
    if (rc != 0 && (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP))
        rc = ::link(temporary.constData(), native.constData());
    if (rc != 0 && errno != EEXIST)
        fail(path, Kind::Unusable, systemReason(errno));
}

} // namespace

std::unique_ptr<SettingsStore> SettingsStore::open(const QString &path, int busyTimeoutMs) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        fail(path, Kind::NotAStore, QStringLiteral("it is not a file"));
    errno = 0;
    if (!QDir().mkpath(info.absolutePath()))
        fail(path, Kind::Unusable,
             QStringLiteral("its folder cannot be created") +
                 (errno ? QStringLiteral(" (%1)").arg(systemReason(errno)) : QString()));
    if (!info.exists())
        createStoreFile(path);
    return openStore(path, busyTimeoutMs);
}

std::unique_ptr<SettingsStore> SettingsStore::openForReading(const QString &path,
                                                             int busyTimeoutMs) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        fail(path, Kind::NotAStore, QStringLiteral("it is not a file"));
    if (info.exists())
        return openStore(path, busyTimeoutMs);
    // Nothing stored yet: every read gives its default, and no file is made for that.
    Connection db = connectTo(path, QByteArrayLiteral(":memory:"));
    if (!createSchema(db.get()))
        failSqlite(path, db.get());
    std::unique_ptr<SettingsStore> store(new SettingsStore(path, db.release()));
    store->prepareStatements();
    return store;
}

std::unique_ptr<SettingsStore> SettingsStore::openStore(const QString &path, int busyTimeoutMs) {
    Connection db = connectTo(path, path.toUtf8());
    std::unique_ptr<SettingsStore> store(new SettingsStore(path, db.release()));
    sqlite3_busy_timeout(store->m_db, busyTimeoutMs);

    bool ok = false;
    const int version = scalarInt(store->m_db, "PRAGMA user_version", &ok);
    const int tables = ok ? scalarInt(store->m_db, "SELECT count(*) FROM sqlite_master", &ok) : 0;
    if (!ok)
        failSqlite(path, store->m_db);
    if (version > kSchemaVersion)
        fail(path, Kind::Newer,
             QStringLiteral("it was written by a newer version of Vidorev (schema %1)")
                 .arg(version));
    // Every store this program makes has its schema before it has its name: a file without
    // one is someone else's, an empty one included (a fresh Diary given as --store, say).
    if (version == 0)
        fail(path, Kind::NotAStore,
             QFileInfo(path).size() == 0 ? QStringLiteral("it is an empty file")
             : tables > 0                ? QStringLiteral("an SQLite database of something else")
                                         : QStringLiteral("an empty SQLite database"));

    // WAL lets a second process read while one writes; FULL makes every commit durable.
    if (!store->exec("PRAGMA journal_mode=WAL") || !store->exec("PRAGMA synchronous=FULL"))
        failSqlite(path, store->m_db);
    if (hasKeyedRows(store->m_db, &ok) || !ok) {
        // The first layout kept each value inside the key tree that every lookup walks, so
        // one huge value slowed every write near it; its rows move to the present layout.
        const bool moved = ok && store->exec("BEGIN IMMEDIATE") &&
                           (!hasKeyedRows(store->m_db, &ok) ||
                            (store->exec("ALTER TABLE setting RENAME TO setting_keyed") &&
                             store->exec(kCreateTable) &&
                             store->exec("INSERT INTO setting SELECT * FROM setting_keyed") &&
                             store->exec("DROP TABLE setting_keyed"))) &&
                           ok && store->exec("COMMIT");
        if (!moved)
            failSqlite(path, store->m_db);
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
            failSqlite(m_path, m_db);
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
    errno = 0;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    m_lastError = sqliteReason(m_db, errno);
    return false;
}

bool SettingsStore::step(sqlite3_stmt *stmt, const std::vector<QString> &args) {
    ++m_operations;
    // After a failed write SQLite may have rolled the transaction back by itself; a later
    // write would then be kept on its own, outside the action it belongs to.
    if (m_batchDepth > 0 && m_batchFailed)
        return false;
    for (int i = 0; i < int(args.size()); ++i) {
        const QByteArray utf8 = args[i].toUtf8();
        sqlite3_bind_text(stmt, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    errno = 0;
    const int rc = sqlite3_step(stmt);
    const bool ok = rc == SQLITE_DONE || rc == SQLITE_ROW;
    if (!ok)
        m_lastError = sqliteReason(m_db, errno);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (!ok && m_batchDepth > 0)
        m_batchFailed = true;
    return ok;
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

void SettingsStore::beginBatch(Batch::Mode mode) {
    if (m_batchDepth++ == 0)
        m_batchFailed = !exec(mode == Batch::Mode::Write ? "BEGIN IMMEDIATE" : "BEGIN DEFERRED");
}

bool SettingsStore::endBatch() {
    if (--m_batchDepth > 0)
        return !m_batchFailed;
    const bool committed = !m_batchFailed && exec("COMMIT");
    if (!committed && !sqlite3_get_autocommit(m_db)) {
        const QString why = m_lastError;
        exec("ROLLBACK");
        m_lastError = why;
    }
    m_batchFailed = false;
    return committed;
}

SettingsStore::Batch::Batch(SettingsStore &store, Mode mode)
    : m_store(store) {
    m_store.beginBatch(mode);
}

SettingsStore::Batch::~Batch() {
    if (m_open)
        m_store.endBatch();
}

bool SettingsStore::Batch::commit() {
    if (!m_open)
        return false;
    m_open = false;
    return m_store.endBatch();
}

} // namespace vidorev
