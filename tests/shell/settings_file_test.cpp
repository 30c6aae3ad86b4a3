#include "shell/settings_file.h"

#include "base/app_error.h"
#include "base/win1250.h"
#include "shell/password_hash.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Every case starts with its own program folder.
class SettingsFileTest : public ::testing::Test {
protected:
    void writeIni(const QByteArray& text) { folder.write(QStringLiteral("TARVEN.INI"), text); }
    QByteArray iniBytes() const { return folder.read(QStringLiteral("TARVEN.INI")); }

    TempFolder folder;
    SettingsFile settings{folder.root()};
};

constexpr SettingsKey recentKey(const char* key)
{
    return {"OSTATNIE", key};
}

TEST_F(SettingsFileTest, LiesInTheGivenFolderUnderItsFixedName)
{
    EXPECT_EQ(settings.fileName(), QDir(folder.root()).filePath("TARVEN.INI"));
}

TEST_F(SettingsFileTest, MissingFileGivesTheDefaultOfEverySetting)
{
    ProgramSettings read;
    read.AccessPasswordHash = "stale";
    settings.readProgramSettings(read);
    EXPECT_FALSE(read.AutoScale);
    EXPECT_FALSE(read.RememberRecent);
    EXPECT_EQ(read.AccessPasswordHash, "");
    EXPECT_TRUE(read.ShowWelcome);
    EXPECT_FALSE(QFile::exists(settings.fileName())) << "reading never creates the file";
}

TEST_F(SettingsFileTest, EachSettingIsReadFromItsOwnSectionAndKey)
{
    writeIni("[SKALA]\r\nPowieksz=1\r\n"
             "[OSTATNIE]\r\nPamietaj=1\r\n"
             "[USTAWIENIA]\r\nOpenPHash=pbkdf2-sha256:1:c29s:a2V5\r\nPowitalny=0\r\n");
    ProgramSettings read;
    settings.readProgramSettings(read);
    EXPECT_TRUE(read.AutoScale);
    EXPECT_TRUE(read.RememberRecent);
    EXPECT_EQ(read.AccessPasswordHash, "pbkdf2-sha256:1:c29s:a2V5");
    EXPECT_FALSE(read.ShowWelcome);
}

