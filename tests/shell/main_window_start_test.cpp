// The main window's start and shut-down: settings, access password, recent files, welcome.

#include "shell/main_window.h"

#include "base/program_settings.h"
#include "shell/password_dialog.h"
#include "shell/settings_file.h"
#include "support/modal_dialog.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString SettingsReadError = QStringLiteral(
    "Problemy z otwarciem pliku \"TARVEN.INI\". Niektóre z ustawień nie będą załadowane.");

// Types `typed` into the start's password dialog and confirms it with "O.K.".
void answerPassword(const QString& typed)
{
    answerNextModal<TPaswortF>([typed](TPaswortF& dialog) {
        dialog.MaskEdit1->setText(typed);
        dialog.SpeedButton1->click();
    });
}

class MainWindowStart : public ::testing::Test {
protected:
    void SetUp() override { programSettings() = ProgramSettings{}; }
    void TearDown() override { programSettings() = ProgramSettings{}; }

    void writeIni(const QByteArray& text) { folder.write(QStringLiteral("TARVEN.INI"), text); }
    QString recentKey(const char* key) const { return SettingsFile(folder.root()).readString({"OSTATNIE", key}); }

    // Creates the main window, shows it and lets the event loop run what its start queued.
    std::unique_ptr<TForm1> startAndShow()
    {
        auto form = std::make_unique<TForm1>(folder.root());
        // Counted instead of shown.
        QObject::disconnect(form.get(), &TForm1::welcomeScreenRequested, form.get(), nullptr);
        QObject::connect(form.get(), &TForm1::welcomeScreenRequested, [this] { ++welcomeRequests; });
        form->show();
        QApplication::processEvents();
        return form;
    }

    QStringList recentFileItems(TForm1& form) const
    {
        QStringList texts;
        const QList<QAction*> items = form.findChild<QMenu*>("Plik1")->actions();
        for (qsizetype i = 12; i < items.size(); ++i) {
            EXPECT_EQ(items[i]->statusTip(), items[i]->text()) << "the hint is the full path";
            texts.append(items[i]->text());
        }
        return texts;
    }

    TempFolder folder;
    PromptsScope scope;
    int welcomeRequests = 0;
};

