#pragma once

#include <QString>

namespace vidorev {

// The program's three-part version number and the texts built from it.
struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;

    static Version current();

    QString majorMinor() const; // "1.0"
    QString full() const;       // "1.0.0"
    // The tag stored as "Compat" to tell whether a user's Diary has seen this version.
    QString hostTag() const;       // "PLM" + Revision + "D" + Major + "S" + Minor + "K5"
    QString windowCaption() const; // "Vidorev  V" + Major + "." + Minor
};

} // namespace vidorev
