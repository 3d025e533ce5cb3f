#include "shell/file_choice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace vidorev::shell {

namespace {

const QChar kSep = u'/';

QString inner(const QString &path) {
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

bool isRoot(const QString &folder) {
    return QDir(folder).isRoot();
}

// Why folder cannot be listed, in the system's words; empty when it can. (QDir lists an
// unreadable folder as an empty one.)
QString listingProblem(const QString &folder) {
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::closedir(dir);
    return QString();
}

} // namespace

QString joinFolderAndName(const QString &folder, const QString &name) {
    const QString f = QDir::fromNativeSeparators(folder);
    if (f.isEmpty() || f.endsWith(kSep))
        return f + name;
    return f + kSep + name;
}

QStringList splitPatterns(const QString &pattern) {
    QStringList out;
    for (const QString &part : pattern.split(u';')) {
        const QString p = part.trimmed();
        if (p.isEmpty())
            continue;
        // "*.*" means every file here, as it does where the pattern came from.
        out << (p == QStringLiteral("*.*") ? QStringLiteral("*") : p);
    }
    if (out.isEmpty())
        out << QStringLiteral("*");
    return out;
}

bool matchesPatterns(const QString &fileName, const QStringList &patterns) {
    for (const QString &p : patterns) {
        // File names hold no separator, so the path form of the conversion is exact for them.
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(p),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(fileName).hasMatch())
            return true;
    }
    return false;
}

void sortNames(QStringList &names) {
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

MoveResult moveSelection(FileMove move, int index, int count) {
    switch (move) {
    case FileMove::Prior:
        if (index >= 1)
            return {index - 1, false};
        return {index, true};
    case FileMove::Next:
        if (index < count - 1)
            return {index + 1, false};
        return {index, true};
    case FileMove::First:
        return {count > 0 ? 0 : -1, true};
    case FileMove::Last:
        return {count - 1, true};
    }
    return {index, false};
}

QList<Drive> drives() {
    QList<Drive> roots;
    QList<Drive> volumes;
    auto known = [&](const QString &root) {
        auto same = [&](const Drive &d) { return d.root == root; };
        return std::any_of(roots.begin(), roots.end(), same) ||
               std::any_of(volumes.begin(), volumes.end(), same);
    };
    for (const QFileInfo &r : QDir::drives()) {
        const QString root = QDir::fromNativeSeparators(r.absoluteFilePath());
        if (r.isReadable() && !known(root))
            roots << Drive{root, QString()};
    }
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady())
            continue;
        const QString root = QDir::fromNativeSeparators(v.rootPath());
        const QFileInfo info(root);
        // Single files mounted into a container are no drives.
        if (!info.isDir() || !info.isReadable())
            continue;
        if (known(root)) {
            for (Drive &d : roots)
                if (d.root == root && d.label.isEmpty())
                    d.label = v.name();
            continue;
        }
        volumes << Drive{root, v.name()};
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const Drive &a, const Drive &b) { return a.root < b.root; });
    return roots + volumes;
}

FolderListing readFolder(const QString &folder) {
    FolderListing out;
    out.folder = inner(QFileInfo(inner(folder)).absoluteFilePath());
    for (QDir d(out.folder);;) {
        out.chain.prepend(inner(d.absolutePath()));
        if (isRoot(d.absolutePath()) || !d.cdUp())
            break;
    }
    const QString why = listingProblem(out.folder);
    if (!why.isEmpty()) {
        out.error = QStringLiteral("Cannot read the folder %1: %2")
                        .arg(QDir::toNativeSeparators(out.folder), why);
        return out;
    }
    const QDir dir(out.folder);
    out.folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    out.files = dir.entryList(QDir::Files);
    return out;
}

PathListing readPath(const QString &path, const FolderReader &read) {
    PathListing out;
    if (path.trimmed().isEmpty())
        return out;
    const QFileInfo info(inner(path));
    if (!info.exists())
        return out;
    out.path = inner(info.absoluteFilePath());
    out.isFolder = info.isDir();
    out.listing = read(out.isFolder ? out.path : inner(info.absolutePath()));
    return out;
}

