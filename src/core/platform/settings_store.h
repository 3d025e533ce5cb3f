#pragma once

#include <QString>

#include <memory>
#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace vidorev {

// The store could not be opened. The message names the file and says which kind of trouble it
// is, so that a user never takes a good store on a full disk for a broken one.
class StoreError : public std::runtime_error {
public:
    enum class Kind {
        NotAStore, // the file holds something else: it is left as it is
        Newer,     // a store of a later version of Vidorev
        Unusable,  // it cannot be read or written (full disk, no permission, I/O error)
        Busy,      // another process holds it locked
    };
    StoreError(Kind kind, const std::string &message)
        : std::runtime_error(message)
        , m_kind(kind) {}
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// String values addressed by application, section and key. Names compare without regard to
// case (Unicode-aware: "ÉMILE" and "émile" are one section) and keep the spelling first stored.
// A read never fails: a missing value reads as the caller's default.
class SettingsStore {
public:
    struct Entry {
        QString application;
        QString section;
        QString key;
        QString value;
    };

    // Opens or creates the store at path (mode 0600). Throws StoreError when the file cannot
    // be opened or holds something other than a store; it is never reset silently. A store
    // locked by another process is waited for up to busyTimeoutMs, here and on every write.
    static std::unique_ptr<SettingsStore> open(const QString &path, int busyTimeoutMs = 5000);
    // Opens the store at path to read it, never making or converting one: a missing file reads
    // as an empty store held in memory, and a file that is not a store (an empty one included)
    // is refused as open() refuses it.
    static std::unique_ptr<SettingsStore> openForReading(const QString &path,
                                                         int busyTimeoutMs = 5000);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    QString get(const QString &app, const QString &section, const QString &key,
                const QString &defaultValue = QString()) const;
    // Numeric reads: text that is not a number reads as the default.
    int getInt(const QString &app, const QString &section, const QString &key,
               int defaultValue) const;
    double getDouble(const QString &app, const QString &section, const QString &key,
                     double defaultValue) const;

    // Returns false when the disk refused the write, or when an earlier write of the open batch
    // failed (the batch will be rolled back); the reason is in lastError().
    bool save(const QString &app, const QString &section, const QString &key, const QString &value);
    bool remove(const QString &app);
    bool remove(const QString &app, const QString &section);
    bool remove(const QString &app, const QString &section, const QString &key);

    // Every value, ordered by application, section and key (for export and tests).
    std::vector<Entry> entries() const;

    QString path() const { return m_path; }
    // How many gets, saves and removes this connection has served; lets tests and benchmarks
    // prove that a path of the program leaves the store alone.
    quint64 operationCount() const { return m_operations; }
    QString lastError() const { return m_lastError; }

    // Groups the writes of one user action into one transaction (one sync to disk): all of
    // them are kept or none. Batches nest; the outermost one commits. Once a write of the
    // batch fails, later writes are refused and the outermost end rolls everything back.
    class Batch {
    public:
        // ReadThenWrite: what the batch reads is the store as it stood at its first read, and
        // its first write fails (keeping nothing) when another connection changed the store
        // since; it never waits for, nor holds up, another writer while it reads.
        enum class Mode { Write, ReadThenWrite };
        explicit Batch(SettingsStore &store, Mode mode = Mode::Write);
        // Ends the batch without commit(): commits unless something failed.
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

        // Ends the batch. An inner batch: whether every write so far succeeded. The outermost:
        // whether the transaction is on disk (false: rolled back, the reason in lastError()).
        [[nodiscard]] bool commit();

    private:
        SettingsStore &m_store;
        bool m_open = true;
    };

    static constexpr int kSchemaVersion = 1;

    // The line a panel shows when the store refused a user's action: "Not saved: <reason>".
    static QString notSavedMessage(const QString &reason) {
        return QStringLiteral("Not saved: %1").arg(reason);
    }

private:
    SettingsStore(QString path, sqlite3 *db);
    static std::unique_ptr<SettingsStore> openStore(const QString &path, int busyTimeoutMs);
    void prepareStatements();
    bool exec(const char *sql);
    bool step(sqlite3_stmt *stmt, const std::vector<QString> &args);
    void beginBatch(Batch::Mode mode);
    bool endBatch();

    QString m_path;
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_get = nullptr;
    sqlite3_stmt *m_save = nullptr;
    sqlite3_stmt *m_deleteApp = nullptr;
    sqlite3_stmt *m_deleteSection = nullptr;
    sqlite3_stmt *m_deleteKey = nullptr;
    int m_batchDepth = 0;
    bool m_batchFailed = false;
    mutable quint64 m_operations = 0;
    QString m_lastError;
};

} // namespace vidorev
