// The risk-assessment window: columns by method, the S, P and E pickers and the risk they
// compute, the FIVE STEPS employee count, the tab lock, the checklist answers, painting,
// the main window's commands and the closing question.

#include "document_test_support.h"
#include "documents/assessment_window.h"
#include "documents/clipboard_commands.h"
#include "documents/grid_delegate.h"
#include "documents/scale_picker.h"
#include "risk/risk_method.h"
#include "controls/edit_ini.h"
#include "storage/ini_dat.h"
#include "controls/memo_ini.h"
#include "controls/radio_group_ini.h"
#include "controls/string_grid_ini.h"
#include "support/pages_of.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using Factor = risk::Factor;

QString entry(RiskMethod method, Factor factor, int index)
{
    return risk::scale(method, factor).at(index);
}

// An assessment of `method` with the given card count, hazard rows and checklist rows.
QString assessment(const QString& method, const QString& count, const QList<QStringList>& hazards,
                   const QList<QStringList>& checklist = {})
{
    return QStringLiteral("[OPISOC]\r\nJednostka=Wydział obróbki\r\nStanowisko=Tokarz\r\nZatrudnienie=") + count +
           QStringLiteral("\r\n[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=") + method +
           QStringLiteral("\r\nOPISA1=Hala nr 2\r\nOPISA2=@NUL@\r\n[ZAGROZENIA]\r\n") + tableLines(hazards) +
           QStringLiteral("[WARUNKI]\r\n") + tableLines(checklist);
}

// The room of the row numbers, which every column gives up its share of.
int numbersWidth(const TForm5* window)
{
    return window->StringGridIni1->verticalHeader()->sizeHint().width();
}

const QString kUnacceptable = QStringLiteral("R = 36,0 Ryzyko bardzo duże - niedopuszczalne");
const QString kMedium = QStringLiteral("R = 9,0 Ryzyko śrdenie - dopuszczalne");

class AssessmentWindowTest : public DocumentWindowTest {
protected:
    QColor textColour(TStringGridIni* table, int column, int row)
    {
        auto* delegate = static_cast<GridDelegate*>(table->itemDelegate());
        return delegate->textColour(table->model()->index(row, column));
    }

    void clickTab(TForm5* window, int index)
    {
        QTabBar* bar = pagesOf(window)->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    // Opens the picker of `button` and confirms entry `index` (or cancels with -1).
    bool pickWith(QToolButton* button, int index)
    {
        return withPicker([button] { button->click(); }, [index](TForm3& picker) {
            if (index < 0) {
                picker.BitBtn2->click();
                return;
            }
            picker.setItemIndex(index);
            picker.BitBtn1->click();
        });
    }
};

// --- columns and pickers -------------------------------------------------------------

TEST_F(AssessmentWindowTest, PhaShowsSevenColumnsAndNoExposurePicker)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {}, {{"Hałas", "Tokarka", "Ubytek słuchu",
                                                                              "Ochronniki", "", "", ""}}));
    EXPECT_EQ(window->StringGridIni1->columnCount(), 7);
    EXPECT_EQ(window->StringGridIni1->cell(6, 0), QStringLiteral("Ryzyko R"));
    EXPECT_EQ(window->StringGridIni1->cell(4, 0), QStringLiteral("Skutki S"));
    EXPECT_EQ(window->StringGridIni1->cell(0, 1), QStringLiteral("Hałas"));

    pagesOf(window)->setCurrentIndex(3);
    selectCell(window->StringGridIni1, 6, 1);
    EXPECT_TRUE(window->BitBtn1->isHidden());
    EXPECT_TRUE(window->BitBtn2->isHidden());
    EXPECT_TRUE(window->BitBtn3->isHidden());
    selectCell(window->StringGridIni1, 4, 1);
    EXPECT_FALSE(window->BitBtn1->isHidden());
    selectCell(window->StringGridIni1, 5, 1);
    EXPECT_TRUE(window->BitBtn1->isHidden());
    EXPECT_FALSE(window->BitBtn2->isHidden());
    selectCell(window->StringGridIni1, 5, 0);
    EXPECT_TRUE(window->BitBtn2->isHidden());
}

TEST_F(AssessmentWindowTest, RiskScoreShowsEightColumnsAndTheExposurePicker)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("risk score"), {}, {{"Hałas", "", "", "", "", "", "", ""}}));
    EXPECT_EQ(window->method(), RiskMethod::RiskScore);
    ASSERT_EQ(window->StringGridIni1->columnCount(), 8);
    EXPECT_EQ(window->StringGridIni1->cell(6, 0), QStringLiteral("Ekspozycja E"));
    EXPECT_EQ(window->StringGridIni1->cell(7, 0), QStringLiteral("Ryzyko R"));
    selectCell(window->StringGridIni1, 6, 1);
    EXPECT_FALSE(window->BitBtn3->isHidden());
    selectCell(window->StringGridIni1, 7, 1);
    EXPECT_TRUE(window->BitBtn3->isHidden());
}

TEST_F(AssessmentWindowTest, PickingEInRowTwoWritesTheEntryAndTheRisk)
{
    const RiskMethod m = RiskMethod::RiskScore;
    TForm5* window = openAssessment(assessment(
        QStringLiteral("RISK SCORE"), {},
        {{"Hałas", "", "", "", entry(m, Factor::S, 0), entry(m, Factor::P, 0), entry(m, Factor::E, 0), "stare"},
         {"Wióry", "", "", "", entry(m, Factor::S, 1), entry(m, Factor::P, 4), "", ""}}));
    selectCell(window->StringGridIni1, 6, 2);
    ASSERT_TRUE(withPicker([window] { window->BitBtn3Click(); }, [](TForm3& picker) {
        EXPECT_EQ(picker.windowTitle(), QStringLiteral("Ekspozycja na zagrożenie E:"));
        EXPECT_EQ(picker.entries(), risk::scale(RiskMethod::RiskScore, Factor::E));
        picker.setItemIndex(4);
        picker.BitBtn1->click();
    }));
    EXPECT_EQ(window->StringGridIni1->cell(6, 2), QStringLiteral("1=minimalna (kilka razy w roku)"));
    EXPECT_EQ(window->StringGridIni1->cell(7, 2), QStringLiteral("R = 20,0 Ryzyko bardzo małe - dopuszczalne"));
    EXPECT_EQ(window->StringGridIni1->cell(7, 1), QStringLiteral("stare"));
    EXPECT_TRUE(window->document().isModified());
}

