#pragma once
// The process-wide settings read from TARVEN.INI at start and changed at run time by the
// options dialog and the welcome screen. All switches are off and no password is set until
// the settings file has been read. The password is known only by its salted hash
// (shell/password_hash.h); an empty hash means no password.

#include <QString>

struct ProgramSettings {
    bool AutoScale = false;
    bool RememberRecent = false;
    bool ShowWelcome = false;
    QString AccessPasswordHash;
};

ProgramSettings& programSettings();
