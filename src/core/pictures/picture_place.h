#pragma once

#include <QString>

namespace vidorev {
class SettingsStore;
}

// Where the picture explorer was: its drive, folder and file, kept in the host's store section.
namespace vidorev::pictures {

struct PicturePlace {
    QString drive;
    QString folder; // the user's pictures folder (else home) until one is chosen
    int file = -1;  // position in the file list; -1 for none
};

PicturePlace readPlace(const SettingsStore &store, const QString &host);
// Each returns false when the store refused the write (its lastError() says why).
bool saveDrive(SettingsStore &store, const QString &host, const QString &drive);
bool saveFolder(SettingsStore &store, const QString &host, const QString &folder);
bool saveFile(SettingsStore &store, const QString &host, int position);

} // namespace vidorev::pictures
