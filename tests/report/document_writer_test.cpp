// The document the writer builds from commands: the table protocol, column widths and
// ruling, and the text style rule (bold and italic per paragraph or cell; size and alignment
// carried over).

#include "base/app_error.h"
#include "model/document_snapshot.h"
#include "report/checklist_report.h"
#include "report/document_writer.h"

#include <QTextBlock>
#include <QTextTable>
#include <gtest/gtest.h>

#include <functional>

namespace {

// One line per paragraph: "[row,column] " inside a table, the alignment (L, C, J), the point
// size of its first run (or of the empty paragraph), then its text with bold runs in *...*
// and italic ones in _..._.
QStringList describe(const QTextDocument& document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line;
        if (QTextTable* table = QTextCursor(block).currentTable()) {
            const QTextTableCell cell = table->cellAt(block.position());
            line += QStringLiteral("[%1,%2] ").arg(cell.row()).arg(cell.column());
        }
        const Qt::Alignment alignment = block.blockFormat().alignment();
        line += alignment & Qt::AlignHCenter ? u'C' : alignment & Qt::AlignJustify ? u'J' : u'L';
        QTextCharFormat first = block.charFormat();
        QString text;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (it == block.begin())
                first = format;
            QString run = it.fragment().text();
            if (format.fontItalic())
                run = u'_' + run + u'_';
            if (format.fontWeight() >= QFont::Bold)
                run = u'*' + run + u'*';
            text += run;
        }
        lines << line + QString::number(first.fontPointSize()) + u' ' + text;
    }
    return lines;
}

struct WriterCase {
    const char* name;
    std::function<void(WordBasic&)> commands;
    QStringList expected;
};

class Writer : public testing::TestWithParam<WriterCase> {};

TEST_P(Writer, BuildsTheDocument)
{
    DocumentWriter writer;
    GetParam().commands(writer);
    EXPECT_EQ(describe(writer.document()), GetParam().expected);
}

void table(WordBasic& w, int columns, int rows)
{
    w.TableInsertTable(QString(), columns, rows, QString(), 0, 0);
}

void selectAndRule(WordBasic& w)
{
    w.TableSelectTable();
    w.FormatBordersAndShading(RuledTableBorders);
    w.Cancel();
}

