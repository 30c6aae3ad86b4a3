#pragma once
// The process-wide set-up of the program's start, done once before the main window exists.

class QCoreApplication;

// Whether the windowed program has a display to show its windows on: DISPLAY or
// WAYLAND_DISPLAY is set, or a platform is given (QT_QPA_PLATFORM, the -platform option).
bool graphicalSessionGiven(int argc, char* argv[]);

// Forces one set of regional formats whatever the system's locale says: Qt's widgets use
// the Polish locale (decimal comma), and the C library's number conversions the neutral
// "C" format. The program's own conversions (base/regional_format.h) never follow a locale.
void forceRegionalFormats();

// Loads Qt's Polish translations of its widgets (qtbase_pl) and of its help module
// (qt_help_pl), so that standard buttons read "Tak" and "Nie" and the help's search page
// "Wyszukaj". False when either is not installed; its texts then stay in English.
bool installPolishTranslations(QCoreApplication& app);
