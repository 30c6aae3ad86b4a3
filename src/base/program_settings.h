#pragma once
// The process-wide settings read from TARVEN.INI at start and changed at run time by the
// options dialog and the welcome screen. All switches are off and the password empty until
// the settings file has been read.

#include <QString>

struct ProgramSettings {
    bool AutoScale = false;
    bool RememberRecent = false;
    bool ShowWelcome = false;
    QString AccessPassword;
};

ProgramSettings& programSettings();
