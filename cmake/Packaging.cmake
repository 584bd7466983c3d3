# SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of what `cmake --install` installs: cpack -G DEB (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME valtora)
set(CPACK_PACKAGE_VENDOR Orvashel)
set(CPACK_PACKAGE_CONTACT "Orvashel <orvashel@valtora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop quiz on the chemical elements")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Valtora shows an element's atomic number, symbol, name and atomic mass\n"
    "with the symbol or the name covered, and the player types what is\n"
    "covered. Elements are drawn from the first 36, from those a school course\n"
    "knows, or from all 103. It is played by keyboard alone as well as with the\n"
    "mouse, and screen readers read it out.\n"
    "\n"
    "The element table ships with the program. A school can serve its own\n"
    "table to every desk instead, from any database with an ODBC driver, such\n"
    "as PostgreSQL.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Libraries the program links come from dpkg-shlibdeps; Qt loads its SQL drivers at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-odbc")
# The window's own face, the signature's (Liberation, which draws Greek beyond scale 1 too),
# Chinese's and Korean's, Japanese's and Georgian's, Qt's platform for Wayland sessions (without
# it, XWayland serves), and Qt's own texts (the answer box's context menu, the command line's
# help) in the class's language.
string(JOIN ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-wine fonts-liberation fonts-wqy-microhei
    fonts-vlgothic fonts-noto-core qt6-wayland qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
include(CPack)
