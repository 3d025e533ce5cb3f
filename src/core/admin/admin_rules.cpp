#include "admin/admin_rules.h"

#include "alarms/time_zones.h"
#include "diary_log/report_file.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "platform/text_forms.h"

#include <QDir>
#include <QLocale>

#include <cmath>

namespace vidorev::admin {

namespace {
const QString kBlank = QStringLiteral(" ");
// "H" + six hexadecimal digits + ";".
constexpr qsizetype kMarkerLength = 8;

bool isMarker(QStringView text) {
    if (text.size() < kMarkerLength || text[0] != u'H' || text[kMarkerLength - 1] != u';')
        return false;
    for (qsizetype i = 1; i < kMarkerLength - 1; ++i) {
        const QChar c = text[i];
        const bool hex =
            (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
        if (!hex)
            return false;
    }
    return true;
}

QString specialKey(SpecialSound which) {
    return which == SpecialSound::Alert ? keys::kPingAlert : keys::kPingCash;
}
} // namespace

bool isAdministrator(const QString &user, const QString &adminName) {
    return !user.trimmed().isEmpty() && user == adminName;
}

bool makesOwnDiary(const QString &user, const QString &adminName) {
    return user.trimmed().size() >= 2 &&
           (adminName == keys::kNoAdminName || adminName == keys::kDefaultAdminName ||
            adminName.trimmed().isEmpty());
}

QString firstDiaryPath(const QString &documents, const QString &user) {
    return QDir(documents).filePath(diary::safeFileName(user) + QStringLiteral("-diary.log"));
}

QString adminNameProblem(const QString &name) {
    if (name.trimmed().size() >= 2)
        return {};
    return QStringLiteral("Not saved: \"Admin name\" needs at least two characters, as a user "
                          "name does");
}

QString holidayEntry(const QString &month, const QString &day, HolidayKind kind) {
    QString suffix;
    switch (kind) {
    case HolidayKind::Closed:
        suffix = QStringLiteral(";");
        break;
    case HolidayKind::Blue:
        suffix = QStringLiteral(";HFF8000;");
        break;
    case HolidayKind::Green:
        suffix = QStringLiteral(";H80FF00;");
        break;
    case HolidayKind::Violet:
        suffix = QStringLiteral(";HC000C0;");
        break;
    }
    return month + u'/' + day + suffix;
}

QString removeHoliday(const QString &list, const QString &month, const QString &day) {
    const QString token = u';' + month.trimmed() + u'/' + day.trimmed() + u';';
    const qsizetype at = list.indexOf(token);
    if (token.size() < 5 || at < 0)
        return list;
    QString out = list;
    out.remove(at + 1, token.size() - 1);
    if (isMarker(QStringView(out).mid(at + 1)))
        out.remove(at + 1, kMarkerLength);
    return out;
}

int soundCount(const SettingsStore &store) {
    return store.getInt(keys::kAppDiary, keys::kSecAdmin, keys::kSoundCount,
                        keys::kDefaultSoundCount);
}

SoundSlot soundSlot(const SettingsStore &store, int n) {
    // Slot 0 is the silence even before anything was saved.
    const bool silence = n == 0;
    return {store.get(keys::kAppDiary, keys::soundSection(n), keys::kType,
                      silence ? keys::kSilentSoundName : kBlank),
            store.get(keys::kAppDiary, keys::kSecAdmin, keys::kPingPrefix + keys::soundSection(n),
                      silence ? keys::kSilentWave : kBlank)};
}

QString soundSlotProblem(int n) {
    if (n >= 1)
        return {};
    return QStringLiteral("Slot %1 is \"%2\", no sound, and stays so: move the slider to a "
                          "slot from 1 up to save a sound")
        .arg(n)
        .arg(keys::kSilentSoundName);
}

bool saveSoundSelection(SettingsStore &store, int n, const SoundSlot &slot) {
    if (!soundSlotProblem(n).isEmpty())
        return false;
    SettingsStore::Batch batch(store);
    store.save(keys::kAppDiary, keys::kSecAdmin, keys::kPingPrefix + keys::soundSection(n),
               slot.file);
    store.save(keys::kAppDiary, keys::kSecAdmin, keys::kPingPrefix + keys::soundSection(0),
               keys::kSilentWave);
    store.save(keys::kAppDiary, keys::soundSection(0), keys::kType, keys::kSilentSoundName);
    store.save(keys::kAppDiary, keys::soundSection(n), keys::kType, slot.name);
    return batch.commit();
}

int addSoundOption(SettingsStore &store) {
    const int count = soundCount(store) + 1;
    if (!store.save(keys::kAppDiary, keys::kSecAdmin, keys::kSoundCount, QString::number(count)))
        return -1;
    return count;
}

QString specialSound(const SettingsStore &store, SpecialSound which) {
    return store.get(keys::kAppDiary, keys::kSecAdmin, specialKey(which), kBlank);
}

bool saveSpecialSound(SettingsStore &store, SpecialSound which, const QString &file) {
    return store.save(keys::kAppDiary, keys::kSecAdmin, specialKey(which), file);
}

QString specialSoundName(SpecialSound which) {
    return which == SpecialSound::Alert ? QStringLiteral("Alert!") : QStringLiteral("Job Done");
}

AdminOptions loadOptions(const SettingsStore &store, const QDateTime &now) {
    AdminOptions o;
    o.adminName = store.get(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, kBlank);
    o.taxPct =
        store.getDouble(keys::kAppClock, keys::kSecCash, keys::kTaxPct, keys::kDefaultTaxPct);
    o.timeZone = store.get(keys::kAppClock, keys::kSecLocal, keys::kTZone,
                           text::number(alarms::systemZone(now), QLocale::c()));
    o.locked = deskLocked(store);
    return o;
}

bool saveOptions(SettingsStore &store, const AdminOptions &options) {
    SettingsStore::Batch batch(store);
    store.save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, options.adminName);
    // Stored numbers use the "." every reader of the store expects, whatever the desk's locale.
    store.save(keys::kAppClock, keys::kSecCash, keys::kTaxPct,
               text::number(options.taxPct, QLocale::c()));
    store.save(keys::kAppClock, keys::kSecLocal, keys::kTZone, options.timeZone);
    store.save(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, lockedText(options.locked));
    return batch.commit();
}

std::optional<double> parseTaxRate(const QString &text, const QLocale &locale) {
    QString number = text.trimmed();
    for (const QString &sign : {QStringLiteral("%"), locale.percent()})
        if (!sign.isEmpty() && number.endsWith(sign)) {
            number.chop(sign.size());
            break;
        }
    const std::optional<double> percent = text::typedNumber(number, locale);
    if (!percent)
        return std::nullopt;
    return *percent / 100.0;
}

std::optional<double> parseTimeZone(const QString &text, const QLocale &locale) {
    const std::optional<double> zone = text::typedNumber(text, locale);
    if (!zone || *zone < -24 || *zone > 24)
        return std::nullopt;
    return zone;
}

OptionsEntry readOptions(const QString &adminName, const QString &taxRate, const QString &timeZone,
                         bool locked, const QLocale &locale) {
    OptionsEntry entry;
    entry.options.adminName = adminName;
    entry.options.locked = locked;
    if (QString why = adminNameProblem(adminName); !why.isEmpty()) {
        entry.problem = why;
        return entry;
    }
    const std::optional<double> tax = parseTaxRate(taxRate, locale);
    if (!tax) {
        entry.problem = QStringLiteral("Not saved: \"Default Sales tax\" is not a number: "
                                       "%1 (type a percentage such as %2)")
                            .arg(taxRate, text::number(7.75, locale));
        return entry;
    }
    const std::optional<double> zone = parseTimeZone(timeZone, locale);
    if (!zone) {
        entry.problem = QStringLiteral("Not saved: \"Time Zone\" is not a number of hours "
                                       "from -24 to 24: %1 (8 is California)")
                            .arg(timeZone);
        return entry;
    }
    entry.options.taxPct = *tax;
    entry.options.timeZone = text::number(*zone, QLocale::c());
    return entry;
}

QString lockedText(bool locked) {
    return locked ? keys::kYes : keys::kNo;
}

bool lockedFromText(const QString &text) {
    return text != keys::kNo;
}

bool deskLocked(const SettingsStore &store) {
    return lockedFromText(store.get(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, keys::kNo));
}

} // namespace vidorev::admin
