// "Zastosuj" of the options dialog on a screen 1024 pixels wide at 120 pixels per inch,
// where the autoscale factor is 1.024: every press scales the dialog and the main window again,
// until "Anuluj" takes it all back.

#include "shell/options_dialog.h"

#include "base/program_settings.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(OptionsScaling, EveryPressOfApplyScalesAgainWhileAutoscaleIsChecked)
{
    programSettings() = ProgramSettings{};
    TempFolder folder;
    PromptsScope scope;
    QWidget mainWindow;
    mainWindow.resize(500, 400);
    mainWindow.show();
    TForm190 dialog(folder.root(), &mainWindow);
    dialog.show();

    QTest::mouseClick(dialog.CheckBox1, Qt::LeftButton);
    dialog.SpeedButton4->click();
    EXPECT_EQ(mainWindow.size(), QSize(512, 410));
    EXPECT_EQ(dialog.size(), QSize(439, 214));
    EXPECT_TRUE(programSettings().AutoScale);
    dialog.SpeedButton4->click();
    EXPECT_EQ(mainWindow.size(), QSize(524, 420));
    EXPECT_EQ(dialog.size(), QSize(450, 219));
    EXPECT_TRUE(dialog.SpeedButton4->isEnabled());

    QTest::mouseClick(dialog.CheckBox1, Qt::LeftButton);
    dialog.SpeedButton4->click();
    EXPECT_EQ(mainWindow.size(), QSize(524, 420)) << "an unchecked box scales nothing back";
    EXPECT_FALSE(programSettings().AutoScale);
    EXPECT_TRUE(folder.read("TARVEN.INI").isEmpty()) << "nothing is written";
    programSettings() = ProgramSettings{};
}

// "Anuluj" after two presses of "Zastosuj" gives the main window and its controls their sizes
// and fonts from when the dialog opened, and autoscale its value.
TEST(OptionsScaling, AnulujGivesBackTheScaleOfTheOpening)
{
    programSettings() = ProgramSettings{};
    TempFolder folder;
    PromptsScope scope;
    QWidget mainWindow;
    auto* label = new QLabel(QStringLiteral("Stanowisko"), &mainWindow);
    label->setFont(QFont(QStringLiteral("Sans"), 40));
    label->setGeometry(10, 10, 120, 20);
    mainWindow.resize(500, 400);
    mainWindow.show();
    TForm190 dialog(folder.root(), &mainWindow);
    dialog.show();
    QTest::mouseClick(dialog.CheckBox1, Qt::LeftButton);
    dialog.SpeedButton4->click();
    dialog.SpeedButton4->click();
    ASSERT_EQ(label->font().pointSize(), 42);
    dialog.SpeedButton2->click();

    EXPECT_EQ(mainWindow.size(), QSize(500, 400));
    EXPECT_EQ(label->geometry(), QRect(10, 10, 120, 20));
    EXPECT_EQ(label->font().pointSize(), 40);
    EXPECT_FALSE(programSettings().AutoScale);
}

} // namespace