// A table that opens a document keeps the empty paragraph a QTextDocument holds before it.
INSTANTIATE_TEST_SUITE_P(
    TableProtocol, Writer,
    testing::Values(
        WriterCase{"NextCellInLastCellAppendsARow",
                   [](WordBasic& w) {
                       table(w, 2, 1);
                       w.Insert("a");
                       w.NextCell();
                       w.Insert("b");
                       w.NextCell();
                       w.Insert("c");
                   },
                   {"L10 ", "[0,0] L10 a", "[0,1] L10 b", "[1,0] L10 c", "[1,1] L10 ", "L10 "}},
        WriterCase{"NextCellSelectsTheCellsText",
                   [](WordBasic& w) {
                       table(w, 2, 2);
                       w.Insert("a");
                       w.NextCell();
                       w.Insert("b");
                       w.TableSelectTable();
                       w.NextCell();
                       w.NextCell();
                       w.Insert("B");
                   },
                   {"L10 ", "[0,0] L10 a", "[0,1] L10 B", "[1,0] L10 ", "[1,1] L10 ", "L10 "}},
        WriterCase{"SelectedTableTakesInsertInItsFirstCell",
                   [](WordBasic& w) {
                       table(w, 2, 1);
                       w.NextCell();
                       selectAndRule(w);
                       w.Cancel();
                       w.Insert("first");
                   },
                   {"L10 ", "[0,0] L10 first", "[0,1] L10 ", "L10 "}},
        WriterCase{"OneNextCellPerColumnEndsInTheHeadersLastCell",
                   [](WordBasic& w) {
                       table(w, 3, 2);
                       w.Insert("a");
                       selectAndRule(w);
                       w.NextCell();
                       w.NextCell();
                       w.NextCell();
                       w.Insert("c");
                       w.NextCell();
                       w.Insert("1");
                   },
                   {"L10 ", "[0,0] L10 a", "[0,1] L10 ", "[0,2] L10 c", "[1,0] L10 1", "[1,1] L10 ", "[1,2] L10 ", "L10 "}},
        WriterCase{"LineDownGoesToTheRowBelowThenLeavesTheTable",
                   [](WordBasic& w) {
                       w.Insert("before\r");
                       table(w, 1, 2);
                       w.Insert("a");
                       w.LineDown(1);
                       w.Insert("b");
                       w.LineDown(1);
                       w.Insert("after");
                   },
                   {"L10 before", "[0,0] L10 a", "[1,0] L10 b", "L10 after"}},
        WriterCase{"NextCellGoesOnFromWhereLineDownLeftTheInsertionPoint",
                   [](WordBasic& w) {
                       table(w, 2, 2);
                       w.Insert("a");
                       w.NextCell();
                       w.LineDown(1);
                       w.NextCell();
                       w.Insert("c");
                   },
                   {"L10 ", "[0,0] L10 a", "[0,1] L10 ", "[1,0] L10 ", "[1,1] L10 ", "[2,0] L10 c", "[2,1] L10 ", "L10 "}},
        WriterCase{"LineDownWithinACellMovesAParagraph",
                   [](WordBasic& w) {
                       table(w, 1, 1);
                       w.Insert("a\rb");
                       w.LineUp(1);
                       w.Insert("-");
                       w.LineDown(1);
                       w.LineDown(1);
                       w.Insert("after");
                   },
                   {"L10 ", "[0,0] L10 -a", "[0,0] L10 b", "L10 after"}},
        WriterCase{"LineUpFromAboveGoesBeforeTheTable",
                   [](WordBasic& w) {
                       w.InsertPara();
                       w.InsertPara();
                       w.LineUp(1);
                       table(w, 1, 1);
                       w.LineUp(1);
                       w.Insert("above");
                   },
                   {"L10 above", "[0,0] L10 ", "L10 ", "L10 "}},
        WriterCase{"ATableWithoutRowsGetsOne",
                   [](WordBasic& w) {
                       table(w, 2, 0);
                       w.Insert("L.p.");
                   },
                   {"L10 ", "[0,0] L10 L.p.", "[0,1] L10 ", "L10 "}}),
    [](const auto& test) { return std::string(test.param.name); });

// The risk report's section 1: a bold heading, then its plain memo paragraphs, six times.
void headingsAndMemos(WordBasic& w)
{
    for (const char* heading : {"1.1\r", "1.2\r", "1.3\r"}) {
        w.Bold();
        w.Insert(heading);
        w.Insert("memo\r");
    }
}

INSTANTIATE_TEST_SUITE_P(
    TextStyle, Writer,
    testing::Values(
        WriterCase{"BoldSwitchesOnUntilTheParagraphEnds", headingsAndMemos,
                   {"L10 *1.1*", "L10 memo", "L10 *1.2*", "L10 memo", "L10 *1.3*", "L10 memo", "L10 "}},
        WriterCase{"BoldTwiceStaysBold",
                   [](WordBasic& w) {
                       w.Bold();
                       w.Insert("a");
                       w.Bold();
                       w.Insert("b");
                   },
                   {"L10 *ab*"}},
        WriterCase{"StyleEndsWhenTheInsertionPointChangesCell",
                   [](WordBasic& w) {
                       table(w, 2, 1);
                       w.Italic();
                       w.Insert("a");
                       w.NextCell();
                       w.Insert("b");
                       w.Bold();
                       w.Italic();
                       w.Insert("c");
                       w.LineDown(1);
                       w.Insert("d");
                   },
                   {"L10 ", "[0,0] L10 _a_", "[0,1] L10 b*_c_*", "L10 d"}},
        WriterCase{"SizeAndAlignmentCarryIntoNewParagraphsAndCells",
                   [](WordBasic& w) {
                       w.FontSize(11);
                       w.CenterPara();
                       w.Insert("a\r");
                       table(w, 2, 1);
                       w.Insert("1");
                       w.NextCell();
                       w.LeftPara();
                       w.FontSize(12);
                       w.Insert("text");
                       w.NextCell();
                       w.Insert("2");
                       w.LineDown(1);
                       w.JustifyPara();
                       w.InsertPara();
                   },
                   {"C11 a", "[0,0] C11 1", "[0,1] L12 text", "[1,0] C12 2", "[1,1] C11 ", "J12 ", "J12 "}}),
    [](const auto& test) { return std::string(test.param.name); });

