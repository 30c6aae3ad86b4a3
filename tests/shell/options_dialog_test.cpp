// The options dialog: the switches it writes, the password cases of "Zamknij" and
// "Sprawdź hasło" and the password fields.

#include "shell/options_dialog.h"

#include "base/program_settings.h"
#include "shell/password_dialog.h"
#include "shell/password_hash.h"
#include "shell/settings_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString WrongPassword = QStringLiteral("Aktualne hasło jest niewłaściwe.");
const QString DifferentPasswords =
    QStringLiteral("Nowe hasło i hasło powtórzone są różne. Wprowadź ponownie nowe hasło.");
const QString PasswordRight = QStringLiteral("Hasło poprawne");
const QString NoKey = QStringLiteral("(brak)");

enum class Button { Close, Check };

struct PasswordCase {
    const char* name;
    QString stored;         // the password in force and in the file; empty: none
    QStringList typed;      // current, new, repeated
    Button button;
    QString message;        // the one message shown, or none
    QStringList fieldsAfter;
    bool staysOpen;
    QString openPAfter;     // the password in force after, NoKey: the one before
};

class OptionsDialog : public ::testing::Test {
protected:
    void SetUp() override { programSettings() = ProgramSettings{}; }
    void TearDown() override { programSettings() = ProgramSettings{}; }

    TempFolder folder;
    PromptsScope scope;
    QWidget mainWindowStandIn;
};

TEST_F(OptionsDialog, PasswordCases)
{
    const QStringList empty{"", "", ""};
    const std::vector<PasswordCase> cases{
        {"no password, all empty", "", empty, Button::Close, {}, empty, false, NoKey},
        {"no password, new one typed twice", "", {"", "abc", "abc"}, Button::Close, {}, {"", "abc", "abc"}, false, "abc"},
        {"something typed as current with none set", "", {"x", "", ""}, Button::Close, WrongPassword, empty, true, NoKey},
        {"current password in another case", "tajne", {"TAJNE", "nowe", "nowe"}, Button::Close, WrongPassword, empty,
         true, "tajne"},
        {"new passwords differ", "", {"", "abc", "abd"}, Button::Close, DifferentPasswords, empty, true, NoKey},
        {"new passwords differ, current kept", "tajne", {"tajne", "abc", "ABC"}, Button::Close, DifferentPasswords,
         {"tajne", "", ""}, true, "tajne"},
        {"current password alone removes it", "tajne", {"tajne", "", ""}, Button::Close, {}, {"tajne", "", ""}, false, ""},
        {"password changed", "tajne", {"tajne", "nowe1", "nowe1"}, Button::Close, {}, {"tajne", "nowe1", "nowe1"}, false,
         "nowe1"},
        {"check with everything empty", "", empty, Button::Check, PasswordRight, empty, true, NoKey},
        {"check with the right fields", "tajne", {"tajne", "a", "a"}, Button::Check, PasswordRight, {"tajne", "a", "a"},
         true, "tajne"},
        {"check with a wrong password", "tajne", {"", "a", "a"}, Button::Check, WrongPassword, empty, true, "tajne"},
    };
    for (const PasswordCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder caseFolder;
        programSettings() = ProgramSettings{};
        if (!c.stored.isEmpty())
            programSettings().AccessPasswordHash = SettingsFile(caseFolder.root()).writeAccessPassword(c.stored);
        scope.prompts.messages.clear();

        TForm190 dialog(caseFolder.root(), &mainWindowStandIn);
        dialog.show();
        dialog.CheckBox1->setChecked(true);
        dialog.CheckBox2->setChecked(true);
        dialog.CheckBox3->setChecked(false);
        const QList<QLineEdit*> fields{dialog.MaskEdit1, dialog.MaskEdit2, dialog.MaskEdit3};
        for (int i = 0; i < 3; ++i)
            fields[i]->setText(c.typed[i]);
        (c.button == Button::Close ? dialog.SpeedButton1 : dialog.SpeedButton5)->click();

        QStringList shown, fieldsAfter;
        for (const auto& message : scope.prompts.messages)
            shown.append(message.text);
        for (const QLineEdit* field : fields)
            fieldsAfter.append(field->text());
        EXPECT_EQ(shown, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(fieldsAfter, c.fieldsAfter);
        EXPECT_EQ(dialog.isVisible(), c.staysOpen);
        const SettingsFile file(caseFolder.root());
        const QString inForce = c.openPAfter == NoKey ? c.stored : c.openPAfter;
        EXPECT_TRUE(passwordMatches(programSettings().AccessPasswordHash, inForce));
        EXPECT_TRUE(passwordMatches(file.readString(AccessPasswordHashKey), inForce));
        // "Zamknij" writes the switches and puts them in force before it looks at a password.
        const bool written = c.button == Button::Close;
        const auto stored = [&file](SettingsKey key) { return file.readString(key, NoKey); };
        EXPECT_EQ((QStringList{stored(PlainPasswordKey), stored(AutoScaleKey), stored(RememberRecentKey),
                               stored(ShowWelcomeKey)}),
                  (QStringList{NoKey, written ? "1" : NoKey, written ? "1" : NoKey, written ? "0" : NoKey}));
        EXPECT_EQ((QList<bool>{programSettings().AutoScale, programSettings().RememberRecent}), QList<bool>(2, written));
    }
}

TEST_F(OptionsDialog, StartsFromTheSettingsInForceAndCancelWritesNothing)
{
    SettingsFile(folder.root()).writeBool(AutoScaleKey, false);
    const QByteArray before = folder.read("TARVEN.INI");
    programSettings().AutoScale = true;
    programSettings().ShowWelcome = true;
    TForm190 dialog(folder.root(), &mainWindowStandIn);
    EXPECT_TRUE(dialog.CheckBox1->isChecked());
    EXPECT_FALSE(dialog.CheckBox2->isChecked());
    EXPECT_TRUE(dialog.CheckBox3->isChecked());
    dialog.show();
    EXPECT_FALSE(dialog.SpeedButton4->isEnabled()) << "\"Zastosuj\" waits for a click on the box";
    QTest::mouseClick(dialog.CheckBox1, Qt::LeftButton);
    EXPECT_TRUE(dialog.SpeedButton4->isEnabled());
    dialog.MaskEdit2->setText("abc");
    dialog.MaskEdit3->setText("abc");
    dialog.SpeedButton2->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(folder.read("TARVEN.INI"), before);
    EXPECT_TRUE(programSettings().AutoScale);
    EXPECT_EQ(programSettings().AccessPasswordHash, "");
}

TEST_F(OptionsDialog, PasswordFieldsTakeSixCharactersShownAsStars)
{
    TForm190 options(folder.root(), &mainWindowStandIn);
    TPaswortF password;
    for (QLineEdit* field : {options.MaskEdit1, options.MaskEdit2, options.MaskEdit3, password.MaskEdit1}) {
        SCOPED_TRACE(field->objectName().toStdString());
        field->ensurePolished();
        QTest::keyClicks(field, "haslo12");
        EXPECT_EQ(field->text(), "haslo1");
        EXPECT_EQ(field->displayText(), "******");
    }
}

} // namespace
