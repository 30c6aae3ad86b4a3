// The document tables: they scroll under their fixed title row, a whole row at a time (on
// both tables of both kinds of window, with 200 rows of which some wrap to several lines),
// and their hints name what serves the cells of the current column.

#include "document_test_support.h"
#include "documents/assessment_window.h"
#include "documents/project_window.h"
#include "controls/string_grid_ini.h"
#include "support/pages_of.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int DataRows = 200;

struct TableCase {
    const char* name;
    bool assessment;
    bool checklist;
    const char* method;
};

// Every seventh row wraps to several lines, so rows grow while they are painted.
QString rows()
{
    QList<QStringList> table;
    for (int r = 1; r <= DataRows; ++r)
        table.append({r % 7 ? QStringLiteral("Wiersz %1").arg(r) : QStringLiteral("Długi opis %1 ").arg(r).repeated(9)});
    return tableLines(table);
}

class DocumentTable : public DocumentWindowTest, public ::testing::WithParamInterface<TableCase> {
protected:
    TStringGridIni* openTable()
    {
        const TableCase& c = GetParam();
        const QString text = QStringLiteral("[OPIS]\r\nMetoda=%1\r\n[ZAGROZENIA]\r\n%2[WARUNKI]\r\n%3")
                                 .arg(QLatin1String(c.method), c.checklist ? QString() : rows(),
                                      c.checklist ? rows() : QString());
        DocumentWindow* window = c.assessment ? static_cast<DocumentWindow*>(openAssessment(text)) : openProject(text);
        pagesOf(window)->setCurrentIndex((c.assessment ? 3 : 2) + (c.checklist ? 1 : 0));
        TStringGridIni* table = c.checklist ? window->StringGridIni2 : window->StringGridIni1;
        selectCell(table, 0, 1);
        settle(table);
        return table;
    }

    // Paints until the rows stop growing.
    static void settle(TStringGridIni* table)
    {
        for (int pass = 0; pass < 10; ++pass)
            paint(table->window());
    }

    // The title row is in view above the rows, the row at the top is whole and `row` is
    // wholly in view.
    static void expectShape(TStringGridIni* table, int row)
    {
        const QHeaderView* titles = table->horizontalHeader();
        EXPECT_TRUE(titles->isVisible());
        EXPECT_EQ(titles->geometry().bottom() + 1, table->viewport()->geometry().top());
        EXPECT_GE(titles->height(), table->fontMetrics().height());
        EXPECT_EQ(table->rowViewportPosition(table->rowAt(0)), 0) << "no row is cut at the top";
        const QRect shown = table->visualRect(table->model()->index(row, 0));
        EXPECT_TRUE(table->viewport()->rect().contains(shown)) << "row " << row << " ends at " << shown.bottom();
    }
};

TEST_P(DocumentTable, TitleRowStaysWhileWholeRowsScroll)
{
    TStringGridIni* table = openTable();
    EXPECT_TRUE(table->isRowHidden(0)) << "row 0 is shown as the header";
    QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier);
    settle(table);
    EXPECT_EQ(table->currentRow(), DataRows);
    expectShape(table, DataRows);

    QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
    settle(table);
    EXPECT_EQ(table->currentRow(), 1) << "the title row is not a stop of the keys";
    expectShape(table, 1);

    table->verticalScrollBar()->setValue(DataRows / 2 + 3);
    settle(table);
    expectShape(table, table->rowAt(0));
}

INSTANTIATE_TEST_SUITE_P(
    , DocumentTable,
    ::testing::Values(TableCase{"ProjectHazards", false, false, "PHA"}, TableCase{"ProjectChecklist", false, true, "PHA"},
                      TableCase{"AssessmentHazardsWithoutE", true, false, "PHA"},
                      TableCase{"AssessmentHazardsWithE", true, false, "RISK SCORE"},
                      TableCase{"AssessmentChecklist", true, true, "PHA"}),
    [](const auto& test) { return std::string(test.param.name); });

