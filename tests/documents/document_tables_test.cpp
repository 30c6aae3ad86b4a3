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
    const char* method;
    QStringList keys;   // what the table's hint names; empty: no keys of its own
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

TEST_P(DocumentTable, TitleRowStaysWhileWholeRowsScrollAndTheHintNamesTheKeys)
{
    TStringGridIni* table = openTable();
    EXPECT_EQ(table->statusTip(), table->toolTip());
    EXPECT_EQ(table->toolTip().isEmpty(), GetParam().keys.isEmpty());
    for (const QString& key : GetParam().keys)
        EXPECT_TRUE(table->toolTip().contains(key)) << table->toolTip().toStdString() << " lacks " << key.toStdString();

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

const QString F2 = QStringLiteral("F2 lub Alt+Strzałka w dół");

INSTANTIATE_TEST_SUITE_P(
    , DocumentTable,
    ::testing::Values(TableCase{"ProjectHazards", false, false, "PHA", {"Stopień szkód S", F2}},
                      TableCase{"ProjectChecklist", false, true, "PHA", {}},
                      TableCase{"AssessmentHazardsWithoutE", true, false, "PHA", {"Kolumny S i P:", F2}},
                      TableCase{"AssessmentHazardsWithE", true, false, "RISK SCORE", {"Kolumny S, P i E:", F2}},
                      TableCase{"AssessmentChecklist", true, true, "PHA", {"T – TAK", "N – NIE", F2}}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