TEST_F(AssessmentWindowTest, SAndPPickersWriteTheirColumns)
{
    const RiskMethod m = RiskMethod::PHA;
    TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {}, {{"Hałas", "", "", "", "", "", ""}}));
    selectCell(window->StringGridIni1, 4, 1);
    ASSERT_TRUE(pickWith(window->BitBtn1, 2));
    EXPECT_EQ(window->StringGridIni1->cell(4, 1), entry(m, Factor::S, 2));
    EXPECT_EQ(window->StringGridIni1->cell(6, 1), QString()) << "P is still empty";
    selectCell(window->StringGridIni1, 5, 1);
    ASSERT_TRUE(pickWith(window->BitBtn2, 2));
    EXPECT_EQ(window->StringGridIni1->cell(5, 1), entry(m, Factor::P, 2));
    EXPECT_EQ(window->StringGridIni1->cell(6, 1), kMedium);
}

// A row is rated only from factors on its method's scale; a factor cell takes only such an
// entry, by picker or paste; after every change of a factor the risk is computed again or
// emptied, never left from before.
TEST_F(AssessmentWindowTest, RatingRules)
{
    enum Action { Open, Paste, PickUnchanged, PickByDoubleClick };
    const QString phaFatal = entry(RiskMethod::PHA, Factor::S, 3);   // "4=pojedyncze wypadki śmiertelne…"
    const QString rsS15 = entry(RiskMethod::RiskScore, Factor::S, 2);
    const QString rsP6 = entry(RiskMethod::RiskScore, Factor::P, 1);
    const QString rsE6 = entry(RiskMethod::RiskScore, Factor::E, 1);
    const QString rsE3 = entry(RiskMethod::RiskScore, Factor::E, 2);
    const struct {
        const char* name;
        const char* method;
        QStringList factors;   // S, P and E as stored
        QString storedRisk;
        Action action;
        int column;
        QString pasted;
        QString cell;          // the acted-on cell afterwards
        QString risk;
        bool flagged;          // the cell is drawn as off the scale
        bool refused;          // a message says why nothing was pasted
        bool modified;
    } cases[] = {
        {"PHA fatality left in RISK SCORE", "RISK SCORE", {phaFatal, rsP6, rsE6}, "R = 72,0 Ryzyko śrdenie - dopuszczalne",
         Open, 4, {}, phaFatal, "", true, false, false},
        {"FIVE STEPS exposure in P", "FIVE STEPS", {entry(RiskMethod::FiveSteps, Factor::S, 3), "2,5=raz dziennie",
         entry(RiskMethod::FiveSteps, Factor::E, 3)}, "R = 80,0 stare", Open, 5, {}, "2,5=raz dziennie", "", true, false, false},
        {"PHA S in Matrycowa", "Matrycowa (PN-N-18002)", {phaFatal, entry(RiskMethod::Matrycowa, Factor::P, 0)}, "R = 4,0",
         Open, 4, {}, phaFatal, "", true, false, false},
        {"factor that is no number in PHA", "PHA", {"dwa=lekkie", entry(RiskMethod::PHA, Factor::P, 0)}, "stare", Open, 4,
         {}, "dwa=lekkie", "", true, false, false},
        {"whole entry pasted", "RISK SCORE", {phaFatal, rsP6, rsE6}, "", Paste, 4, rsS15, rsS15,
         "R = 540,0 Ryzyko bardzo duże - niedopuszczalne", false, false, true},
        {"number pasted", "RISK SCORE", {phaFatal, rsP6, rsE6}, "", Paste, 4, " 15\n", rsS15,
         "R = 540,0 Ryzyko bardzo duże - niedopuszczalne", false, false, true},
        {"number with a point pasted", "RISK SCORE", {rsS15, rsP6, rsE6}, "R = 540,0 Ryzyko bardzo duże - niedopuszczalne",
         Paste, 5, "0.5", entry(RiskMethod::RiskScore, Factor::P, 4), "R = 45,0 Ryzyko małe - dopuszczalne", false, false,
         true},
        {"text pasted", "PHA", {entry(RiskMethod::PHA, Factor::S, 5), entry(RiskMethod::PHA, Factor::P, 5)}, kUnacceptable,
         Paste, 4, "Hałas", entry(RiskMethod::PHA, Factor::S, 5), kUnacceptable, false, true, false},
        {"nothing pasted", "RISK SCORE", {rsS15, rsP6, rsE3}, "R = 270,0 Ryzyko duże - niedopuszczalne", Paste, 6, "", rsE3,
         "R = 270,0 Ryzyko duże - niedopuszczalne", false, true, false},
        {"entry of another method pasted", "RISK SCORE", {rsS15, rsP6, rsE3}, "R = 270,0 Ryzyko duże - niedopuszczalne",
         Paste, 4, entry(RiskMethod::PHA, Factor::S, 0), rsS15, "R = 270,0 Ryzyko duże - niedopuszczalne", false, true,
         false},
        {"picker closed on the cell's own entry", "RISK SCORE", {entry(RiskMethod::RiskScore, Factor::S, 4), rsP6, rsE6},
         "R = 108,0 Ryzyko śrdenie - dopuszczalne", PickUnchanged, 5, {}, rsP6, "R = 108,0 Ryzyko śrdenie - dopuszczalne",
         false, false, false},
        {"off-scale cell picked again by a double-click", "RISK SCORE", {phaFatal, rsP6, rsE6}, "", PickByDoubleClick, 4, {},
         rsS15, "R = 540,0 Ryzyko bardzo duże - niedopuszczalne", false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.messages.clear();
        TForm5* window = openAssessment(
            assessment(QString::fromUtf8(c.method), QStringLiteral("3"),
                       {QStringList{"Hałas", "", "", ""} + c.factors + QStringList{c.storedRisk}}),
            QStringLiteral("%1.ron").arg(&c - cases));
        pagesOf(window)->setCurrentIndex(3);
        TStringGridIni* table = window->StringGridIni1;
        selectCell(table, c.column, 1);
        switch (c.action) {
        case Open:
            break;
        case Paste:
            QApplication::clipboard()->setText(c.pasted);
            clipboard_commands::Paste(window);
            break;
        case PickUnchanged:
            ASSERT_TRUE(withPicker([&] { window->BitBtn2->click(); }, [](TForm3& picker) { picker.BitBtn1->click(); }));
            break;
        case PickByDoubleClick:
            paint(window);
            ASSERT_TRUE(withPicker(
                [&] {
                    const QPoint at = table->visualRect(table->model()->index(1, c.column)).center();
                    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
                    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
                },
                [](TForm3& picker) {
                    EXPECT_EQ(picker.ItemIndex(), -1) << "no entry of the scale to start on";
                    picker.setItemIndex(2);
                    picker.BitBtn1->click();
                }));
            break;
        }
        const int riskColumn = table->columnCount() - 1;
        EXPECT_EQ(table->cell(c.column, 1), c.cell);
        EXPECT_EQ(table->cell(riskColumn, 1), c.risk);
        auto* delegate = static_cast<GridDelegate*>(table->itemDelegate());
        const QModelIndex cell = table->model()->index(1, c.column);
        EXPECT_EQ(delegate->backgroundColour(cell) == GridDelegate::Warning, c.flagged);
        EXPECT_EQ(delegate->cellToolTip(cell),
                  c.flagged ? QStringLiteral("Wartość spoza skali metody – wybierz ponownie") : QString());
        EXPECT_EQ(prompts.messages.size(), c.refused ? 1 : 0);
        EXPECT_EQ(window->document().isModified(), c.modified);
        window->setModified(false);
        window->close();
    }
}

TEST_F(AssessmentWindowTest, AssessmentWithoutMethodOffersEmptyListsAndComputesNothing)
{
    TForm5* window = openAssessment(assessment(QString(), {}, {{"Hałas", "", "", "", "", "", "stare"}}));
    EXPECT_EQ(window->StringGridIni1->columnCount(), 7);
    selectCell(window->StringGridIni1, 4, 1);
    ASSERT_TRUE(withPicker([window] { window->BitBtn1Click(); }, [](TForm3& picker) {
        EXPECT_TRUE(picker.entries().isEmpty());
        picker.BitBtn1->click();
    }));
    EXPECT_EQ(window->StringGridIni1->cell(4, 1), QString());
    EXPECT_EQ(window->StringGridIni1->cell(6, 1), QStringLiteral("stare"));
}

TEST_F(AssessmentWindowTest, PickerButtonSitsInTheFocusedCellAndLeavesItsValueVisible)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {}, {{"Hałas", "", "", "", "", "0,5=", ""}}));
    pagesOf(window)->setCurrentIndex(3);
    selectCell(window->StringGridIni1, 5, 1);
    paint(window);
    TStringGridIni* table = window->StringGridIni1;
    const QRect cell = table->visualRect(table->model()->index(1, 5));
    const QRect onPage(table->viewport()->mapTo(table->parentWidget(), cell.topLeft()), cell.size());
    const QRect button = window->BitBtn2->geometry();
    EXPECT_LE(button.right(), onPage.right());
    EXPECT_GT(button.top(), onPage.top());
    EXPECT_EQ(button.size(), QSize(20, 20));
    EXPECT_GT(button.left(), onPage.left() + table->fontMetrics().horizontalAdvance(QStringLiteral("0,5=")));
    EXPECT_TRUE(window->BitBtn2->isVisible());

    // A value that fills the cell's line wraps before the button instead of running under it.
    QString wide = QStringLiteral("0,5=");
    while (table->fontMetrics().horizontalAdvance(wide + u'x') < cell.width() - 6)
        wide += u'x';
    table->setCell(5, 1, wide);
    paint(window);
    EXPECT_GE(table->rowHeight(1), 2 * table->fontMetrics().height());
}

