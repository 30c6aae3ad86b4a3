// The project window: the method it requires before the tables, the warning when the
// method changes under filled hazard rows, in-place editing, the S picker, what marks the
// project modified, painting without red, widths, commands and closing.

#include "document_test_support.h"
#include "documents/grid_delegate.h"
#include "documents/project_window.h"
#include "documents/scale_picker.h"
#include "risk/risk_method.h"
#include "controls/edit_ini.h"
#include "storage/ini_dat.h"
#include "controls/memo_ini.h"
#include "controls/radio_group_ini.h"
#include "controls/string_grid_ini.h"
#include "support/pages_of.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString kMethodRequired = QStringLiteral("Musisz określić metodę oceny ryzyka zawodowego.");
const QString kMethodChanged =
    QStringLiteral("Po zmianie metody oceny ryzyka należy wprowadzić ponownie „Stopień szkód S\" w tabeli zagrożenia "
                   "zawodowe.\rAktualne współczynniki S nie są odpowiednie dla zmienionej metody.");

QString project(const QString& method, const QList<QStringList>& hazards, const QList<QStringList>& checklist = {})
{
    return QStringLiteral("[OPIS]\r\nStanowisko=Spawacz\r\nDataUtw=03.02.2004\r\nMetoda=") + method +
           QStringLiteral("\r\n[ZAGROZENIA]\r\n") + tableLines(hazards) + QStringLiteral("[WARUNKI]\r\n") +
           tableLines(checklist);
}

class ProjectWindowTest : public DocumentWindowTest {
protected:
    void clickTab(TForm2* window, int index)
    {
        QTabBar* bar = pagesOf(window)->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    void clickMethod(TForm2* window, int index)
    {
        // On the button's circle: a radio button takes clicks only there and on its text.
        QRadioButton* button = window->RadioGroupIni1->findChildren<QRadioButton*>().at(index);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    // The in-place editor open in `table`, if any (a closed one may wait for its deletion).
    static QLineEdit* openEditor(TStringGridIni* table)
    {
        for (QLineEdit* editor : table->viewport()->findChildren<QLineEdit*>()) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }

    QStringList shownMessages() const
    {
        QStringList texts;
        for (const auto& shown : prompts.messages)
            texts.append(shown.text);
        return texts;
    }

    const QStringList twoRows{QStringLiteral("Promieniowanie"), QStringLiteral("Łuk"), QStringLiteral("Oparzenia"),
                              QStringLiteral("Przyłbica"), QStringLiteral("2=lekkie obrażenia, wymierne szkody")};
};

TEST_F(ProjectWindowTest, NewProjectKeepsItsFirstTabUntilAMethodIsChosen)
{
    TForm2* window = newProject();
    clickTab(window, 2);
    EXPECT_EQ(pagesOf(window)->currentIndex(), 0);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, kMethodRequired);
    EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::None);
    clickTab(window, 1);
    EXPECT_EQ(pagesOf(window)->currentIndex(), 0);
    EXPECT_EQ(prompts.messages.size(), 2);

    clickMethod(window, 0);
    EXPECT_TRUE(window->document().isModified());
    clickTab(window, 3);
    EXPECT_EQ(pagesOf(window)->currentIndex(), 3);
    EXPECT_EQ(prompts.messages.size(), 2) << "no method warning without hazard rows";
}

TEST_F(ProjectWindowTest, LoadingAProjectShowsNoWarningAndIsUnmodified)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {twoRows, twoRows}));
    EXPECT_EQ(window->RadioGroupIni1->ItemIndex(), 0);
    EXPECT_EQ(window->StringGridIni1->rowCount(), 3);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(window->document().isModified());
}

// Values that keep their number on the new scale only draw the warning; values off it may
// be cleared (Tak) or stay, flagged, to be picked again (Nie).
TEST_F(ProjectWindowTest, MethodChangeAsksWhetherToClearTheSValuesThatNoLongerFit)
{
    const struct {
        int method;
        bool clear;
        bool asked;
        const char* s;   // S of the row afterwards
    } cases[] = {
        {3, false, false, "2=lekkie obrażenia, wymierne szkody"},   // Matrycowa has S = 2
        {1, true, true, ""},                                         // RISK SCORE has no S = 2
        {1, false, true, "2=lekkie obrażenia, wymierne szkody"},
    };
    for (const auto& c : cases) {
        prompts.messages.clear();
        prompts.questions.clear();
        TForm2* window = openProject(project(QStringLiteral("PHA"), {twoRows}), QStringLiteral("p%1.rpr").arg(&c - cases));
        prompts.answers.enqueue(c.clear);
        clickMethod(window, c.method);
        EXPECT_TRUE(window->document().isModified());
        EXPECT_EQ(window->StringGridIni1->cell(4, 1), QString::fromUtf8(c.s)) << c.method;
        if (c.asked) {
            ASSERT_EQ(prompts.questions.size(), 1);
            EXPECT_TRUE(prompts.questions[0].startsWith(kMethodChanged));
            EXPECT_TRUE(prompts.questions[0].contains(QStringLiteral("Wartości S spoza skali metody RISK SCORE: 1.")));
            EXPECT_EQ(window->document().isOffScale(4, 1), !c.clear && c.asked);
        } else {
            EXPECT_EQ(shownMessages(), QStringList{kMethodChanged});
            prompts.answers.clear();
        }
        clickMethod(window, c.method);
        EXPECT_EQ(prompts.messages.size() + prompts.questions.size(), 1) << "the same method again is no change";
        window->setModified(false);
        window->close();
    }
}

