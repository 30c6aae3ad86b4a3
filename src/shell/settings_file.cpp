#include "shell/settings_file.h"

#include "base/app_error.h"
#include "base/regional_format.h"
#include "base/win1250.h"
#include "shell/password_hash.h"
#include "storage/ini_file.h"


namespace {

const QByteArray RecentFilesSection = "OSTATNIE";

QByteArray recentFileKey(int index)
{
    return QByteArray::number(index);
}

// The file as it is on disk now; the copy lives for one operation only.
template <typename Operation>
auto withFile(const QString& fileName, Operation operation)
{
    TMemIniFile ini(fileName);
    ini.LoadFromFile();
    return operation(ini);
}

// Loads the file, changes it and puts it back on disk.
template <typename Change>
void changeFile(const QString& fileName, Change change)
{
    withFile(fileName, [&change](TMemIniFile& ini) {
        change(ini);
        ini.WriteToDisk();
    });
}

QString readText(const TMemIniFile& ini, SettingsKey key, const QString& def)
{
    return win1250::toUnicode(ini.ReadValue(key.section, key.key, win1250::fromUnicode(def)));
}

bool readFlag(const TMemIniFile& ini, SettingsKey key, bool def)
{
    const QByteArray text = ini.ReadValue(key.section, key.key, {});
    try {
        return regional::parseInteger(QString::fromLatin1(text)) != 0;
    } catch (const AppError&) {
        return def;   // missing, empty or not a number
    }
}

QByteArray flagText(bool value)
{
    return value ? "1" : "0";
}

} // namespace

SettingsFile::SettingsFile(const ProgramPaths& paths)
    : fileName_(paths.settingsFile())
{
}

QString SettingsFile::readString(SettingsKey key, const QString& def) const
{
    return withFile(fileName_, [&](const TMemIniFile& ini) { return readText(ini, key, def); });
}

bool SettingsFile::readBool(SettingsKey key, bool def) const
{
    return withFile(fileName_, [&](const TMemIniFile& ini) { return readFlag(ini, key, def); });
}

void SettingsFile::writeString(SettingsKey key, const QString& value)
{
    changeFile(fileName_, [&](TMemIniFile& ini) { ini.WriteValue(key.section, key.key, win1250::fromUnicode(value)); });
}

void SettingsFile::writeBool(SettingsKey key, bool value)
{
    changeFile(fileName_, [&](TMemIniFile& ini) { ini.WriteValue(key.section, key.key, flagText(value)); });
}

void SettingsFile::readProgramSettings(ProgramSettings& settings)
{
    const QString plainPassword = withFile(fileName_, [&settings](const TMemIniFile& ini) {
        settings.AutoScale = readFlag(ini, AutoScaleKey, false);
        settings.RememberRecent = readFlag(ini, RememberRecentKey, false);
        settings.AccessPasswordHash = readText(ini, AccessPasswordHashKey, {});
        settings.ShowWelcome = readFlag(ini, ShowWelcomeKey, true);
        return readText(ini, PlainPasswordKey, {});
    });
    if (!plainPassword.isEmpty() && settings.AccessPasswordHash.isEmpty())
        settings.AccessPasswordHash = writeAccessPassword(plainPassword);
}

QString SettingsFile::writeAccessPassword(const QString& password)
{
    const QString hash = password.isEmpty() ? QString() : hashPassword(password);
    changeFile(fileName_, [&hash](TMemIniFile& ini) {
        ini.WriteValue(AccessPasswordHashKey.section, AccessPasswordHashKey.key, win1250::fromUnicode(hash));
        ini.DeleteValue(PlainPasswordKey.section, PlainPasswordKey.key);
    });
    return hash;
}

QStringList SettingsFile::readRecentFiles() const
{
    return withFile(fileName_, [](const TMemIniFile& ini) {
        QStringList oldestFirst;
        for (int index = MaxRecentFiles - 1; index >= 0; --index) {
            const QByteArray path = ini.ReadValue(RecentFilesSection, recentFileKey(index), {});
            if (!path.isEmpty())
                oldestFirst.append(win1250::toUnicode(path));
        }
        return oldestFirst;
    });
}

void SettingsFile::writeRecentFiles(const QStringList& oldestFirst)
{
    changeFile(fileName_, [&oldestFirst](TMemIniFile& ini) {
        for (qsizetype index = 0; index < oldestFirst.size(); ++index)
            ini.WriteValue(RecentFilesSection, recentFileKey(int(index)),
                           win1250::fromUnicode(oldestFirst[oldestFirst.size() - 1 - index]));
    });
}