TEST_F(AssessmentWindowTest, ScrollingHidesThePickers)
{
    QList<QStringList> rows;
    for (int i = 0; i < 40; ++i)
        rows.append({QStringLiteral("Zagrożenie %1").arg(i), "", "", "", "", "", ""});
    TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {}, rows));
    pagesOf(window)->setCurrentIndex(3);
    selectCell(window->StringGridIni1, 4, 1);
    ASSERT_FALSE(window->BitBtn1->isHidden());
    window->StringGridIni1->verticalScrollBar()->setValue(5);
    EXPECT_TRUE(window->BitBtn1->isHidden());
}

TEST_F(AssessmentWindowTest, F2AndAltDownOpenThePickerOfTheCurrentCell)
{
    const RiskMethod m = RiskMethod::RiskScore;
    TForm5* window = openAssessment(assessment(QStringLiteral("RISK SCORE"), {}, {{"Hałas", "", "", "", "", "", "", ""}}));
    pagesOf(window)->setCurrentIndex(3);
    TStringGridIni* table = window->StringGridIni1;
    // Opens the picker with `key`, checks its caption and confirms entry 1.
    const auto pickByKey = [&](int column, QKeyCombination key, const QString& caption) {
        selectCell(table, column, 1);
        window->setModified(false);
        return withPicker([&] { QTest::keyClick(table, key.key(), key.keyboardModifiers()); },
                          [&](TForm3& picker) {
                              EXPECT_EQ(picker.windowTitle(), caption);
                              picker.setItemIndex(1);
                              picker.BitBtn1->click();
                          });
    };
    ASSERT_TRUE(pickByKey(4, Qt::Key_F2, QStringLiteral("Skutki, stopień szkód S:")));
    EXPECT_EQ(table->cell(4, 1), entry(m, Factor::S, 1));
    EXPECT_TRUE(window->document().isModified());
    ASSERT_TRUE(pickByKey(5, Qt::AltModifier | Qt::Key_Down, QStringLiteral("Prawdopodobieństwo wystąpienia zdarzenia, szkody P:")));
    EXPECT_EQ(table->cell(5, 1), entry(m, Factor::P, 1));
    ASSERT_TRUE(pickByKey(6, Qt::Key_F2, QStringLiteral("Ekspozycja na zagrożenie E:")));
    EXPECT_EQ(table->cell(6, 1), entry(m, Factor::E, 1));
    // The keyboard's picker computes the row like the button's.
    EXPECT_EQ(table->cell(7, 1), QStringLiteral("R = 1440,0 Ryzyko bardzo duże - niedopuszczalne"));
    EXPECT_EQ(table->currentColumn(), 6) << "the picker leaves the selection where it was";
}

