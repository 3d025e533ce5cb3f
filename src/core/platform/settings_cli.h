#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QTextStream;

namespace vidorev {

class SettingsStore;

// The whole store as JSON: {"format": "vidorev-settings", "version": 1,
// "settings": {app: {section: {key: value}}}}, keeping each name's stored spelling.
QByteArray exportSettingsJson(const SettingsStore &store);
// Writes every value of such an export in one transaction. Returns false (and a message) when
// the text is not an export, is of a newer version, or the store refused it; then nothing is
// written.
bool importSettingsJson(SettingsStore &store, const QByteArray &json, QString *error);

// The largest file `settings import` reads; a real export is a few hundred kilobytes.
constexpr qint64 kMaxImportBytes = qint64(64) << 20;

// `vidorev settings ...` for scripted desks. args are the words after "settings".
// Returns the exit code: 0 done, 1 failure, 2 usage error.
int runSettingsCommand(const QStringList &args, SettingsStore &store, QTextStream &out,
                       QTextStream &err);

QString settingsUsage();

} // namespace vidorev
