#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

namespace vidorev {
class SettingsStore;
}

// The Options panel's rules: the holiday list editor, the sound list and the four values its "OK"
// keeps. The panel shows and forwards; what is stored where is decided here.
namespace vidorev::admin {

// Whether user is the desk's administrator (the name stored as "KeyHold"). An empty (or blank)
// user box is nobody, whatever is stored.
bool isAdministrator(const QString &user, const QString &adminName);
// On a desk with no administrator named yet, a user makes and chooses their own Diary, so a new
// desk can be started from the window.
bool makesOwnDiary(const QString &user, const QString &adminName);
// Where a user's first Diary goes by default: NAME-diary.log in the documents folder.
QString firstDiaryPath(const QString &documents, const QString &user);
// Why a name cannot be the administrator's ("" when it can): it must be at least two
// characters, as the user list and "New Diary" take no shorter name.
QString adminNameProblem(const QString &name);

// How a date joins the holiday list: a closed day, or a day only shown in a colour.
enum class HolidayKind { Closed, Blue, Green, Violet };
// month + "/" + day + the kind's suffix (";", or ";H" + colour + ";"), appended as typed.
QString holidayEntry(const QString &month, const QString &day, HolidayKind kind);
// Takes the first ";" + month + "/" + day + ";" (blanks trimmed) out of the list, keeping its
// leading ";", together with the colour marker right after it. A token shorter than five
// characters, or one not in the list, leaves the list as it is.
QString removeHoliday(const QString &list, const QString &month, const QString &day);

// Slot n of the alarm sounds: its name and its wave file, with the Options panel's defaults.
struct SoundSlot {
    QString name;
    QString file;
};
int soundCount(const SettingsStore &store);
SoundSlot soundSlot(const SettingsStore &store, int n);
// Why slot n cannot take a sound ("" when it can): slot 0 is the fixed silence.
QString soundSlotProblem(int n);
// Keeps slot n's file and name, and puts slot 0 back to silence, in one transaction. Saves
// nothing, returning false, for a slot soundSlotProblem() refuses.
bool saveSoundSelection(SettingsStore &store, int n, const SoundSlot &slot);
// One more slot; returns the new count, or -1 when the store refused it.
int addSoundOption(SettingsStore &store);

// The two sounds outside the list: alarms switched on, and a to-do task checked off.
enum class SpecialSound { Alert, CheckOff };
QString specialSound(const SettingsStore &store, SpecialSound which);
bool saveSpecialSound(SettingsStore &store, SpecialSound which, const QString &file);
// The name the panel shows beside a special sound.
QString specialSoundName(SpecialSound which);

// What the Options panel's first screen keeps: saved together by its "OK".
struct AdminOptions {
    QString adminName;
    double taxPct = 0;
    QString timeZone;
    bool locked = false;
};
// now: for the time zone's default, the system's standard offset at that moment.
AdminOptions loadOptions(const SettingsStore &store, const QDateTime &now);
bool saveOptions(SettingsStore &store, const AdminOptions &options);

// A number as the administrator types it: in the desk's locale ("7,5" where the comma is the
// decimal sign) or with a "." point, no thousands separators. A tax rate is a percentage and may
// end in "%": "8.25%" is 0.0825. A time zone is hours from Greenwich, -24 to 24; it is kept as
// the store's plain number text ("5.5").
std::optional<double> parseTaxRate(const QString &text, const QLocale &locale = QLocale());
std::optional<double> parseTimeZone(const QString &text, const QLocale &locale = QLocale());

// The first screen's boxes as typed, checked: the values "OK" keeps, or why it keeps nothing
// (problem not empty, naming the box).
struct OptionsEntry {
    AdminOptions options;
    QString problem;
};
OptionsEntry readOptions(const QString &adminName, const QString &taxRate, const QString &timeZone,
                         bool locked, const QLocale &locale = QLocale());

// "Locked" as stored for a checked or clear box.
QString lockedText(bool locked);
// A box reads checked for anything but "No".
bool lockedFromText(const QString &text);
// Whether the desk is locked, read one way by every panel: an unset lock is no lock.
bool deskLocked(const SettingsStore &store);

} // namespace vidorev::admin