TEST_F(AssessmentWindowTest, PickerKeysElsewhereOpenNoPickerAndArrowsStillMove)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {}, {{"Hałas", "", "", "", "", "", ""},
                                                                             {"Wióry", "", "", "", "", "", ""}}));
    pagesOf(window)->setCurrentIndex(3);
    TStringGridIni* table = window->StringGridIni1;
    for (const QPoint& cell : {QPoint(0, 1), QPoint(6, 1), QPoint(4, 0)}) {
        selectCell(table, cell.x(), cell.y());
        EXPECT_FALSE(withPicker([table] { QTest::keyClick(table, Qt::Key_F2); }, [](TForm3& picker) {
            picker.BitBtn2->click();
        })) << cell.x() << "/" << cell.y();
    }
    selectCell(table, 4, 1);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(table->currentRow(), 2);
    EXPECT_EQ(table->currentColumn(), 4);
}

// --- FIVE STEPS employee count ------------------------------------------------------

class FiveStepsTest : public AssessmentWindowTest {
protected:
    static constexpr RiskMethod m = RiskMethod::FiveSteps;

    TForm5* openWithCount(const QString& count)
    {
        return openAssessment(assessment(
            QStringLiteral("FIVE STEPS"), count,
            {{"Hałas", "", "", "", entry(m, Factor::S, 2), entry(m, Factor::P, 5), entry(m, Factor::E, 1), ""},
             {"Wióry", "", "", "", entry(m, Factor::S, 2), entry(m, Factor::P, 5), "", "stare"},
             {"Prąd", "", "", "", entry(m, Factor::S, 3), entry(m, Factor::P, 4), entry(m, Factor::E, 1), ""}}));
    }
};

TEST_F(FiveStepsTest, LoadingComputesNothing)
{
    TForm5* window = openWithCount(QStringLiteral("60"));
    EXPECT_EQ(window->StringGridIni1->cell(7, 1), QString());
    EXPECT_EQ(window->StringGridIni1->cell(7, 2), QStringLiteral("stare"));
    EXPECT_FALSE(window->document().isModified());
}

TEST_F(FiveStepsTest, TypingTheCountRecomputesEveryRowAfterEachKey)
{
    TForm5* window = openWithCount({});
    QTest::keyClick(window->EditIni6, Qt::Key_1);
    // S 1 x P 5 x E 1 x I 1 and S 2 x P 2 x E 1 x I 1; the row without E has no risk.
    EXPECT_EQ(window->StringGridIni1->cell(7, 1), QStringLiteral("R = 5,0 Ryzyko bardzo małe - dopuszczalne"));
    EXPECT_EQ(window->StringGridIni1->cell(7, 2), QString());
    EXPECT_EQ(window->StringGridIni1->cell(7, 3), QStringLiteral("R = 4,0 Ryzyko bardzo małe - dopuszczalne"));
    QTest::keyClick(window->EditIni6, Qt::Key_2);
    // 12 employees: I = 4
    EXPECT_EQ(window->StringGridIni1->cell(7, 1), QStringLiteral("R = 20,0 Ryzyko małe - dopuszczalne"));
    EXPECT_EQ(window->StringGridIni1->cell(7, 2), QString());
    EXPECT_EQ(window->StringGridIni1->cell(7, 3), QStringLiteral("R = 16,0 Ryzyko małe - dopuszczalne"));
    EXPECT_TRUE(window->document().isModified());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(FiveStepsTest, ClearingTheCountComputesNothingAndLocksTheTabs)
{
    TForm5* window = openWithCount(QStringLiteral("12"));
    window->StringGridIni1->setCell(7, 1, QStringLiteral("przed"));
    window->EditIni6->setFocus();
    window->EditIni6->end(false);
    QTest::keyClick(window->EditIni6, Qt::Key_Backspace);
    EXPECT_EQ(window->StringGridIni1->cell(7, 1), QStringLiteral("R = 5,0 Ryzyko bardzo małe - dopuszczalne"));
    window->StringGridIni1->setCell(7, 1, QStringLiteral("przed"));
    QTest::keyClick(window->EditIni6, Qt::Key_Backspace);
    ASSERT_TRUE(window->EditIni6->text().isEmpty());
    EXPECT_EQ(window->StringGridIni1->cell(7, 1), QStringLiteral("przed"));

    clickTab(window, 3);
    EXPECT_EQ(pagesOf(window)->currentIndex(), 0);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("Musisz podać liczbę osób zatrudnionych (narażonych) na stanowisku."));
    EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::None);

    QTest::keyClick(window->EditIni6, Qt::Key_3);
    clickTab(window, 3);
    EXPECT_EQ(pagesOf(window)->currentIndex(), 3);
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(FiveStepsTest, CountFieldTakesOnlyDigitsAndThePoint)
{
    TForm5* window = openWithCount({});
    QTest::keyClicks(window->EditIni6, QStringLiteral("a-,x "));
    EXPECT_TRUE(window->EditIni6->text().isEmpty());
    EXPECT_FALSE(window->document().isModified());
    EXPECT_TRUE(window->EditIni6KeyPress(u'7'));
    EXPECT_TRUE(window->EditIni6KeyPress(u'.'));
    EXPECT_TRUE(window->EditIni6KeyPress(u'\b'));
    EXPECT_FALSE(window->EditIni6KeyPress(u','));
    EXPECT_FALSE(window->EditIni6KeyPress(u'ę'));
}