TEST_F(ProjectWindowTest, MethodChangeWithAnEmptyHazardTableOnlyMarksModified)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {}, {{"Czy?", "Tak"}}));
    clickMethod(window, 2);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(window->document().isModified());
}

TEST_F(ProjectWindowTest, HazardCellsAreEditedInPlaceExceptTheSColumnAndTitles)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {twoRows}));
    pagesOf(window)->setCurrentIndex(2);
    TStringGridIni* table = window->StringGridIni1;

    selectCell(table, 4, 1);
    QTest::keyClick(table, Qt::Key_X);
    EXPECT_EQ(table->cell(4, 1), twoRows[4]);
    EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(openEditor(table), nullptr);

    selectCell(table, 1, 0);
    QTest::keyClick(table, Qt::Key_X);
    EXPECT_EQ(table->cell(1, 0), QStringLiteral("Źródła zagrożenia"));
    EXPECT_EQ(openEditor(table), nullptr);

    selectCell(table, 1, 1);
    QTest::keyClick(table, Qt::Key_X);
    QLineEdit* editor = openEditor(table);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Y);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();   // the delegate commits after the key
    EXPECT_EQ(table->cell(1, 1), QStringLiteral("xy"));
    EXPECT_TRUE(window->document().isModified());

    // Esc cancels the typing, although every key went into the cell at once.
    selectCell(table, 2, 1);
    QTest::keyClick(table, Qt::Key_Q);
    ASSERT_NE(openEditor(table), nullptr);
    EXPECT_EQ(table->cell(2, 1), QStringLiteral("q"));
    QTest::keyClick(openEditor(table), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(table->cell(2, 1), twoRows[2]);
}

TEST_F(ProjectWindowTest, ChecklistCellsAreEditedInPlaceExceptTitles)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {}, {{"Czy?", ""}}));
    pagesOf(window)->setCurrentIndex(3);
    TStringGridIni* table = window->StringGridIni2;
    selectCell(table, 1, 0);
    EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    selectCell(table, 1, 1);
    EXPECT_TRUE(table->editTriggers().testFlag(QAbstractItemView::AnyKeyPressed));
    QTest::keyClick(table, Qt::Key_Z);
    ASSERT_NE(openEditor(table), nullptr);
    QTest::keyClick(openEditor(table), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(table->cell(1, 1), QStringLiteral("z"));
}

TEST_F(ProjectWindowTest, SPickerOffersTheMethodsScaleAndWritesTheSCell)
{
    TForm2* window = openProject(project(QStringLiteral("RISK SCORE"), {{"Hałas", "", "", "", ""}}));
    pagesOf(window)->setCurrentIndex(2);
    selectCell(window->StringGridIni1, 4, 1);
    ASSERT_FALSE(window->BitBtn1->isHidden());
    ASSERT_TRUE(withPicker([window] { window->BitBtn1->click(); }, [](TForm3& picker) {
        EXPECT_EQ(picker.windowTitle(), QStringLiteral("Skutki, stopień szkód S:"));
        EXPECT_EQ(picker.entries().value(0), QStringLiteral("100=poważna katastrofa, wiele ofiar śmiertelnych, "
                                                            "straty materialne powyżej 30 mln zł"));
        EXPECT_EQ(picker.ItemIndex(), 0);
        picker.BitBtn1->click();
    }));
    EXPECT_EQ(window->StringGridIni1->cell(4, 1), risk::scale(RiskMethod::RiskScore, risk::Factor::S).at(0));
    EXPECT_EQ(window->StringGridIni1->cell(3, 1), QString());
}

