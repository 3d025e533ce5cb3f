#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <sys/types.h>

// How the program writes every file it makes (reports, merges, task files, charts): never
// through a symbolic link, never over one of the files it was made from, no more readable than
// those, and on any failure (a full disk) the old file stays byte for byte and the reason given
// is the system's own.
namespace vidorev::files {

// The system's words for an error number ("No space left on device").
QString systemReason(int error = errno);

// Why path may not be written as an output made from sources; empty when it may. Refused: a
// symbolic link (dangling or not: the link is never followed), a folder or anything else that
// is not a regular file, and one of the sources itself (the same path, or a hard or symbolic
// link to the same file).
QString outputRefusal(const QString &path, const QStringList &sources = {});

// Permission bits for an output made from sources: no wider than the narrowest of them, and
// 0600 when there is none or one cannot be looked at.
mode_t outputMode(const QStringList &sources);

// Makes folder and any missing folders above it, each readable by its owner only (0700).
bool makeFolder(const QString &folder, QString *error);

// What both kinds of output file share: the checks before the first byte, unbuffered writes that
// see a full disk at once, and a failure that takes back everything written and keeps the
// system's reason.
class OutputFile {
public:
    OutputFile() = default;
    virtual ~OutputFile() = default;
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // Every byte or false with error().
    bool write(QByteArrayView bytes);
    // Takes back what was written.
    virtual void cancel() = 0;

    QString path() const { return m_path; }
    QString error() const { return m_error; }

protected:
    // Sets the path and refuses it as outputRefusal() does.
    bool begin(const QString &path, const QStringList &sources);
    bool fail(const QString &what, int error = errno);
    // Syncs and closes; a failure is fail()'s.
    bool syncAndClose();

    QString m_path;
    QString m_error;
    int m_fd = -1;
};

// A file written whole: its bytes go to a temporary file beside it (a short name, whatever the
// target's length), which is synced and then renamed over the target. Until commit() succeeds
// the target is untouched; without commit() the temporary file is removed.
class ReplaceFile final : public OutputFile {
public:
    ~ReplaceFile() override { cancel(); }

    // Checks outputRefusal(path, sources). The new file gets mode, narrowed to the old file's
    // bits when there is one (and by the umask).
    bool open(const QString &path, mode_t mode, const QStringList &sources = {});
    bool commit();
    void cancel() override;

private:
    QString m_temp;
};

// Bytes added to the end of a file whole or not at all: created (with mode) when missing, never
// through a link; a failed write, sync or cancel() takes the file back to its length before
// open(), so a torn piece never stays. Meant for one writer at a time (a work order).
class AppendFile final : public OutputFile {
public:
    ~AppendFile() override { cancel(); }

    bool open(const QString &path, mode_t mode, const QStringList &sources = {});
    // Syncs and closes; on failure the file is taken back as on cancel().
    bool commit() { return syncAndClose(); }
    void cancel() override;

private:
    off_t m_start = 0;
    bool m_created = false;
};

} // namespace vidorev::files