TEST_F(FiveStepsTest, APointInTheCountIsAnIntegerErrorAndKeepsTheRisks)
{
    TForm5* window = openWithCount({});
    QTest::keyClicks(window->EditIni6, QStringLiteral("1.5"));
    EXPECT_EQ(window->EditIni6->text(), QStringLiteral("1.5"));
    ASSERT_GE(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("„1.” nie jest poprawną liczbą całkowitą."));
    EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::Error);
    EXPECT_EQ(window->StringGridIni1->cell(7, 1), QStringLiteral("R = 5,0 Ryzyko bardzo małe - dopuszczalne"));
    EXPECT_EQ(window->StringGridIni1->cell(7, 3), QStringLiteral("R = 4,0 Ryzyko bardzo małe - dopuszczalne"));
}

TEST_F(FiveStepsTest, RecomputationStopsAtTheFirstFailingRow)
{
    TForm5* window = openWithCount(QStringLiteral("1"));
    window->StringGridIni1->setCell(4, 1, QStringLiteral("bez liczby"));
    window->StringGridIni1->setCell(7, 1, QStringLiteral("stare"));
    window->StringGridIni1->setCell(7, 3, QStringLiteral("stare"));
    window->EditIni6->setFocus();
    window->EditIni6->end(false);
    QTest::keyClick(window->EditIni6, Qt::Key_Period);
    // Row 1 has no risk without its S, row 3 is where the count fails.
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("„1.” nie jest poprawną liczbą całkowitą."));
    EXPECT_EQ(window->StringGridIni1->cell(7, 1), QString());
    EXPECT_EQ(window->StringGridIni1->cell(7, 3), QStringLiteral("stare"));
}

TEST_F(AssessmentWindowTest, TabsAreFreeForOtherMethodsWithoutACount)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("RISK SCORE"), {}, {}));
    clickTab(window, 4);
    EXPECT_EQ(pagesOf(window)->currentIndex(), 4);
    EXPECT_TRUE(prompts.messages.isEmpty());
    QTest::keyClick(window->EditIni6, Qt::Key_1);
    EXPECT_TRUE(prompts.messages.isEmpty()) << "no recomputation outside FIVE STEPS";
}

// --- checklist ----------------------------------------------------------------------

class ChecklistTest : public AssessmentWindowTest {
protected:
    TForm5* openChecklist()
    {
        return openAssessment(assessment(QStringLiteral("PHA"), {}, {},
                                         {{"Czy osłony są kompletne?", "Uzupełnić", "tak"},
                                          {"Czy przejścia są wolne?", "", ""},
                                          {"Czy oświetlenie jest sprawne?", "", ""},
                                          {"Czy NIE brakuje gaśnicy?", "", "NIE"}}));
    }
};

TEST_F(ChecklistTest, AnswerListFollowsTheAnswerCell)
{
    TForm5* window = openChecklist();
    pagesOf(window)->setCurrentIndex(4);
    selectCell(window->StringGridIni2, 2, 1);
    EXPECT_FALSE(window->ComboBox1->isHidden());
    EXPECT_EQ(window->ComboBox1->currentText(), QStringLiteral("TAK"));
    selectCell(window->StringGridIni2, 2, 2);
    EXPECT_FALSE(window->ComboBox1->isHidden());
    EXPECT_EQ(window->ComboBox1->currentIndex(), -1);
    selectCell(window->StringGridIni2, 2, 4);
    EXPECT_EQ(window->ComboBox1->currentText(), QStringLiteral("NIE"));
    selectCell(window->StringGridIni2, 1, 4);
    EXPECT_TRUE(window->ComboBox1->isHidden());
    selectCell(window->StringGridIni2, 2, 0);
    EXPECT_TRUE(window->ComboBox1->isHidden());
    EXPECT_FALSE(window->document().isModified());
}