// The password is never on disk as text: a hash with its own salt, checked by its password
// alone, and a plain password of an older settings file is replaced at the first read.
TEST_F(SettingsFileTest, PasswordIsKeptAsASaltedHash)
{
    writeIni("[USTAWIENIA]\r\nOpenP=tajne\r\nPowitalny=0\r\n");
    ProgramSettings read;
    settings.readProgramSettings(read);
    const QByteArray migrated = iniBytes();
    EXPECT_FALSE(migrated.contains("tajne"));
    EXPECT_FALSE(migrated.contains("OpenP="));
    EXPECT_TRUE(migrated.contains("Powitalny=0"));
    EXPECT_EQ(settings.readString(AccessPasswordHashKey), read.AccessPasswordHash);
    settings.readProgramSettings(read);
    EXPECT_EQ(iniBytes(), migrated) << "migrated once";

    const QString again = settings.writeAccessPassword("tajne");
    EXPECT_NE(again, read.AccessPasswordHash) << "a fresh salt for every hash";
    const struct {
        QString stored;
        QString candidate;
        bool matches;
    } cases[] = {
        {read.AccessPasswordHash, "tajne", true}, {again, "tajne", true},  {again, "TAJNE", false},
        {again, "tajn", false},                   {again, "", false},      {"", "", true},
        {"", "tajne", false},                     {"tajne", "tajne", false}, {"pbkdf2-sha256:0:c29s:a2V5", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(passwordMatches(c.stored, c.candidate), c.matches) << c.stored.toStdString() << " / "
                                                                     << c.candidate.toStdString();
    EXPECT_EQ(settings.writeAccessPassword({}), "");
    EXPECT_EQ(settings.readString(AccessPasswordHashKey, "(brak)"), "");
}

TEST_F(SettingsFileTest, KeysInTheWrongSectionDoNotCount)
{
    writeIni("[USTAWIENIA]\r\nPowieksz=1\r\nPamietaj=1\r\n[OSTATNIE]\r\nPowitalny=0\r\nOpenP=x\r\n");
    ProgramSettings read;
    settings.readProgramSettings(read);
    EXPECT_FALSE(read.AutoScale);
    EXPECT_FALSE(read.RememberRecent);
    EXPECT_EQ(read.AccessPasswordHash, "");
    EXPECT_TRUE(read.ShowWelcome);
}

TEST_F(SettingsFileTest, BooleanIsAnyNonZeroNumberAndTextThatIsNoNumberIsTheDefault)
{
    const struct {
        QByteArray stored;
        bool defaultFalse;   // read with default false
        bool defaultTrue;    // read with default true
    } cases[] = {
        {"1", true, true},     {"0", false, false},   {"2", true, true},    {"-1", true, true},
        {" 0 ", false, false}, {"tak", false, true},  {"", false, true},    {"1,0", false, true},
        {"0x1", false, true},  {"99999999999", false, true},
    };
    for (const auto& c : cases) {
        writeIni("[SKALA]\r\nPowieksz=" + c.stored + "\r\n");
        EXPECT_EQ(settings.readBool(AutoScaleKey, false), c.defaultFalse) << c.stored.constData();
        EXPECT_EQ(settings.readBool(AutoScaleKey, true), c.defaultTrue) << c.stored.constData();
    }
}

TEST_F(SettingsFileTest, WelcomeValueZeroHidesAndNonNumberShows)
{
    ProgramSettings read;
    writeIni("[USTAWIENIA]\r\nPowitalny=0\r\n");
    settings.readProgramSettings(read);
    EXPECT_FALSE(read.ShowWelcome);
    writeIni("[USTAWIENIA]\r\nPowitalny=nie\r\n");
    settings.readProgramSettings(read);
    EXPECT_TRUE(read.ShowWelcome);
}

TEST_F(SettingsFileTest, BooleansAreWrittenAsOneAndZero)
{
    settings.writeBool(AutoScaleKey, true);
    settings.writeBool(ShowWelcomeKey, false);
    EXPECT_EQ(SettingsFile(folder.root()).readString(AutoScaleKey), "1");
    EXPECT_EQ(SettingsFile(folder.root()).readString(ShowWelcomeKey), "0");
}

TEST_F(SettingsFileTest, EveryWriteReachesTheDiskAtOnceAndKeepsTheRest)
{
    writeIni("[INNE]\r\nKlucz=wartość\r\n");
    settings.writeString(PlainPasswordKey, "abc");
    const QByteArray afterFirst = iniBytes();
    EXPECT_TRUE(afterFirst.contains("OpenP=abc"));
    EXPECT_TRUE(afterFirst.contains("[INNE]"));

    // A change made by someone else between two operations is not lost: nothing is cached.
    folder.write("TARVEN.INI", afterFirst + "[OBCA]\r\nK=1\r\n");
    settings.writeBool(RememberRecentKey, true);
    const QByteArray afterSecond = iniBytes();
    EXPECT_TRUE(afterSecond.contains("[OBCA]"));
    EXPECT_TRUE(afterSecond.contains("Pamietaj=1"));
    EXPECT_TRUE(afterSecond.contains("OpenP=abc"));
}

TEST_F(SettingsFileTest, ReadsSeeTheFileAsItIsNow)
{
    writeIni("[USTAWIENIA]\r\nOpenP=pierwsze\r\n");
    EXPECT_EQ(settings.readString(PlainPasswordKey), "pierwsze");
    writeIni("[USTAWIENIA]\r\nOpenP=drugie\r\n");
    EXPECT_EQ(settings.readString(PlainPasswordKey), "drugie");
}

TEST_F(SettingsFileTest, TextIsWindows1250)
{
    settings.writeString(recentKey("0"), QStringLiteral("C:\\Projekty\\Łódź żółć.rpr"));
    EXPECT_TRUE(iniBytes().contains(win1250::fromUnicode(QStringLiteral("0=C:\\Projekty\\Łódź żółć.rpr"))));
    EXPECT_EQ(settings.readString(recentKey("0")), QStringLiteral("C:\\Projekty\\Łódź żółć.rpr"));
}

TEST_F(SettingsFileTest, RecentFilesLoadOldestFirstSkippingEmptyKeys)
{
    writeIni("[OSTATNIE]\r\nPamietaj=1\r\n0=/a/A.rpr\r\n1=/b/B.ron\r\n2=\r\n3=/d/D.rpr\r\n");
    EXPECT_EQ(settings.readRecentFiles(), QStringList({"/d/D.rpr", "/b/B.ron", "/a/A.rpr"}));
}

TEST_F(SettingsFileTest, RecentFilesOnlyUseKeysZeroToFour)
{
    writeIni("[OSTATNIE]\r\n5=/f/F.rpr\r\n4=/e/E.rpr\r\n");
    EXPECT_EQ(settings.readRecentFiles(), QStringList({"/e/E.rpr"}));
}

TEST_F(SettingsFileTest, RecentFilesAreWrittenNewestFirstAndLaterKeysKeepTheirValues)
{
    writeIni("[OSTATNIE]\r\n0=/old/0.rpr\r\n1=/old/1.rpr\r\n2=/old/2.rpr\r\n3=/old/3.rpr\r\n");
    settings.writeRecentFiles({"/x/older.rpr", "/x/newest.ron"});
    const SettingsFile reread(folder.root());
    EXPECT_EQ(reread.readString(recentKey("0")), "/x/newest.ron");
    EXPECT_EQ(reread.readString(recentKey("1")), "/x/older.rpr");
    EXPECT_EQ(reread.readString(recentKey("2")), "/old/2.rpr");
    EXPECT_EQ(reread.readString(recentKey("3")), "/old/3.rpr");
    EXPECT_EQ(reread.readString(recentKey("4")), "");
}

TEST_F(SettingsFileTest, RecentFilesSurviveARoundTrip)
{
    const QStringList oldestFirst{"/p/1.rpr", "/p/2.ron", "/p/3.rpr", "/p/4.ron", "/p/5.rpr"};
    settings.writeRecentFiles(oldestFirst);
    EXPECT_EQ(SettingsFile(folder.root()).readRecentFiles(), oldestFirst);
}

TEST_F(SettingsFileTest, UnreadableFileThrows)
{
    QDir(folder.root()).mkdir("TARVEN.INI");   // a folder where the file should be
    ProgramSettings read;
    EXPECT_THROW(settings.readProgramSettings(read), AppError);
    EXPECT_THROW(settings.readRecentFiles(), AppError);
    EXPECT_THROW(settings.writeBool(ShowWelcomeKey, false), AppError);
}

} // namespace
