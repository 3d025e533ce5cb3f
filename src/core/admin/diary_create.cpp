#include "admin/diary_create.h"

#include "shell/file_choice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vidorev::admin {

QString diaryPathFrom(const QString &typed, const QString &folder) {
    const QString text = typed.trimmed();
    if (text.isEmpty() || QDir::isAbsolutePath(text) || folder.isEmpty())
        return QDir::toNativeSeparators(text);
    return QDir::toNativeSeparators(shell::joinFolderAndName(folder, text));
}

DiaryCheck checkDiaryPath(const QString &path) {
    if (path.trimmed().isEmpty())
        return DiaryCheck::Empty;
    const QFileInfo info(path);
    if (info.isDir() || path.endsWith(u'/') || path.endsWith(QDir::separator()))
        return DiaryCheck::Folder;
    if (path.size() <= 5 || info.fileName().size() <= 5)
        return DiaryCheck::ShortName;
    return DiaryCheck::Usable;
}

QString diaryCheckReason(DiaryCheck check) {
    switch (check) {
    case DiaryCheck::Usable:
        return {};
    case DiaryCheck::Empty:
        return QStringLiteral("no file name was given");
    case DiaryCheck::Folder:
        return QStringLiteral("it is a folder, not a Diary");
    case DiaryCheck::ShortName:
        return QStringLiteral("a Diary's file name needs more than five characters");
    }
    return {};
}

CreateResult createEmptyDiary(const QString &path) {
    const DiaryCheck check = checkDiaryPath(path);
    if (check != DiaryCheck::Usable)
        return {CreateOutcome::Refused, diaryCheckReason(check)};
    // O_EXCL: the file is made here or not at all; nothing already at the path is opened.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST)
            return {CreateOutcome::Exists, {}};
        return {CreateOutcome::Failed, QString::fromLocal8Bit(std::strerror(errno))};
    }
    const bool synced = ::fsync(fd) == 0;
    const int savedErrno = errno;
    ::close(fd);
    if (!synced) {
        ::unlink(QFile::encodeName(path).constData());
        return {CreateOutcome::Failed, QString::fromLocal8Bit(std::strerror(savedErrno))};
    }
    return {CreateOutcome::Created, {}};
}

} // namespace vidorev::admin