TEST_F(ChecklistTest, ChoosingAnAnswerWritesItMarksModifiedAndGivesTheKeysBackToTheTable)
{
    TForm5* window = openChecklist();
    QApplication::setActiveWindow(window);
    pagesOf(window)->setCurrentIndex(4);
    selectCell(window->StringGridIni2, 2, 2);
    const QString nextAnswer = window->StringGridIni2->cell(2, 3);
    window->ComboBox1->setFocus();   // as a click on the list does
    window->ComboBox1->setCurrentIndex(1);
    emit window->ComboBox1->activated(1);
    EXPECT_EQ(window->StringGridIni2->cell(2, 2), QStringLiteral("NIE"));
    EXPECT_TRUE(window->document().isModified());

    ASSERT_EQ(QApplication::focusWidget(), window->StringGridIni2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(window->StringGridIni2->currentRow(), 3) << "Down goes to the next question";
    EXPECT_EQ(window->StringGridIni2->cell(2, 2), QStringLiteral("NIE")) << "and leaves the answer chosen";
    EXPECT_EQ(window->StringGridIni2->cell(2, 3), nextAnswer);
}

TEST_F(ChecklistTest, TypingTOrNOnTheAnswerCellAnswers)
{
    TForm5* window = openChecklist();
    pagesOf(window)->setCurrentIndex(4);
    TStringGridIni* table = window->StringGridIni2;
    selectCell(table, 2, 2);
    QTest::keyClick(table, Qt::Key_T);
    EXPECT_EQ(table->cell(2, 2), QStringLiteral("TAK"));
    EXPECT_EQ(window->ComboBox1->currentText(), QStringLiteral("TAK"));
    EXPECT_TRUE(window->document().isModified());
    QTest::keyClick(table, Qt::Key_N, Qt::ShiftModifier);
    EXPECT_EQ(table->cell(2, 2), QStringLiteral("NIE"));
    EXPECT_EQ(window->ComboBox1->currentText(), QStringLiteral("NIE"));
    EXPECT_EQ(table->currentRow(), 2) << "the letter answers, it does not search the column";

    // Another letter, or the same letters elsewhere, answer nothing.
    QTest::keyClick(table, Qt::Key_X);
    EXPECT_EQ(table->cell(2, 2), QStringLiteral("NIE"));
    selectCell(table, 1, 3);
    QTest::keyClick(table, Qt::Key_T);
    EXPECT_EQ(table->cell(2, 3), QString());
    EXPECT_EQ(table->cell(1, 3), QString());
}

TEST_F(ChecklistTest, F2OpensTheAnswerListAndTheChoiceIsWritten)
{
    TForm5* window = openChecklist();
    pagesOf(window)->setCurrentIndex(4);
    TStringGridIni* table = window->StringGridIni2;
    selectCell(table, 2, 1);
    paint(window);
    QTest::keyClick(table, Qt::Key_F2);
    QAbstractItemView* list = window->ComboBox1->view();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(table->cell(2, 1), QStringLiteral("NIE"));
    EXPECT_TRUE(window->document().isModified());

    // After scrolling hid the list, Alt+Down shows it again over its cell.
    window->StringGridIni2TopLeftChanged();
    ASSERT_TRUE(window->ComboBox1->isHidden());
    QTest::keyClick(table, Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(window->ComboBox1->isHidden());
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(table->cell(2, 1), QStringLiteral("TAK"));
}

TEST_F(ChecklistTest, AnswerListSitsOnTheAnswerCell)
{
    TForm5* window = openChecklist();
    pagesOf(window)->setCurrentIndex(4);
    selectCell(window->StringGridIni2, 2, 3);
    paint(window);
    TStringGridIni* table = window->StringGridIni2;
    const QRect cell = table->visualRect(table->model()->index(3, 2));
    const QPoint corner = table->viewport()->mapTo(table->parentWidget(), cell.topLeft()) + QPoint(2, 2);
    EXPECT_EQ(window->ComboBox1->geometry(), QRect(corner, QSize(table->columnWidth(2), 23)));
}

TEST_F(ChecklistTest, DoubleClickTogglesTheAnswerOfTheRow)
{
    TForm5* window = openChecklist();
    pagesOf(window)->setCurrentIndex(4);
    TStringGridIni* table = window->StringGridIni2;
    paint(window);
    const QPoint question = table->visualRect(table->model()->index(3, 0)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, question);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, question);
    EXPECT_EQ(table->cell(2, 3), QStringLiteral("TAK"));
    EXPECT_TRUE(window->document().isModified());
    window->StringGridIni2DblClick();
    EXPECT_EQ(table->cell(2, 3), QStringLiteral("NIE"));
    EXPECT_EQ(textColour(table, 2, 3), GridDelegate::Red);
    window->StringGridIni2DblClick();
    EXPECT_EQ(table->cell(2, 3), QStringLiteral("TAK"));
}

TEST_F(ChecklistTest, DoubleClickOnTheTitleRowChangesNothing)
{
    TForm5* window = openChecklist();
    selectCell(window->StringGridIni2, 2, 0);
    window->StringGridIni2DblClick();
    EXPECT_EQ(window->StringGridIni2->cell(2, 0), QStringLiteral("Odpowiedź"));
    EXPECT_FALSE(window->document().isModified());
}

TEST_F(ChecklistTest, ToggledAnswerIsNotLostOnClosing)
{
    TForm5* window = openChecklist();
    selectCell(window->StringGridIni2, 0, 2);
    window->StringGridIni2DblClick();
    prompts.answers.enqueue(true);
    window->close();
    EXPECT_EQ(prompts.questions.size(), 1);
    EXPECT_EQ(host.saved.size(), 1);
}

// --- painting ------------------------------------------------------------------------

TEST_F(AssessmentWindowTest, UnacceptableRisksArePaintedPureRed)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {},
                                               {{"Hałas", "", "", "", "", "", kUnacceptable},
                                                {"Wióry", "", "", "", "", "", kMedium},
                                                {"Prąd", "", "", "", "", "", "R = 12,0 Ryzyko duże - niedopuszczalne"},
                                                {"Czy NIE", "", "", "", "", "", ""}}));
    TStringGridIni* table = window->StringGridIni1;
    EXPECT_EQ(textColour(table, 6, 1), QColor(255, 0, 0));
    EXPECT_NE(textColour(table, 6, 2), QColor(255, 0, 0));
    EXPECT_EQ(textColour(table, 6, 3), QColor(255, 0, 0));
    EXPECT_NE(textColour(table, 0, 4), QColor(255, 0, 0)) << "NIE is red only in the checklist";
    EXPECT_NE(textColour(table, 0, 1), QColor(255, 0, 0));
}

TEST_F(ChecklistTest, NieAnywhereInTheChecklistIsRed)
{
    TForm5* window = openChecklist();
    TStringGridIni* table = window->StringGridIni2;
    EXPECT_EQ(textColour(table, 2, 4), GridDelegate::Red);
    EXPECT_EQ(textColour(table, 0, 4), GridDelegate::Red) << "a question with the upper-case NIE";
    EXPECT_NE(textColour(table, 0, 1), GridDelegate::Red);
    EXPECT_NE(textColour(table, 2, 1), GridDelegate::Red);
    table->setCell(1, 2, QStringLiteral("nie dotyczy"));
    EXPECT_NE(textColour(table, 1, 2), GridDelegate::Red);
}

