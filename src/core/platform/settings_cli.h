#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

class QTextStream;

namespace vidorev {

class SettingsStore;

// The whole store as JSON: {"format": "vidorev-settings", "version": 1,
// "settings": {app: {section: {key: value}}}}, keeping each name's stored spelling.
QByteArray exportSettingsJson(const SettingsStore &store);
// The same export handed to sink a piece at a time, in time that grows with the number of
// values; progress(done, total) counts values. Returns false as soon as sink does.
using ExportSink = std::function<bool(QByteArrayView bytes)>;
using ExportProgress = std::function<void(qint64 done, qint64 total)>;
bool writeSettingsJson(const SettingsStore &store, const ExportSink &sink,
                       const ExportProgress &progress = {});
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