// A row taller than the table's visible area comes into view line by line on the way down,
// to its last line; in both kinds of window.
TEST_F(DocumentWindowTest, RowTallerThanTheTableCanBeReadToItsEnd)
{
    for (const bool assessment : {false, true}) {
        const QString text = QStringLiteral("[OPIS]\r\nMetoda=PHA\r\n[ZAGROZENIA]\r\n") +
                             tableLines({{"Krótki"}, {QStringLiteral("Bardzo długi opis zagrożenia ").repeated(120)}, {"Ostatni"}});
        DocumentWindow* window = assessment ? static_cast<DocumentWindow*>(openAssessment(text)) : openProject(text);
        pagesOf(window)->setCurrentIndex(assessment ? 3 : 2);
        TStringGridIni* table = window->StringGridIni1;
        selectCell(table, 0, 1);
        for (int pass = 0; pass < 10; ++pass)
            paint(window);
        const int height = table->rowHeight(2);
        ASSERT_GT(height, table->viewport()->height()) << assessment;

        // How far down the tall row has been seen without a gap.
        int seen = 0;
        QScrollBar* bar = table->verticalScrollBar();
        for (int value = bar->minimum(); value < bar->maximum() + bar->singleStep(); value += bar->singleStep()) {
            bar->setValue(qMin(value, bar->maximum()));
            const int top = table->rowViewportPosition(2);
            if (top < table->viewport()->height() && -top <= seen)
                seen = qMax(seen, qMin(height, table->viewport()->height() - top));
        }
        EXPECT_EQ(seen, height) << assessment << " step " << bar->singleStep() << " max " << bar->maximum();
    }
}

struct HintCase {
    const char* name;
    bool assessment;
    bool checklist;
    const char* method;
    int column;
    QString hint;   // the table's tooltip and status-bar hint on a data cell of the column
};

class ColumnHint : public DocumentWindowTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(ColumnHint, FollowsTheCurrentColumn)
{
    const HintCase& c = GetParam();
    const QString text = QStringLiteral("[OPIS]\r\nMetoda=%1\r\n[ZAGROZENIA]\r\nTABELA0/1=a\r\n[WARUNKI]\r\nTABELA0/1=b\r\n")
                             .arg(QLatin1String(c.method));
    DocumentWindow* window = c.assessment ? static_cast<DocumentWindow*>(openAssessment(text)) : openProject(text);
    pagesOf(window)->setCurrentIndex((c.assessment ? 3 : 2) + (c.checklist ? 1 : 0));
    TStringGridIni* table = c.checklist ? window->StringGridIni2 : window->StringGridIni1;
    selectCell(table, (c.column + 1) % table->columnCount(), 1);
    selectCell(table, c.column, 1);
    EXPECT_EQ(table->toolTip(), c.hint);
    EXPECT_EQ(table->statusTip(), c.hint);
}

const QString Picker = QStringLiteral(": F2 lub Alt+Strzałka w dół otwiera listę wartości.");
const QString Typing = QStringLiteral(": wpisz tekst; Esc anuluje wpisywanie.");
const QString Computed = QStringLiteral("Ryzyko R: obliczane przez program z wybranych wartości.");

INSTANTIATE_TEST_SUITE_P(
    , ColumnHint,
    ::testing::Values(HintCase{"ProjectText", false, false, "PHA", 1, "Źródła zagrożenia" + Typing},
                      HintCase{"ProjectS", false, false, "PHA", 4, "Stopień szkód S" + Picker},
                      HintCase{"ProjectChecklist", false, true, "PHA", 1, "Działania naprawcze" + Typing},
                      HintCase{"AssessmentText", true, false, "PHA", 0, "Zagrożenie: tekst przeniesiony z projektu."},
                      HintCase{"AssessmentP", true, false, "PHA", 5, "Prawdop. P" + Picker},
                      HintCase{"AssessmentRiskWithoutE", true, false, "PHA", 6, Computed},
                      HintCase{"AssessmentE", true, false, "RISK SCORE", 6, "Ekspozycja E" + Picker},
                      HintCase{"AssessmentRiskAfterE", true, false, "RISK SCORE", 7, Computed},
                      HintCase{"AssessmentAnswer", true, true, "PHA", 2,
                               "Odpowiedź: T – TAK, N – NIE; F2 lub Alt+Strzałka w dół otwiera listę odpowiedzi."}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