FolderListing readOpenFolder(const QString &folder, const FolderReader &read) {
    QString f = folder;
    if (!QFileInfo(f).isDir()) {
        // The open folder went away: fall back to the nearest folder above it that is still there.
        QDir up(f);
        while (!up.exists() && up.cdUp()) {
        }
        f = inner(up.absolutePath());
    }
    return read(f);
}

int driveFor(const QString &folder, const QStringList &roots) {
    const QString f = inner(folder);
    int best = -1;
    for (int i = 0; i < roots.size(); ++i) {
        const QString r = inner(roots[i]);
        const bool holds = f == r || f.startsWith(r.endsWith(kSep) ? r : r + kSep);
        if (holds && (best < 0 || r.size() > inner(roots[best]).size()))
            best = i;
    }
    return best;
}

FileChoice::FileChoice() {
    m_patterns = splitPatterns(m_pattern);
    m_path = QDir::currentPath();
    // A working folder that cannot be read still leaves the picker somewhere to start from.
    if (!openFolder(m_path) && openFolder(QDir::rootPath()))
        m_error.clear();
}

bool FileChoice::setPath(const QString &path) {
    return openPath(readPath(path));
}

bool FileChoice::openPath(const PathListing &path) {
    m_error.clear();
    if (path.path.isEmpty())
        return false;
    if (!openListing(path.listing))
        return false;
    m_path = path.path;
    if (!path.isFolder)
        m_index = int(m_files.indexOf(QFileInfo(path.path).fileName()));
    return true;
}

QString FileChoice::path() const {
    return QDir::toNativeSeparators(m_path);
}

void FileChoice::setPattern(const QString &pattern) {
    m_pattern = pattern;
    m_patterns = splitPatterns(pattern);
    const QString selected = m_index >= 0 ? m_files.value(m_index) : QString();
    list();
    m_index = selected.isEmpty() ? -1 : int(m_files.indexOf(selected));
}

bool FileChoice::openFolder(const QString &folder) {
    return openListing(readFolder(folder));
}

bool FileChoice::openListing(const FolderListing &listing) {
    m_error = listing.error;
    if (!m_error.isEmpty())
        return false;
    m_folder = listing.folder;
    m_listing = listing;
    m_index = -1;
    list();
    return true;
}

int FileChoice::openFolderRow() const {
    int row = -1;
    for (int i = 0; i < m_folders.size() && m_folders[i].open; ++i)
        row = i;
    return row;
}

bool FileChoice::choose(int index) {
    if (index < 0 || index >= m_files.size())
        return false;
    m_index = index;
    m_path = joinFolderAndName(m_folder, m_files[index]);
    return true;
}

MoveResult FileChoice::move(FileMove move) {
    const MoveResult r = moveSelection(move, m_index, int(m_files.size()));
    if (r.index != m_index)
        choose(r.index);
    return r;
}

void FileChoice::refresh() {
    reopen(readOpenFolder(m_folder));
}

void FileChoice::reopen(const FolderListing &listing) {
    const QString selected = m_index >= 0 ? m_files.value(m_index) : QString();
    // A folder that became unreadable is shown empty, and says so.
    m_folder = listing.folder;
    m_listing = listing;
    m_error = listing.error;
    list();
    m_index = selected.isEmpty() ? -1 : int(m_files.indexOf(selected));
}

void FileChoice::list() {
    m_folders.clear();
    const QStringList &chain = m_listing.chain;
    for (int i = 0; i < chain.size(); ++i) {
        const QString &p = chain[i];
        const QString name = i == 0 ? QDir::toNativeSeparators(p) : QFileInfo(p).fileName();
        m_folders << FolderEntry{p, name, i, true};
    }
    QStringList subs = m_listing.folders;
    sortNames(subs);
    for (const QString &s : subs)
        m_folders << FolderEntry{joinFolderAndName(m_folder, s), s, int(chain.size()), false};

    m_files.clear();
    for (const QString &f : m_listing.files)
        if (matchesPatterns(f, m_patterns))
            m_files << f;
    sortNames(m_files);
}

} // namespace vidorev::shell
