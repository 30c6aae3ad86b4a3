// The scale picker: its caption by mode, its list, what O.K., "Anuluj" and the close box
// write into the table it was opened for, and that only one exists at a time.

#include "document_test_support.h"
#include "documents/scale_picker.h"
#include "risk/risk_method.h"
#include "controls/string_grid_ini.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ScalePickerTest : public ::testing::Test {
protected:
    ScalePickerTest()
    {
        table.bind(&document, Field::Hazards);
        table.setRowCount(3);
        table.setCell(5, 2, QStringLiteral("stare"));
        table.setCurrentCell(2, 5);
    }

    // Opens a picker over the table and lets `drive` act on it.
    bool pick(int mode, const QStringList& entries, const std::function<void(TForm3&)>& drive)
    {
        return withPicker([&] { ShowScalePicker(mode, entries, &table, nullptr); }, drive);
    }

    PromptsScope scope;
    DocumentModel document{DocumentKind::Assessment};
    TStringGridIni table;
};

TEST_F(ScalePickerTest, CaptionFollowsTheMode)
{
    const QStringList expected{
        QStringLiteral("Skutki, stopień szkód S:"),
        QStringLiteral("Prawdopodobieństwo wystąpienia zdarzenia, szkody P:"),
        QStringLiteral("Ekspozycja na zagrożenie E:"),
    };
    for (int mode = 1; mode <= 3; ++mode) {
        TForm3 picker(mode, &table);
        EXPECT_EQ(picker.windowTitle(), expected[mode - 1]);
    }
    TForm3 other(7, &table);
    EXPECT_EQ(other.windowTitle(), expected[0]);
}

TEST_F(ScalePickerTest, FiveStepsPListsNineEntriesFirstSelectedAndOkWritesIt)
{
    table.setCell(5, 2, QString());
    const QStringList scale = risk::scale(RiskMethod::FiveSteps, risk::Factor::P);
    ASSERT_TRUE(pick(2, scale, [](TForm3& picker) {
        const auto buttons = picker.RadioGroup1->findChildren<QRadioButton*>();
        ASSERT_EQ(buttons.size(), 9);
        EXPECT_EQ(buttons.front()->text(), QStringLiteral("0=niemożliwe"));
        EXPECT_EQ(buttons.back()->text(), QStringLiteral("15=pewne"));
        EXPECT_TRUE(buttons.front()->isChecked());
        EXPECT_EQ(picker.entries(), risk::scale(RiskMethod::FiveSteps, risk::Factor::P));
        picker.BitBtn1->click();
    }));
    EXPECT_EQ(table.cell(5, 2), QStringLiteral("0=niemożliwe"));
    EXPECT_EQ(Form3(), nullptr);
}

TEST_F(ScalePickerTest, OkWritesTheChosenEntryIntoTheCurrentCellOnly)
{
    ASSERT_TRUE(pick(3, risk::scale(RiskMethod::FiveSteps, risk::Factor::E), [](TForm3& picker) {
        picker.setItemIndex(2);
        picker.BitBtn1->click();
    }));
    EXPECT_EQ(table.cell(5, 2), QStringLiteral("1,5=raz na tydzień"));
    EXPECT_EQ(table.cell(4, 2), QString());
    EXPECT_EQ(table.cell(5, 1), QString());
}

TEST_F(ScalePickerTest, CancelAndCloseBoxLeaveTheCellAlone)
{
    const QStringList scale = risk::scale(RiskMethod::PHA, risk::Factor::S);
    ASSERT_TRUE(pick(1, scale, [](TForm3& picker) {
        picker.setItemIndex(3);
        picker.BitBtn2->click();
    }));
    EXPECT_EQ(table.cell(5, 2), QStringLiteral("stare"));

    ASSERT_TRUE(pick(1, scale, [](TForm3& picker) {
        picker.setItemIndex(3);
        picker.close();
    }));
    EXPECT_EQ(table.cell(5, 2), QStringLiteral("stare"));
    EXPECT_EQ(Form3(), nullptr);
}

