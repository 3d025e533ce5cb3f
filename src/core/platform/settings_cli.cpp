#include "platform/settings_cli.h"

#include "platform/settings_store.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace vidorev {

namespace {
const QString kFormat = QStringLiteral("vidorev-settings");
constexpr int kExportVersion = 1;

// Reads at most limit bytes: a device or a pipe reports no size, so a file that goes on past
// the limit is refused once more arrives, not held whole in memory.
bool readLimited(const QString &path, qint64 limit, QByteArray *data, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *error = QStringLiteral("cannot read it: %1").arg(file.errorString());
        return false;
    }
    const QString tooLarge =
        QStringLiteral("it is larger than %1 MiB, too large for a settings export")
            .arg(limit / (1024 * 1024));
    if (file.size() > limit) {
        *error = tooLarge;
        return false;
    }
    data->clear();
    while (data->size() <= limit) {
        const QByteArray chunk = file.read(std::min<qint64>(1 << 20, limit + 1 - data->size()));
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError) {
                *error = QStringLiteral("cannot read it: %1").arg(file.errorString());
                return false;
            }
            return true;
        }
        data->append(chunk);
    }
    *error = tooLarge;
    return false;
}
} // namespace

QByteArray exportSettingsJson(const SettingsStore &store) {
    QJsonObject apps;
    for (const SettingsStore::Entry &e : store.entries()) {
        QJsonObject app = apps.value(e.application).toObject();
        QJsonObject section = app.value(e.section).toObject();
        section.insert(e.key, e.value);
        app.insert(e.section, section);
        apps.insert(e.application, app);
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), kFormat);
    root.insert(QStringLiteral("version"), kExportVersion);
    root.insert(QStringLiteral("settings"), apps);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool importSettingsJson(SettingsStore &store, const QByteArray &json, QString *error) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull()) {
        *error = QStringLiteral("not JSON: %1").arg(parseError.errorString());
        return false;
    }
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != kFormat ||
        !root.value(QStringLiteral("settings")).isObject()) {
        *error = QStringLiteral("not a Vidorev settings export");
        return false;
    }
    // A later version may mean its values differently: refused rather than half understood.
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isUndefined() && version.toDouble() != kExportVersion) {
        *error = version.toDouble() > kExportVersion
                     ? QStringLiteral("the export was written by a newer version of Vidorev "
                                      "(version %1)")
                           .arg(version.toDouble())
                     : QStringLiteral("not a known export version");
        return false;
    }
    // Check the whole file before writing anything, so a bad file changes nothing.
    const QJsonObject apps = root.value(QStringLiteral("settings")).toObject();
    for (auto app = apps.begin(); app != apps.end(); ++app) {
        if (!app->isObject()) {
            *error = QStringLiteral("application %1 is not an object").arg(app.key());
            return false;
        }
        const QJsonObject sections = app->toObject();
        for (auto section = sections.begin(); section != sections.end(); ++section) {
            if (!section->isObject()) {
                *error = QStringLiteral("section %1 is not an object").arg(section.key());
                return false;
            }
            const QJsonObject values = section->toObject();
            for (auto value = values.begin(); value != values.end(); ++value)
                if (!value->isString()) {
                    *error = QStringLiteral("value %1/%2/%3 is not text")
                                 .arg(app.key(), section.key(), value.key());
                    return false;
                }
        }
    }
    SettingsStore::Batch batch(store);
    bool saved = true;
    for (auto app = apps.begin(); app != apps.end(); ++app) {
        const QJsonObject sections = app->toObject();
        for (auto section = sections.begin(); section != sections.end(); ++section) {
            const QJsonObject values = section->toObject();
            for (auto value = values.begin(); value != values.end() && saved; ++value)
                saved = store.save(app.key(), section.key(), value.key(), value->toString());
        }
    }
    // All or nothing: a disk that fills up on the last value leaves none of them.
    if (!batch.commit()) {
        *error = QStringLiteral("nothing was imported: %1").arg(store.lastError());
        return false;
    }
    return true;
}

QString settingsUsage() {
    return QStringLiteral("usage: vidorev [--store PATH] settings get APP SECTION KEY [DEFAULT]\n"
                          "       vidorev [--store PATH] settings set APP SECTION KEY VALUE\n"
                          "       vidorev [--store PATH] settings delete APP [SECTION [KEY]]\n"
                          "       vidorev [--store PATH] settings export\n"
                          "       vidorev [--store PATH] settings import FILE\n");
}

int runSettingsCommand(const QStringList &args, SettingsStore &store, QTextStream &out,
                       QTextStream &err) {
    const QString verb = args.value(0);
    const qsizetype n = args.size() - 1;
    const auto usage = [&err]() {
        err << settingsUsage();
        return 2;
    };
    const auto failed = [&err, &store](const QString &what) {
        err << "vidorev: " << what << ": " << store.lastError() << '\n';
        return 1;
    };
    if (verb == QLatin1String("get") && (n == 3 || n == 4)) {
        out << store.get(args[1], args[2], args[3], args.value(4)) << '\n';
        return 0;
    }
    if (verb == QLatin1String("set") && n == 4)
        return store.save(args[1], args[2], args[3], args[4]) ? 0 : failed(QStringLiteral("set"));
    if (verb == QLatin1String("delete") && n >= 1 && n <= 3) {
        const bool ok = n == 1   ? store.remove(args[1])
                        : n == 2 ? store.remove(args[1], args[2])
                                 : store.remove(args[1], args[2], args[3]);
        return ok ? 0 : failed(QStringLiteral("delete"));
    }
    if (verb == QLatin1String("export") && n == 0) {
        out << QString::fromUtf8(exportSettingsJson(store));
        return 0;
    }
    if (verb == QLatin1String("import") && n == 1) {
        QByteArray json;
        QString error;
        if (!readLimited(args[1], kMaxImportBytes, &json, &error) ||
            !importSettingsJson(store, json, &error)) {
            err << "vidorev: " << args[1] << ": " << error << '\n';
            return 1;
        }
        return 0;
    }
    return usage();
}

} // namespace vidorev