TEST_F(ProjectWindowTest, F2OnTheSCellOpensThePickerAndElsewhereEditsInPlace)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {twoRows}));
    pagesOf(window)->setCurrentIndex(2);
    TStringGridIni* table = window->StringGridIni1;
    selectCell(table, 4, 1);
    ASSERT_TRUE(withPicker([table] { QTest::keyClick(table, Qt::Key_F2); }, [](TForm3& picker) {
        EXPECT_EQ(picker.windowTitle(), QStringLiteral("Skutki, stopień szkód S:"));
        picker.setItemIndex(3);
        picker.BitBtn1->click();
    }));
    EXPECT_EQ(table->cell(4, 1), risk::scale(RiskMethod::PHA, risk::Factor::S).at(3));
    EXPECT_TRUE(window->document().isModified());
    ASSERT_TRUE(withPicker([table] { QTest::keyClick(table, Qt::Key_Down, Qt::AltModifier); },
                           [](TForm3& picker) { picker.BitBtn2->click(); }));

    // F2 keeps opening the in-place editor of the other cells.
    selectCell(table, 1, 1);
    EXPECT_FALSE(withPicker([table] { QTest::keyClick(table, Qt::Key_F2); }, [](TForm3& picker) {
        picker.BitBtn2->click();
    }));
    EXPECT_NE(openEditor(table), nullptr);
}

TEST_F(ProjectWindowTest, SPickerButtonOnlyOnDataCellsOfTheSColumn)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {twoRows}));
    selectCell(window->StringGridIni1, 4, 0);
    EXPECT_TRUE(window->BitBtn1->isHidden());
    selectCell(window->StringGridIni1, 3, 1);
    EXPECT_TRUE(window->BitBtn1->isHidden());
    selectCell(window->StringGridIni1, 4, 1);
    EXPECT_FALSE(window->BitBtn1->isHidden());
}

TEST_F(ProjectWindowTest, CancelledSPickerLeavesTheProjectUnmodifiedAndClosingAsksNothing)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {twoRows}), QStringLiteral("spawacz.rpr"));
    selectCell(window->StringGridIni1, 4, 1);
    ASSERT_TRUE(withPicker([window] { window->BitBtn1Click(); }, [](TForm3& picker) {
        picker.setItemIndex(5);
        picker.BitBtn2->click();
    }));
    EXPECT_EQ(window->StringGridIni1->cell(4, 1), twoRows[4]);
    EXPECT_FALSE(window->document().isModified());
    window->close();
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_TRUE(host.saved.isEmpty());
}

TEST_F(ProjectWindowTest, TypingIntoACellMarksModifiedAndYesSaves)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {twoRows}));
    pagesOf(window)->setCurrentIndex(2);
    selectCell(window->StringGridIni1, 0, 1);
    QTest::keyClick(window->StringGridIni1, Qt::Key_Down);
    EXPECT_FALSE(window->document().isModified()) << "moving is no typing";
    QTest::keyClick(window->StringGridIni1, Qt::Key_A);
    EXPECT_TRUE(window->document().isModified());
    prompts.answers.enqueue(true);
    window->close();
    EXPECT_EQ(prompts.questions.size(), 1);
    ASSERT_EQ(host.saved.size(), 1);
    EXPECT_EQ(host.saved[0], window);
}

TEST_F(ProjectWindowTest, EveryFieldMarksModifiedTheWorkstationMemosIncluded)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {}));
    for (QWidget* field : {static_cast<QWidget*>(window->EditIni1), static_cast<QWidget*>(window->EditIni3),
                           static_cast<QWidget*>(window->MemoIni1), static_cast<QWidget*>(window->MemoIni2),
                           static_cast<QWidget*>(window->MemoIni7)}) {
        window->setModified(false);
        QTest::keyClick(field, Qt::Key_X);
        EXPECT_TRUE(window->document().isModified());
    }
    prompts.answers.enqueue(false);
    window->close();
    EXPECT_EQ(prompts.questions.size(), 1);
}

TEST_F(ProjectWindowTest, NothingIsPaintedRed)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {{"R = 36,0 Ryzyko bardzo duże - niedopuszczalne", "",
                                                                  "", "", ""}},
                                         {{"Czy NIE brakuje osłon?", "NIE"}, {"Czy?", "NIE"}}));
    auto colour = [](TStringGridIni* table, int column, int row) {
        return static_cast<GridDelegate*>(table->itemDelegate())->textColour(table->model()->index(row, column));
    };
    EXPECT_NE(colour(window->StringGridIni1, 0, 1), GridDelegate::Red);
    EXPECT_NE(colour(window->StringGridIni2, 0, 1), GridDelegate::Red);
    EXPECT_NE(colour(window->StringGridIni2, 1, 2), GridDelegate::Red);
    EXPECT_EQ(colour(window->StringGridIni2, 1, 2), window->StringGridIni2->palette().color(QPalette::Text))
        << "even checklist rows keep the table's text colour";
}

