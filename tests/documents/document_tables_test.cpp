// The document tables: they scroll under their fixed title row, a whole row at a time (on
// both tables of both kinds of window, with 200 rows of which some wrap to several lines),
// and their hints name the keys that serve their cells.

#include "document_test_support.h"
#include "documents/assessment_window.h"
#include "documents/project_window.h"
#include "storage/string_grid_ini.h"
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
    int tab;
    const char* firstTitle;
};

// Every seventh row wraps to several lines, so rows grow while they are painted.
QList<QStringList> rows()
{
    QList<QStringList> table;
    for (int r = 1; r <= DataRows; ++r) {
        const QString text = r % 7 == 0 ? QStringLiteral("Długi opis zagrożenia %1 ").arg(r).repeated(6)
                                        : QStringLiteral("Wiersz %1").arg(r);
        table.append({text, QStringLiteral("Źródło %1").arg(r)});
    }
    return table;
}

class TableScrolling : public DocumentWindowTest, public ::testing::WithParamInterface<TableCase> {
protected:
    TStringGridIni* openTable()
    {
        const TableCase& c = GetParam();
        const QString hazards = c.checklist ? QString() : tableLines(rows());
        const QString checklist = c.checklist ? tableLines(rows()) : QString();
        const QString text = QStringLiteral("[OPISOC]\r\nZatrudnienie=3\r\n[OPIS]\r\nMetoda=PHA\r\n[ZAGROZENIA]\r\n") +
                             hazards + QStringLiteral("[WARUNKI]\r\n") + checklist;
        DocumentWindow* window = c.assessment ? static_cast<DocumentWindow*>(openAssessment(text))
                                              : openProject(text);
        pagesOf(window)->setCurrentIndex(c.tab);
        TStringGridIni* table = c.checklist ? window->StringGridIni2 : window->StringGridIni1;
        selectCell(table, 0, 1);
        settle(window);
        return table;
    }

    // Paints until the rows stop growing.
    static void settle(QWidget* window)
    {
        for (int pass = 0; pass < 10; ++pass)
            paint(window);
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
        EXPECT_TRUE(table->viewport()->rect().contains(shown))
            << "row " << row << " at " << shown.top() << ".." << shown.bottom() << " of "
            << table->viewport()->height();
    }
};

TEST_P(TableScrolling, TitleRowStaysWhileWholeRowsScroll)
{
    TStringGridIni* table = openTable();
    EXPECT_EQ(table->cell(0, 0), QString::fromUtf8(GetParam().firstTitle));
    EXPECT_TRUE(table->isRowHidden(0)) << "row 0 is shown as the header";
    EXPECT_EQ(table->verticalScrollMode(), QAbstractItemView::ScrollPerItem);

    QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier);
    settle(table->window());
    EXPECT_EQ(table->currentRow(), DataRows);
    expectShape(table, DataRows);

    QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
    settle(table->window());
    EXPECT_EQ(table->currentRow(), 1) << "the title row is not a stop of the keys";
    expectShape(table, 1);

    table->verticalScrollBar()->setValue(DataRows / 2 + 3);
    settle(table->window());
    expectShape(table, table->rowAt(0));
}

INSTANTIATE_TEST_SUITE_P(, TableScrolling,
                         ::testing::Values(TableCase{"ProjectHazards", false, false, 2, "Zagrożenie"},
                                           TableCase{"ProjectChecklist", false, true, 3,
                                                     "Pytania kontrolne do oceny warunków bhp"},
                                           TableCase{"AssessmentHazards", true, false, 3, "Zagrożenie"},
                                           TableCase{"AssessmentChecklist", true, true, 4,
                                                     "Pytania kontrolne do oceny warunków bhp"}),
                         [](const auto& test) { return std::string(test.param.name); });

struct HintCase {
    const char* name;
    bool assessment;
    const char* method;
    bool checklist;
    QStringList keys;   // empty: the table has no keys of its own to tell
};

class TableHints : public DocumentWindowTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(TableHints, NameTheKeysOfTheCells)
{
    const HintCase& c = GetParam();
    const QString text = QStringLiteral("[OPIS]\r\nMetoda=%1\r\n").arg(QLatin1String(c.method));
    DocumentWindow* window = c.assessment ? static_cast<DocumentWindow*>(openAssessment(text)) : openProject(text);
    const TStringGridIni* table = c.checklist ? window->StringGridIni2 : window->StringGridIni1;
    EXPECT_EQ(table->statusTip(), table->toolTip());
    EXPECT_EQ(table->toolTip().isEmpty(), c.keys.isEmpty());
    for (const QString& key : c.keys)
        EXPECT_TRUE(table->toolTip().contains(key)) << table->toolTip().toStdString() << " lacks " << key.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    , TableHints,
    ::testing::Values(
        HintCase{"ProjectHazards", false, "PHA", false, {"Stopień szkód S", "F2 lub Alt+Strzałka w dół"}},
        HintCase{"ProjectChecklist", false, "PHA", true, {}},
        HintCase{"AssessmentHazardsWithoutE", true, "PHA", false, {"Kolumny S i P:", "F2 lub Alt+Strzałka w dół"}},
        HintCase{"AssessmentHazardsWithE", true, "RISK SCORE", false,
                 {"Kolumny S, P i E:", "F2 lub Alt+Strzałka w dół"}},
        HintCase{"AssessmentChecklist", true, "PHA", true, {"T – TAK", "N – NIE", "F2 lub Alt+Strzałka w dół"}}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
