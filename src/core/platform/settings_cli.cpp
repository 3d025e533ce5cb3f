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

namespace {

// A JSON string as Qt's own writer spells it: quotes, backslashes and control characters
// escaped, everything else as UTF-8.
void appendJsonString(QByteArray &out, const QString &text) {
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20) {
                out += "\\u00";
                out += hex[u >> 4];
                out += hex[u & 0xf];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

bool sameName(const QString &a, const QString &b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

constexpr qsizetype kExportChunk = qsizetype(1) << 20;

} // namespace

// Written as it goes from the store's ordered values, one object per section closed when the
// next begins: building nested JSON objects instead copies a section for each value added.
bool writeSettingsJson(const SettingsStore &store, const ExportSink &sink,
                       const ExportProgress &progress) {
    const std::vector<SettingsStore::Entry> entries = store.entries();
    const auto total = qint64(entries.size());
    QByteArray out = "{\n    \"format\": ";
    appendJsonString(out, kFormat);
    out += ",\n    \"settings\": {";
    for (size_t i = 0; i < entries.size(); ++i) {
        const SettingsStore::Entry &e = entries[i];
        const SettingsStore::Entry *prior = i > 0 ? &entries[i - 1] : nullptr;
        const bool newApp = !prior || !sameName(prior->application, e.application);
        const bool newSection = newApp || !sameName(prior->section, e.section);
        if (prior)
            out += newApp ? "\n            }\n        }," : (newSection ? "\n            }," : ",");
        if (newApp) {
            out += "\n        ";
            appendJsonString(out, e.application);
            out += ": {";
        }
        if (newSection) {
            out += "\n            ";
            appendJsonString(out, e.section);
            out += ": {";
        }
        out += "\n                ";
        appendJsonString(out, e.key);
        out += ": ";
        appendJsonString(out, e.value);
        if (out.size() >= kExportChunk) {
            if (!sink(out))
                return false;
            out.clear();
        }
        if (progress)
            progress(qint64(i) + 1, total);
    }
    if (!entries.empty())
        out += "\n            }\n        }\n    ";
    out += "},\n    \"version\": " + QByteArray::number(kExportVersion) + "\n}\n";
    return sink(out);
}

QByteArray exportSettingsJson(const SettingsStore &store) {
    QByteArray json;
    writeSettingsJson(store, [&json](QByteArrayView bytes) {
        json.append(bytes);
        return true;
    });
    return json;
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
