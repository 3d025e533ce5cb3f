# `cpack -G DEB` in a build folder makes a Debian package of what `cmake --install` installs.

set(CPACK_PACKAGE_NAME vidorev)
set(CPACK_PACKAGE_VENDOR "Vidorev developers")
set(CPACK_PACKAGE_CONTACT "${VIDOREV_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desk tool for people who bill by the hour")
set(CPACK_PACKAGE_DESCRIPTION
    "Vidorev keeps job time clocks and to-do lists in one small window. Every start,\n"
    "stop, memo and note is appended as one line to a plain-text Diary that can be\n"
    "read, searched, backed up and billed from. Around it: fourteen scheduled alarms,\n"
    "calculators, note sheets, a time-zone board and a holiday strip.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VIDOREV_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VIDOREV_HOMEPAGE}")
# Depends is worked out by dpkg-shlibdeps from the libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