TEST_F(ProjectWindowTest, ColumnWidthsAndResize)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {twoRows}));
    // The row numbers take their room from every column.
    const int numbers = window->StringGridIni1->verticalHeader()->sizeHint().width();
    int w = pagesOf(window)->width() - 8 - numbers;
    EXPECT_EQ(window->StringGridIni1->columnWidth(0), int(0.21 * w));
    EXPECT_EQ(window->StringGridIni1->columnWidth(3), int(0.21 * w));
    EXPECT_EQ(window->StringGridIni1->columnWidth(4), int(0.16 * w) - 23);
    EXPECT_EQ(window->StringGridIni2->columnWidth(0), int(0.46 * w));
    EXPECT_EQ(window->StringGridIni2->columnWidth(1), int(0.54 * w) - 23);

    selectCell(window->StringGridIni1, 4, 1);
    window->StringGridIni1->setRowHeight(1, 50);
    window->resize(1000, 600);
    QApplication::processEvents();
    w = pagesOf(window)->width() - 8 - numbers;
    EXPECT_EQ(window->StringGridIni1->columnWidth(0), int(0.21 * w));
    EXPECT_EQ(window->StringGridIni1->currentColumn(), 2);
    EXPECT_EQ(window->StringGridIni1->currentRow(), 1);
    EXPECT_TRUE(window->BitBtn1->isHidden());
    EXPECT_EQ(window->StringGridIni1->rowHeight(1), 20);
}

TEST_F(ProjectWindowTest, RowCommandsOnTheTableTabs)
{
    TForm2* window = openProject(project(QStringLiteral("PHA"), {}));
    window->FormActivate();
    EXPECT_EQ(host.report, true);
    EXPECT_EQ(host.rowCommands, false);
    clickTab(window, 2);
    EXPECT_EQ(host.rowCommands, true);
    clickTab(window, 3);
    EXPECT_EQ(host.rowCommands, true);
    clickTab(window, 1);
    EXPECT_EQ(host.rowCommands, false);
    window->close();
    EXPECT_EQ(host.report, false);
}

TEST_F(ProjectWindowTest, WindowShape)
{
    TForm2* window = newProject();
    EXPECT_EQ(window->size(), QSize(755, 448));
    EXPECT_EQ(window->minimumSize(), QSize(755, 440));
    EXPECT_EQ(window->HelpContext, 5040);
    // Every tab's layout fits that size, so an MDI frame can give the window its size.
    EXPECT_LE(window->minimumSizeHint().width(), 755);
    EXPECT_LE(window->minimumSizeHint().height(), 440);
    const QStringList captions{"Opis projektu", "Ogólna charakterystyka stanowiska pracy", "Zagrożenia zawodowe",
                               "Ocena warunków bhp"};
    ASSERT_EQ(pagesOf(window)->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i)
        EXPECT_EQ(pagesOf(window)->tabText(i), captions[i]);
    EXPECT_EQ(window->RadioGroupIni1->items(), risk::methodNames());
    EXPECT_EQ(window->RadioGroupIni1->ItemIndex(), -1);
    EXPECT_EQ(window->StringGridIni1->columnCount(), 5);
    EXPECT_EQ(window->StringGridIni1->cell(4, 0), QStringLiteral("Stopień szkód S"));
    EXPECT_EQ(window->StringGridIni2->cell(0, 0), QStringLiteral("Pytania kontrolne do oceny warunków bhp"));
}

TEST_F(ProjectWindowTest, OneLineFieldsTakeAtMost120TypedCharactersButKeepALongerStoredValue)
{
    const QString stored(150, QLatin1Char('x'));
    TForm2* window = openProject(QStringLiteral("[OPIS]\r\nMetoda=PHA\r\nStanowisko=") + stored + QStringLiteral("\r\n"));
    EXPECT_EQ(window->EditIni1->text(), stored);

    // A longer stored value can still be shortened, but not lengthened.
    window->EditIni1->setFocus();
    window->EditIni1->end(false);
    QTest::keyClick(window->EditIni1, Qt::Key_Backspace);
    QTest::keyClicks(window->EditIni1, QStringLiteral("yz"));
    EXPECT_EQ(window->EditIni1->text(), QString(149, QLatin1Char('x')));

    window->EditIni2->setFocus();
    QTest::keyClicks(window->EditIni2, QString(130, QLatin1Char('7')));
    EXPECT_EQ(window->EditIni2->text(), QString(120, QLatin1Char('7')));
}

} // namespace