QTextTable* onlyTable(DocumentWriter& writer)
{
    const QList<QTextFrame*> frames = writer.document().rootFrame()->childFrames();
    return frames.size() == 1 ? qobject_cast<QTextTable*>(frames.first()) : nullptr;
}

TEST(Writer, ColumnWidthsAreCentimetresAndRulingDrawsEveryCell)
{
    DocumentWriter writer;
    table(writer, 2, 1);
    writer.TableColumnWidth("1,8 cm", "0,25 cm");
    writer.NextCell();
    writer.TableColumnWidth("14,4 cm", "0,25 cm");
    QTextTable* t = onlyTable(writer);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->format().border(), 0) << "a table is drawn without lines until it is ruled";

    selectAndRule(writer);
    const QTextTableFormat format = t->format();
    ASSERT_EQ(format.columnWidthConstraints().size(), 2);
    EXPECT_NEAR(report_page::cmFromPixels(format.columnWidthConstraints()[0].rawValue()), 1.8, 1e-9);
    EXPECT_NEAR(report_page::cmFromPixels(format.columnWidthConstraints()[1].rawValue()), 14.4, 1e-9);
    EXPECT_TRUE(format.borderCollapse()) << "collapsed borders draw the lines between all cells";
    EXPECT_EQ(format.border(), 2.0) << "a 1,5 pt frame";
    EXPECT_EQ(format.intProperty(report_page::OuterLineProperty), 2);
    EXPECT_EQ(format.intProperty(report_page::InnerLineProperty), 1);
}

TEST(Writer, RefusesTableCommandsOutsideATableAndBadWidths)
{
    const std::function<void(WordBasic&)> refused[] = {
        [](WordBasic& w) { w.NextCell(); },
        [](WordBasic& w) { w.TableSelectTable(); },
        [](WordBasic& w) { w.TableColumnWidth("2 cm", "0,25 cm"); },
        [](WordBasic& w) { w.FormatBordersAndShading(RuledTableBorders); },
        [](WordBasic& w) { table(w, 1, 1); w.TableColumnWidth("dwa cm", "0,25 cm"); },
        [](WordBasic& w) { table(w, 1, 1); w.TableColumnWidth("2", "0,25 cm"); },
    };
    for (const auto& commands : refused) {
        DocumentWriter writer;
        EXPECT_THROW(commands(writer), AppError);
    }
}

// The report's own sequence, played on the writer: n rows give a table of n + 1 rows, and
// none gives the header row over one empty row. A long table (its rows are appended in
// several batches) keeps every row in place and the alignment given to its last cell.
TEST(Writer, ChecklistTablesHoldTheHeaderAndOneRowPerEntry)
{
    for (int rows : {0, 1, 3, 10, 40}) {
        AssessmentSnapshot document;
        for (int r = 0; r < rows; ++r) {
            document.checklist.append({QStringLiteral("pytanie"), QStringLiteral("działanie")});
            document.hazards.append({QStringLiteral("hałas"), QStringLiteral("maszyna"), QStringLiteral("głuchota")});
        }
        DocumentWriter writer;
        BuildChecklistReport(writer, document, ChecklistVariant::Project);
        const QList<QTextFrame*> frames = writer.document().rootFrame()->childFrames();
        ASSERT_EQ(frames.size(), 2);
        for (QTextFrame* frame : frames) {
            auto* t = qobject_cast<QTextTable*>(frame);
            EXPECT_EQ(t->rows(), std::max(rows, 1) + 1) << rows << " rows";
            EXPECT_EQ(t->columns(), 4);
            for (int r = 1; r <= rows; ++r)
                EXPECT_EQ(t->cellAt(r, 0).firstCursorPosition().block().text(), QString::number(r));
            if (rows > 0) {
                EXPECT_EQ(t->cellAt(rows, 3).firstCursorPosition().blockFormat().alignment(), Qt::AlignJustify)
                    << rows << " rows";
            }
        }
    }
}

} // namespace
