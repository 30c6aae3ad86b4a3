# The Debian package of the install under /usr: `cpack -G DEB` in the build folder writes
# ocena-ryzyka_<version>_<architecture>.deb. The libraries the program and its tools link
# are found by dpkg-shlibdeps (dpkg-dev); the parts of Qt loaded at run time, the icon theme
# and the reports' font are named here.
set(CPACK_PACKAGE_NAME ocena-ryzyka)
set(CPACK_PACKAGE_VENDOR "Pracownia Oprogramowania BHP")
set(CPACK_PACKAGE_CONTACT "Pracownia Oprogramowania BHP <kontakt@ocena-ryzyka.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ocena ryzyka zawodowego na stanowisku pracy")
set(CPACK_PACKAGE_DESCRIPTION
  "Program dla służby BHP: opis stanowiska pracy i jego zagrożeń, ocena\n\
ryzyka zawodowego jedną z czterech metod (PHA, RISK SCORE, FIVE STEPS,\n\
macierz wg PN-N-18002), lista kontrolna i raporty (.docx, .odt, .pdf).\n\
Projekty (.rpr) i oceny ryzyka (.ron) otwiera także z menedżera plików.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
if(MAKER_WEB_ADDRESS)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MAKER_WEB_ADDRESS}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The platform plugins, the SVG images, the help's database driver, the Polish texts of
# Qt's standard buttons, the toolbar's icon theme, the reports' font and the spreadsheet
# library, which the program loads itself (see src/report/xlsx_library.h).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, libqt6svg6, libqt6sql6-sqlite, qt6-translations-l10n, adwaita-icon-theme, fonts-liberation, libxlsxwriter4")
# What turns the menu entry, the document types and the icons into the desktop's caches, and
# what opens a written report or the maker's web page in the user's own programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, shared-mime-info, hicolor-icon-theme, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
