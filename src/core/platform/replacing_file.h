#pragma once

#include <QByteArrayView>
#include <QString>

#include <sys/types.h>

namespace vidorev {

// A file that is written whole under a temporary name beside its target and then renamed over
// it, so a crash, a full disk or a stop leaves the old file byte for byte. Unlike QSaveFile it
// never follows a symbolic link at the target: such a target is refused, and a link that
// appears there while writing is replaced itself, never written through. Every failure is told
// with the system's reason.
class ReplacingFile {
public:
    // mode: the permissions the finished file gets (the temporary file is owner-only).
    ReplacingFile(QString target, mode_t mode);
    ~ReplacingFile(); // without commit(): the temporary file goes, the target stays
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Creates the temporary file. False when the target is a symbolic link or not a regular
    // file, or the folder cannot take a new file.
    bool open();
    // Writes all of bytes; false once any write failed (later writes do nothing).
    bool write(QByteArrayView bytes);
    // Syncs, gives the file its mode and puts it in place of the target.
    bool commit();
    // Drops what was written.
    void cancel();

    QString target() const { return m_target; }
    QString error() const { return m_error; }

private:
    bool fail(const QString &what, int error);

    QString m_target;
    mode_t m_mode;
    QByteArray m_temporary;
    int m_fd = -1;
    QString m_error;
};

} // namespace vidorev
