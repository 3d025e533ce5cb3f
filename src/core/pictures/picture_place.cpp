#include "pictures/picture_place.h"

#include "platform/settings_keys.h"
#include "platform/settings_store.h"

#include <QDir>
#include <QStandardPaths>

namespace vidorev::pictures {

namespace {
QString firstFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}
} // namespace

PicturePlace readPlace(const SettingsStore &store, const QString &host) {
    PicturePlace p;
    p.drive = store.get(host, keys::kSecPictures, keys::kDrive);
    p.folder = store.get(host, keys::kSecPictures, keys::kFolder);
    if (p.folder.trimmed().isEmpty())
        p.folder = firstFolder();
    p.file = store.getInt(host, keys::kSecPictures, keys::kFile, -1);
    return p;
}

bool saveDrive(SettingsStore &store, const QString &host, const QString &drive) {
    return store.save(host, keys::kSecPictures, keys::kDrive, drive);
}

bool saveFolder(SettingsStore &store, const QString &host, const QString &folder) {
    return store.save(host, keys::kSecPictures, keys::kFolder, folder);
}

bool saveFile(SettingsStore &store, const QString &host, int position) {
    return store.save(host, keys::kSecPictures, keys::kFile, QString::number(position));
}

} // namespace vidorev::pictures