// The picker starts on the cell's own entry, so Enter on it changes nothing; Esc cancels.
TEST_F(ScalePickerTest, StartsOnTheCellsEntryEnterChoosesEscCancels)
{
    const QStringList scale = risk::scale(RiskMethod::RiskScore, risk::Factor::P);
    const struct {
        const char* cell;
        int preselected;
        int choose;   // -1: keep the selection
        Qt::Key key;
        const char* written;   // the cell afterwards
        bool changed;
    } cases[] = {
        {"6=całkiem możliwe, szansa 10%", 1, -1, Qt::Key_Return, "6=całkiem możliwe, szansa 10%", false},
        {"6=opis z innego wydania", 1, -1, Qt::Key_Enter, "6=opis z innego wydania", false},
        {"6=całkiem możliwe, szansa 10%", 1, 2, Qt::Key_Return, "3=praktycznie możliwe=1%", true},
        {"6=całkiem możliwe, szansa 10%", 1, 2, Qt::Key_Escape, "6=całkiem możliwe, szansa 10%", false},
        {"", 0, -1, Qt::Key_Return, "10=bardzo prawdopodobne, szansa 50%", true},
        {"4=spoza skali", -1, -1, Qt::Key_Return, "4=spoza skali", false},
    };
    for (const auto& c : cases) {
        table.setCell(5, 2, QString::fromUtf8(c.cell));
        bool changed = false;
        ASSERT_TRUE(withPicker([&] { changed = ShowScalePicker(2, scale, &table, nullptr); }, [&](TForm3& picker) {
            EXPECT_EQ(picker.ItemIndex(), c.preselected) << c.cell;
            if (c.choose >= 0)
                picker.setItemIndex(c.choose);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &picker, c.key);
            if (picker.isVisible())
                picker.BitBtn2->click();
        }));
        EXPECT_EQ(table.cell(5, 2), QString::fromUtf8(c.written)) << c.cell << " " << c.key;
        EXPECT_EQ(changed, c.changed) << c.cell << " " << c.key;
    }
}

TEST_F(ScalePickerTest, KeyboardMovesBetweenEntriesAndReachesTheButtons)
{
    const QStringList scale = risk::scale(RiskMethod::RiskScore, risk::Factor::P);
    table.setCell(5, 2, QString());
    ASSERT_TRUE(pick(2, scale, [&scale](TForm3& picker) {
        const auto buttons = picker.RadioGroup1->findChildren<QRadioButton*>();
        // The chosen entry has the focus, so the arrow keys work at once.
        ASSERT_EQ(buttons.size(), scale.size());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
        EXPECT_EQ(QApplication::focusWidget(), buttons[0]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        EXPECT_EQ(picker.ItemIndex(), 1);
        EXPECT_EQ(QApplication::focusWidget(), buttons[1]);
        // Tab leaves the list for O.K., then "Anuluj", then comes back to the chosen entry.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), picker.BitBtn1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), picker.BitBtn2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), buttons[1]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), picker.BitBtn1);
        // The space bar presses the focused button.
        QTest::keyClick(picker.BitBtn1, Qt::Key_Space);
    }));
    EXPECT_EQ(table.cell(5, 2), risk::scale(RiskMethod::RiskScore, risk::Factor::P)[1]);
    EXPECT_EQ(Form3(), nullptr);
}

TEST_F(ScalePickerTest, OkWithAnEmptyListWritesNothing)
{
    ASSERT_TRUE(pick(1, {}, [](TForm3& picker) {
        EXPECT_EQ(picker.ItemIndex(), -1);
        picker.BitBtn1->click();
    }));
    EXPECT_EQ(table.cell(5, 2), QStringLiteral("stare"));
    EXPECT_EQ(Form3(), nullptr);
}

TEST_F(ScalePickerTest, OnlyOnePickerAtATime)
{
    ASSERT_TRUE(pick(1, {QStringLiteral("1=a")}, [this](TForm3& first) {
        // Should a second picker open after all, it is closed again so the test ends.
        bool secondShown = false;
        QTimer::singleShot(0, [&] {
            if (Form3() != &first) {
                secondShown = true;
                Form3()->close();
            }
        });
        ShowScalePicker(2, {QStringLiteral("2=b")}, &table, nullptr);
        QApplication::processEvents();
        EXPECT_FALSE(secondShown);
        EXPECT_EQ(Form3(), &first);
        first.setItemIndex(0);
        first.BitBtn1->click();
    }));
    EXPECT_EQ(table.cell(5, 2), QStringLiteral("1=a"));
}

TEST_F(ScalePickerTest, FixedLayoutWithBoldButtons)
{
    TForm3 picker(1, &table);
    EXPECT_EQ(picker.size(), QSize(656, 264));
    EXPECT_EQ(picker.minimumSize(), picker.maximumSize());
    EXPECT_EQ(picker.RadioGroup1->geometry(), QRect(8, 8, 633, 209));
    EXPECT_EQ(picker.BitBtn1->geometry(), QRect(552, 228, 91, 25));
    EXPECT_EQ(picker.BitBtn2->geometry(), QRect(448, 228, 91, 25));
    EXPECT_EQ(picker.BitBtn1->text(), QStringLiteral("O.K."));
    EXPECT_EQ(picker.BitBtn2->text(), QStringLiteral("Anuluj"));
    EXPECT_TRUE(picker.BitBtn1->font().bold());
    EXPECT_TRUE(picker.BitBtn2->font().bold());
    EXPECT_TRUE(picker.RadioGroup1->title().isEmpty());
}

} // namespace
