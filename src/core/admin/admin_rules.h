#pragma once

#include <QString>

namespace vidorev {
class SettingsStore;
}

// The Options panel's rules: the holiday list editor, the sound list and the four values its "OK"
// keeps. The panel shows and forwards; what is stored where is decided here.
namespace vidorev::admin {

// Whether user is the desk's administrator (the name stored as "KeyHold").
bool isAdministrator(const QString &user, const QString &adminName);

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
// Keeps slot n's file and name, and puts slot 0 back to silence, in one transaction.
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
AdminOptions loadOptions(const SettingsStore &store);
bool saveOptions(SettingsStore &store, const AdminOptions &options);

// "Locked" as stored for a checked or clear box.
QString lockedText(bool locked);
// A box reads checked for anything but "No".
bool lockedFromText(const QString &text);

} // namespace vidorev::admin