TEST_F(AssessmentWindowTest, RowsAndTitlesTakeTheirBackgrounds)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {},
                                               {{"a", "", "", "", "", "", ""}, {"b", "", "", "", "", "", ""}}));
    TStringGridIni* table = window->StringGridIni1;
    auto* delegate = static_cast<GridDelegate*>(table->itemDelegate());
    const QPalette& palette = table->palette();
    selectCell(table, 0, 1);
    EXPECT_EQ(delegate->backgroundColour(table->model()->index(0, 3)), palette.color(QPalette::Button));
    EXPECT_EQ(delegate->backgroundColour(table->model()->index(2, 3)), palette.color(QPalette::ToolTipBase));
    EXPECT_EQ(delegate->backgroundColour(table->model()->index(1, 3)), palette.color(QPalette::Base));
    EXPECT_EQ(delegate->backgroundColour(table->model()->index(1, 0)), palette.color(QPalette::Highlight));
}

TEST_F(AssessmentWindowTest, LongTextGrowsItsRowAndShowingTheTabResetsIt)
{
    const QString longText = QStringLiteral("Uderzenie przez przedmioty spadające z wysokości ").repeated(6);
    TForm5* window = openAssessment(
        assessment(QStringLiteral("PHA"), {}, {{longText, "", "", "", "", "", ""}, {"krótko", "", "", "", "", "", ""}}));
    pagesOf(window)->setCurrentIndex(3);
    paint(window);
    TStringGridIni* table = window->StringGridIni1;
    const int grown = table->rowHeight(1);
    EXPECT_GT(grown, 40);
    EXPECT_EQ(table->rowHeight(2), 20);

    pagesOf(window)->setCurrentIndex(4);
    pagesOf(window)->setCurrentIndex(3);
    EXPECT_EQ(table->rowHeight(1), 20);
    paint(window);
    EXPECT_EQ(table->rowHeight(1), grown);
}

// --- editing marks -------------------------------------------------------------------

TEST_F(AssessmentWindowTest, EditsMarkModifiedAndMovingInATableDoesNot)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {}, {{"a", "", "", "", "", "", ""}}));
    QTest::keyClick(window->StringGridIni1, Qt::Key_Down);
    EXPECT_FALSE(window->document().isModified());

    for (QWidget* field : {static_cast<QWidget*>(window->EditIni4), static_cast<QWidget*>(window->EditIni9),
                           static_cast<QWidget*>(window->MemoIni8), static_cast<QWidget*>(window->MemoIni7)}) {
        window->setModified(false);
        QTest::keyClick(field, Qt::Key_X);
        EXPECT_TRUE(window->document().isModified()) << field->objectName().toStdString();
    }
}

TEST_F(AssessmentWindowTest, OpenedDocumentFillsEveryTab)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("Matrycowa (PN-N-18002)"), QStringLiteral("7"), {}));
    EXPECT_EQ(window->EditIni4->text(), QStringLiteral("Wydział obróbki"));
    EXPECT_EQ(window->EditIni6->text(), QStringLiteral("7"));
    EXPECT_EQ(window->EditIni1->text(), QStringLiteral("Tokarz"));
    EXPECT_EQ(window->RadioGroupIni1->ItemIndex(), 3);
    EXPECT_EQ(window->MemoIni2->toPlainText(), QStringLiteral("Hala nr 2"));
    EXPECT_EQ(window->StringGridIni1->rowCount(), 1);
}

// --- window, commands, closing -------------------------------------------------------

TEST_F(AssessmentWindowTest, WindowShape)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {}, {}));
    EXPECT_EQ(window->size(), QSize(755, 448));
    EXPECT_EQ(window->minimumSize(), QSize(755, 440));
    EXPECT_EQ(window->HelpContext, 5050);
    // Every tab's layout fits that size, so an MDI frame can give the window its size.
    EXPECT_LE(window->minimumSizeHint().width(), 755);
    EXPECT_LE(window->minimumSizeHint().height(), 440);
    EXPECT_EQ(window->font().family(), QStringLiteral("Arial"));
    const QStringList captions{"Opis oceny", "Opis projektu", "Ogólna charakterystyka stanowiska pracy",
                               "Zagrożenia zawodowe", "Ocena warunków bhp", "Plan działań", "Pracownicy",
                               "Podsumowanie"};
    ASSERT_EQ(pagesOf(window)->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i)
        EXPECT_EQ(pagesOf(window)->tabText(i), captions[i]);
    EXPECT_EQ(pagesOf(window)->currentIndex(), 0);
    EXPECT_FALSE(window->EditIni1->isEnabled());
    EXPECT_FALSE(window->MemoIni1->isEnabled());
    EXPECT_FALSE(window->RadioGroupIni1->isEnabled());
    for (QWidget* readOnly : std::initializer_list<QWidget*>{window->EditIni1, window->MemoIni1, window->RadioGroupIni1})
        EXPECT_EQ(readOnly->palette().color(QPalette::Disabled, QPalette::Text),
                  window->MemoIni2->palette().color(QPalette::Active, QPalette::Text))
            << "the read-only project fields keep the ordinary text colour";
    EXPECT_TRUE(window->MemoIni2->isEnabled());
    EXPECT_EQ(window->StringGridIni2->columnCount(), 3);
    EXPECT_EQ(window->StringGridIni2->cell(2, 0), QStringLiteral("Odpowiedź"));
    EXPECT_EQ(window->StringGridIni2->verticalHeader()->defaultSectionSize(), 23);
}

