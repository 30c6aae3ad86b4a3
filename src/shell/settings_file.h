#pragma once
// SettingsFile: the settings file TARVEN.INI where ProgramPaths puts it (in a temporary
// program folder in tests), read and written through the project's INI code. Every
// operation loads the file afresh and every write puts it back on disk at once: nothing is
// cached between operations.
//
// A missing file, section or key reads as the default. A Boolean is written as "1" or "0"
// and read as an integer: any non-zero number is true, text that is not a number is the
// default. Values are Windows-1250 text. Every operation throws AppError when the file
// exists but cannot be read, or cannot be written.

#include "base/program_paths.h"
#include "base/program_settings.h"

#include <QString>
#include <QStringList>

struct SettingsKey {
    const char* section;
    const char* key;
};

inline constexpr SettingsKey AutoScaleKey{"SKALA", "Powieksz"};
inline constexpr SettingsKey RememberRecentKey{"OSTATNIE", "Pamietaj"};
// The password's salted hash. Older versions kept the password itself under OpenP; such a key
// is read once, replaced by the hash and removed.
inline constexpr SettingsKey AccessPasswordHashKey{"USTAWIENIA", "OpenPHash"};
inline constexpr SettingsKey PlainPasswordKey{"USTAWIENIA", "OpenP"};
inline constexpr SettingsKey ShowWelcomeKey{"USTAWIENIA", "Powitalny"};
// The folder the register of assessments read last.
inline constexpr SettingsKey RegisterFolderKey{"REJESTR", "Folder"};
// The recent files lie in OSTATNIE under the keys "0" (the newest) to "4".
inline constexpr int MaxRecentFiles = 5;

class SettingsFile {
public:
    explicit SettingsFile(const ProgramPaths& paths);

    const QString& fileName() const { return fileName_; }

    QString readString(SettingsKey key, const QString& def = {}) const;
    bool readBool(SettingsKey key, bool def) const;
    void writeString(SettingsKey key, const QString& value);
    void writeBool(SettingsKey key, bool value);

    // The four settings read at start, in this order: AutoScale (default false),
    // RememberRecent (false), AccessPasswordHash (empty), ShowWelcome (true). A password
    // still kept as text is replaced in the file by its hash here.
    void readProgramSettings(ProgramSettings& settings);

    // Sets the access password (empty: none), kept as its hash, and returns the hash written.
    QString writeAccessPassword(const QString& password);

    // The recent files, oldest first: the non-empty keys from "4" down to "0".
    QStringList readRecentFiles() const;
    // Writes `oldestFirst` newest first from key "0" on; keys beyond its length keep the
    // values they have. REQUIRES: at most MaxRecentFiles entries.
    void writeRecentFiles(const QStringList& oldestFirst);

private:
    QString fileName_;
};
