// "Zastosuj" of the options dialog on a screen 1024 pixels wide at 120 pixels per inch,
// where the autoscale factor is 1.024: every press scales the dialog and the main window again,
// until "Anuluj" takes it all back.

#include "shell/options_dialog.h"

#include "base/program_settings.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
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

struct CloseCase {
    const char* name;
    bool cancel;   // "Anuluj" or its Esc, else "Zamknij"
    bool escape;
};

class OptionsClosing : public ::testing::TestWithParam<CloseCase> {};

// After two presses of "Zastosuj", "Anuluj" gives the main window and its controls their
// sizes and fonts from when the dialog opened, and autoscale its value; "Zamknij" keeps both.
TEST_P(OptionsClosing, AnulujGivesBackTheScaleOfTheOpening)
{
    const CloseCase& c = GetParam();
    programSettings() = ProgramSettings{};
    TempFolder folder;
    PromptsScope scope;
    QWidget mainWindow;
    auto* label = new QLabel(QStringLiteral("Stanowisko"), &mainWindow);
    label->setFont(QFont(QStringLiteral("Sans"), 40));
    label->setGeometry(10, 10, 120, 20);
    auto* table = new QTableWidget(3, 3, &mainWindow);
    table->setGeometry(10, 40, 300, 200);
    mainWindow.resize(500, 400);
    mainWindow.show();
    const int rowHeight = table->verticalHeader()->defaultSectionSize();
    TForm190 dialog(folder.root(), &mainWindow);
    dialog.show();

    QTest::mouseClick(dialog.CheckBox1, Qt::LeftButton);
    dialog.SpeedButton4->click();
    dialog.SpeedButton4->click();
    ASSERT_EQ(mainWindow.size(), QSize(524, 420));
    if (c.escape)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        (c.cancel ? dialog.SpeedButton2 : dialog.SpeedButton1)->click();

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(mainWindow.size() == QSize(500, 400), c.cancel);
    EXPECT_EQ(label->geometry() == QRect(10, 10, 120, 20), c.cancel);
    EXPECT_EQ(label->font().pointSize() == 40, c.cancel);
    EXPECT_EQ(table->geometry() == QRect(10, 40, 300, 200), c.cancel);
    EXPECT_EQ(table->verticalHeader()->defaultSectionSize() == rowHeight, c.cancel);
    EXPECT_EQ(programSettings().AutoScale, !c.cancel);
    programSettings() = ProgramSettings{};
}

INSTANTIATE_TEST_SUITE_P(, OptionsClosing,
                         ::testing::Values(CloseCase{"Anuluj", true, false}, CloseCase{"Escape", true, true},
                                           CloseCase{"Zamknij", false, false}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