TEST_F(AssessmentWindowTest, ColumnWidthsFollowTheMethod)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("FIVE STEPS"), QStringLiteral("3"), {}));
    const int w = pagesOf(window)->width() - 8 - numbersWidth(window);
    TStringGridIni* hazards = window->StringGridIni1;
    EXPECT_EQ(hazards->columnWidth(0), int(0.15 * w));
    EXPECT_EQ(hazards->columnWidth(4), int(0.10 * w));
    EXPECT_GE(hazards->columnWidth(6), int(0.09 * w)) << "its share, or more for its whole title";
    EXPECT_EQ(hazards->columnWidth(7), int(0.11 * w) - 24);
    EXPECT_EQ(window->StringGridIni2->columnWidth(0), int(0.42 * w));
    EXPECT_EQ(window->StringGridIni2->columnWidth(2), int(0.16 * w) - 23);

    TForm5* pha = openAssessment(assessment(QStringLiteral("PHA"), {}, {}), QStringLiteral("pha.ron"));
    EXPECT_EQ(pha->StringGridIni1->columnWidth(0), int(0.16 * w));
    EXPECT_EQ(pha->StringGridIni1->columnWidth(5), int(0.11 * w));
    EXPECT_EQ(pha->StringGridIni1->columnWidth(6), int(0.14 * w) - 24);
}

TEST_F(AssessmentWindowTest, ResizeMovesTheSelectionOffTheSPickerAndTheAnswerList)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {}, {{"a", "", "", "", "", "", ""}},
                                               {{"q", "", "TAK"}}));
    selectCell(window->StringGridIni1, 4, 1);
    selectCell(window->StringGridIni2, 2, 1);
    window->StringGridIni1->setRowHeight(1, 60);
    window->resize(900, 500);
    QApplication::processEvents();
    EXPECT_EQ(window->StringGridIni1->currentColumn(), 2);
    EXPECT_TRUE(window->BitBtn1->isHidden());
    EXPECT_EQ(window->StringGridIni2->currentColumn(), 0);
    EXPECT_TRUE(window->ComboBox1->isHidden());
    EXPECT_EQ(window->StringGridIni1->rowHeight(1), 20);
    EXPECT_EQ(window->StringGridIni1->columnWidth(0), int(0.16 * (pagesOf(window)->width() - 8 - numbersWidth(window))));
}

TEST_F(AssessmentWindowTest, CommandsFollowActivationAndTabs)
{
    TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {}, {}));
    window->FormActivate();
    EXPECT_EQ(host.report, true);
    EXPECT_EQ(host.rowCommands, false);
    // The tables, the plan and the workers take rows; the overview and the descriptions do not.
    for (int tab : {3, 4, 5, 6, 7, 2, 1}) {
        clickTab(window, tab);
        EXPECT_EQ(host.rowCommands, tab >= 3 && tab <= 6) << tab;
    }
    clickTab(window, 3);
    window->FormDeactivate();
    EXPECT_EQ(host.report, false);
    EXPECT_EQ(host.rowCommands, false);
    window->FormActivate();
    EXPECT_EQ(host.report, true);
    EXPECT_EQ(host.rowCommands, true);
}

TEST_F(AssessmentWindowTest, ClosingAnUnchangedDocumentAsksNothing)
{
    QPointer<TForm5> window = openAssessment(assessment(QStringLiteral("PHA"), {}, {}));
    window->FormActivate();
    window->close();
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_TRUE(host.saved.isEmpty());
    EXPECT_EQ(host.report, false);
    EXPECT_EQ(host.rowCommands, false);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(AssessmentWindowTest, ClosingAfterAPickAsksAndYesSaves)
{
    QPointer<TForm5> window = openAssessment(
        assessment(QStringLiteral("PHA"), {}, {{"a", "", "", "", "", "", ""}}), QStringLiteral("karta 7.ron"));
    selectCell(window->StringGridIni1, 4, 1);
    ASSERT_TRUE(pickWith(window->BitBtn1, 0));
    prompts.answers.enqueue(true);
    window->close();
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_EQ(prompts.questions[0],
              QStringLiteral("Czy chcesz zapisać zmiany w pliku:\rkarta 7.ron\rTak – zapisz, Nie – nie zapisuj, Anuluj – wróć do edycji."));
    ASSERT_EQ(host.saved.size(), 1);
    EXPECT_EQ(host.saved[0], window.data());
}

TEST_F(AssessmentWindowTest, NoClosesWithoutSaving)
{
    QPointer<TForm5> window = openAssessment(assessment(QStringLiteral("PHA"), {}, {}));
    window->EditIni5->setText(QStringLiteral("Frezer"));
    prompts.answers.enqueue(false);
    window->close();
    EXPECT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(host.saved.isEmpty());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

} // namespace

// The next review: proposed a year after the date of preparation, and stored only once set,
// so that an assessment without one is saved as it was.
TEST_F(AssessmentWindowTest, NextReviewIsAYearAfterPreparationAndStoredOnlyOnceSet)
{
    struct Case {
        QString prepared;
        QString proposed;   // empty: refused with a message
    };
    const Case cases[] = {
        {"07.12.2026", "07.12.2027"},
        {"7.1.2026", "07.01.2027"},
        {"29.02.2024", "28.02.2025"},
        {"", ""},
        {"grudzień 2026", ""},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prepared.toStdString());
        TForm5* window = openAssessment(assessment(QStringLiteral("PHA"), {}, {}),
                                        QStringLiteral("przeglad%1.ron").arg(++number));
        prompts.messages.clear();
        window->EditIni8->setText(c.prepared);
        window->NextYearButton->click();
        EXPECT_EQ(window->ReviewEdit->text(), c.proposed);
        EXPECT_EQ(prompts.messages.size(), c.proposed.isEmpty() ? 1 : 0);
        window->saveFile(window->file().FileName());
        QFile saved(window->file().FileName());
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll().contains("DataPrzegladu="), !c.proposed.isEmpty());
    }
}