TEST_F(MainWindowStart, WithoutSettingsFileEverySwitchIsOffAndTheWelcomeScreenIsAskedFor)
{
    auto form = startAndShow();
    EXPECT_FALSE(programSettings().AutoScale);
    EXPECT_FALSE(programSettings().RememberRecent);
    EXPECT_EQ(programSettings().AccessPasswordHash, "");
    EXPECT_TRUE(programSettings().ShowWelcome);
    EXPECT_EQ(welcomeRequests, 1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(scope.prompts.messages.isEmpty());
    EXPECT_EQ(form->windowTitle(), "Ocena Ryzyka Zawodowego");
    EXPECT_EQ(mainWindow(), form.get());
}

TEST_F(MainWindowStart, GlobalReferenceIsClearedWithTheWindow)
{
    startAndShow().reset();
    EXPECT_EQ(mainWindow(), nullptr);
}

TEST_F(MainWindowStart, WelcomeValueZeroSuppressesTheWelcomeScreen)
{
    writeIni("[USTAWIENIA]\r\nPowitalny=0\r\n");
    auto form = startAndShow();
    EXPECT_FALSE(programSettings().ShowWelcome);
    EXPECT_EQ(welcomeRequests, 0);
}

TEST_F(MainWindowStart, WelcomeValueThatIsNoNumberShowsTheWelcomeScreen)
{
    writeIni("[USTAWIENIA]\r\nPowitalny=nie\r\n");
    auto form = startAndShow();
    EXPECT_TRUE(programSettings().ShowWelcome);
    EXPECT_EQ(welcomeRequests, 1);
}

TEST_F(MainWindowStart, UnreadableSettingsFileIsReportedAndLeavesEverythingOff)
{
    QDir(folder.root()).mkdir("TARVEN.INI");
    auto form = startAndShow();
    ASSERT_EQ(scope.prompts.messages.size(), 1);
    EXPECT_EQ(scope.prompts.messages[0].text, SettingsReadError);
    EXPECT_EQ(scope.prompts.messages[0].icon, Prompts::Icon::Error);
    EXPECT_FALSE(programSettings().ShowWelcome);
    EXPECT_EQ(welcomeRequests, 0);
    EXPECT_TRUE(form->isVisible()) << "start-up goes on";
}

TEST_F(MainWindowStart, NoPasswordIsAskedWhenNoneIsSet)
{
    writeIni("[USTAWIENIA]\r\nOpenP=\r\n");
    auto form = startAndShow();   // an unscripted password prompt would fail the test
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowStart, ExactPasswordLetsTheProgramRun)
{
    writeIni("[USTAWIENIA]\r\nOpenP=haslo\r\n");
    answerPassword("haslo");   // asked once: a second, unanswered dialog would never close
    auto form = startAndShow();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(welcomeRequests, 1);
}

TEST_F(MainWindowStart, AnyOtherPasswordClosesTheWindowBeforeTheWelcomeScreen)
{
    for (const QString& typed : {QStringLiteral("HASLO"), QStringLiteral("Haslo"), QStringLiteral("hasl"),
                                 QStringLiteral("haslo1"), QStringLiteral(" haslo"), QStringLiteral("")}) {
        writeIni("[USTAWIENIA]\r\nOpenP=haslo\r\n");
        answerPassword(typed);
        welcomeRequests = 0;
        scope.prompts.messages.clear();
        auto form = startAndShow();
        EXPECT_FALSE(form->isVisible()) << typed.toStdString();
        EXPECT_EQ(welcomeRequests, 0) << typed.toStdString();
        ASSERT_EQ(scope.prompts.messages.size(), 1);
        EXPECT_EQ(scope.prompts.messages[0].text, "Nieprawidłowe hasło.");
    }
}

TEST_F(MainWindowStart, ClosingThePasswordDialogClosesTheWindow)
{
    writeIni("[USTAWIENIA]\r\nOpenP=haslo\r\n");
    answerNextModal<TPaswortF>([](TPaswortF& dialog) { dialog.reject(); });   // Escape, no "O.K."
    auto form = startAndShow();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(welcomeRequests, 0);
}

TEST_F(MainWindowStart, RecentFilesLoadOldestFirstAndTheMenuShowsTheNewestFirst)
{
    writeIni("[OSTATNIE]\r\nPamietaj=1\r\n0=/dok/A.rpr\r\n1=/dok/B.ron\r\n");
    auto form = startAndShow();
    EXPECT_EQ(form->RecentFiles(), QStringList({"/dok/B.ron", "/dok/A.rpr"}));
    EXPECT_EQ(recentFileItems(*form), QStringList({"/dok/A.rpr", "/dok/B.ron"}));
}

TEST_F(MainWindowStart, RecentFileCaptionShowsAnAmpersandAsIs)
{
    writeIni("[OSTATNIE]\r\nPamietaj=1\r\n0=/BHP & PPOZ/A.rpr\r\n");
    auto form = startAndShow();
    const QList<QAction*> items = form->findChild<QMenu*>("Plik1")->actions();
    ASSERT_EQ(items.size(), 13);
    EXPECT_TRUE(items[11]->isSeparator());
    EXPECT_EQ(items[12]->text(), "/BHP && PPOZ/A.rpr");
    EXPECT_EQ(items[12]->statusTip(), "/BHP & PPOZ/A.rpr");
}

TEST_F(MainWindowStart, RecentFilesAreNotLoadedWhenNotRemembered)
{
    writeIni("[OSTATNIE]\r\nPamietaj=0\r\n0=/dok/A.rpr\r\n");
    auto form = startAndShow();
    EXPECT_TRUE(form->RecentFiles().isEmpty());
    EXPECT_TRUE(recentFileItems(*form).isEmpty());
}

TEST_F(MainWindowStart, ClosingWritesTheListAgainNewestFirst)
{
    writeIni("[OSTATNIE]\r\nPamietaj=1\r\n0=/dok/A.rpr\r\n1=/dok/B.ron\r\n");
    auto form = startAndShow();
    writeIni("[OSTATNIE]\r\nPamietaj=1\r\n");   // gone from the file meanwhile
    form->close();
    EXPECT_EQ(recentKey("0"), "/dok/A.rpr");
    EXPECT_EQ(recentKey("1"), "/dok/B.ron");
}

TEST_F(MainWindowStart, ClosingLeavesKeysBeyondTheListAlone)
{
    // Key 1 is empty, so the list has two entries; key 2 keeps its old value.
    writeIni("[OSTATNIE]\r\nPamietaj=1\r\n0=/dok/A.rpr\r\n2=/dok/C.rpr\r\n");
    auto form = startAndShow();
    ASSERT_EQ(form->RecentFiles(), QStringList({"/dok/C.rpr", "/dok/A.rpr"}));
    form->close();
    EXPECT_EQ(recentKey("0"), "/dok/A.rpr");
    EXPECT_EQ(recentKey("1"), "/dok/C.rpr");
    EXPECT_EQ(recentKey("2"), "/dok/C.rpr");
}

TEST_F(MainWindowStart, ClosingWithoutRememberingWritesNothing)
{
    const QByteArray ini = "[OSTATNIE]\r\nPamietaj=0\r\n0=/dok/A.rpr\r\n";
    writeIni(ini);
    auto form = startAndShow();
    form->close();
    EXPECT_EQ(folder.read("TARVEN.INI"), ini);
}

TEST_F(MainWindowStart, RememberingSwitchedOnDuringTheRunKeepsTheStoredKeys)
{
    writeIni("[OSTATNIE]\r\nPamietaj=0\r\n0=/dok/A.rpr\r\n1=/dok/B.ron\r\n");
    auto form = startAndShow();
    programSettings().RememberRecent = true;   // as the options dialog does
    form->close();
    EXPECT_EQ(recentKey("0"), "/dok/A.rpr");
    EXPECT_EQ(recentKey("1"), "/dok/B.ron");
    EXPECT_EQ(SettingsFile(folder.root()).readRecentFiles(), QStringList({"/dok/B.ron", "/dok/A.rpr"}));
}

TEST_F(MainWindowStart, ARefusedPasswordStillStoresTheRecentFilesOnClosing)
{
    writeIni("[OSTATNIE]\r\nPamietaj=1\r\n0=/dok/A.rpr\r\n[USTAWIENIA]\r\nOpenP=x\r\n");
    answerPassword("y");
    TForm1 form(folder.root());
    writeIni("[OSTATNIE]\r\nPamietaj=1\r\n");
    form.show();
    QApplication::processEvents();
    ASSERT_FALSE(form.isVisible());
    EXPECT_EQ(recentKey("0"), "/dok/A.rpr");
}

} // namespace
