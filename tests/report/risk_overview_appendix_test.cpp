// The risk overview appendix of the risk report, saved as .docx and read back by
// python3-docx: the page break it starts with, the counts per level (after the measures too
// when there are residual ratings, with the line saying how the others count), the shaded
// S x P grid with the numbers in its cells, and the unacceptable hazards, most severe first.

#include "model/document_snapshot.h"
#include "model/risk_overview.h"
#include "report/document_writer.h"
#include "report/risk_overview_appendix.h"
#include "report/risk_report.h"
#include "support/real_reader.h"
#include "support/temp_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Every table as rows of cells, a cell as its text (lines joined by a blank) followed by its
// fill when it is shaded; and the paragraphs that start a new page.
const char ReadAppendix[] = R"(
import docx, json, sys
d = docx.Document(sys.argv[1])
def cell(c):
    return ' '.join([c.text.replace('\n', ' ')] + c._tc.xpath('./w:tcPr/w:shd/@w:fill'))
tables = [[[cell(c) for c in r.cells] for r in t.rows] for t in d.tables]
breaks = [p.text for p in d.paragraphs if p._p.xpath('./w:pPr/w:pageBreakBefore')]
texts = [p.text for p in d.paragraphs]
print(json.dumps({"tables": tables, "breaks": breaks, "texts": texts}))
)";

constexpr int ReportTables = 10;   // the tables of the report before the appendix

// Hazard `name` with its source, preventive actions and ratings from column 4 on.
QStringList hazard(const QString& name, const QStringList& ratings)
{
    return QStringList{name, QStringLiteral("źródło ") + name, QStringLiteral("skutek"), QStringLiteral("działania ") + name}
           + ratings + QStringList{QString()};
}

using Lines = std::vector<std::string>;

struct AppendixCase {
    const char* name;
    RiskMethod method;
    TableRows hazards;
    Lines counts;          // levels 1 to 5, then not rated
    Lines grid;            // rows S of the grid, highest first: S, then "count poziom level fill" per P
    Lines unacceptable;    // number, hazard, source, risk, actions
    TableRows residual = {};
    Lines countsAfter = {}; // the column after the measures; none without residual ratings
};

class RiskOverviewAppendix : public testing::TestWithParam<AppendixCase> {};

// The rows of a table below its header, each with its cells joined by "|", or the cells of
// one column only.
Lines rows(const QJsonValue& table, int column = -1)
{
    Lines lines;
    const QJsonArray all = table.toArray();
    for (auto row = all.begin() + 1; row < all.end(); ++row) {
        QStringList cells;
        for (const QJsonValue& cell : row->toArray())
            cells.append(cell.toString());
        lines.push_back((column < 0 ? cells.join(QLatin1Char('|')) : cells.value(column)).toStdString());
    }
    return lines;
}

TEST_P(RiskOverviewAppendix, RealReaderFindsCountsShadedGridAndUnacceptableHazards)
{
    const AppendixCase& c = GetParam();
    AssessmentSnapshot assessment;
    assessment.method = c.method;
    assessment.hazards = c.hazards;
    assessment.residual = c.residual;
    DocumentWriter writer;
    BuildRiskReport(writer, assessment);
    WriteRiskOverviewAppendix(writer, assessment);
    TempFolder folder;
    const QString path = folder.path(QStringLiteral("raport.docx"));
    writer.FileSaveAs(path);

    const QJsonObject found = QJsonDocument::fromJson(readWithPython(ReadAppendix, path)).object();

    EXPECT_EQ(found[QLatin1String("breaks")].toArray(), QJsonArray{"ZAŁĄCZNIK: PODSUMOWANIE RYZYKA"});
    const QJsonArray tables = found[QLatin1String("tables")].toArray();
    ASSERT_EQ(tables.size(), ReportTables + (c.grid.empty() ? 2 : 3));
    EXPECT_EQ(rows(tables[ReportTables], 2), c.counts);
    EXPECT_EQ(rows(tables[ReportTables], 3), c.countsAfter.empty() ? Lines(c.counts.size()) : c.countsAfter);
    EXPECT_EQ(found[QLatin1String("texts")].toArray().contains(residualCountsNote()), !c.countsAfter.empty());
    if (!c.grid.empty()) {
        EXPECT_EQ(rows(tables[ReportTables + 1]), c.grid);
    }
    EXPECT_EQ(rows(tables.last()), c.unacceptable);
}

INSTANTIATE_TEST_SUITE_P(
    Report, RiskOverviewAppendix,
    testing::Values(
        AppendixCase{"Matrix",
                     RiskMethod::Matrycowa,
                     {hazard("A", {"3=duże", "3=wysoce"}), hazard("B", {"2=średnie", "2=prawdopodobne"}),
                      hazard("C", {"1=małe", "3=wysoce"}), hazard("D", {"3=duże", "2=prawdopodobne"}),
                      hazard("E", {"2=średnie", "1=mało"}), hazard("F", {"", ""})},
                     {"0", "1", "2", "1", "1", "1"},
                     {"3|0 poziom 3 FFD54F|1 poziom 4 FB8C2B|1 poziom 5 E53935",
                      "2|1 poziom 2 B2D74C|1 poziom 3 FFD54F|0 poziom 4 FB8C2B",
                      "1|0 poziom 1 43A047|0 poziom 2 B2D74C|1 poziom 3 FFD54F"},
                     {"1|A|źródło A|R = 9,0 Ryzyko bardzo duże - niedopuszczalne|działania A",
                      "4|D|źródło D|R = 6,0 Ryzyko duże - niedopuszczalne|działania D"}},
        AppendixCase{"RiskScoreHasNoGrid",
                     RiskMethod::RiskScore,
                     {hazard("A", {"1=a", "1=b", "1=c"}), hazard("B", {"40=a", "6=b", "3=c"})},
                     {"1", "0", "0", "0", "1", "0"},
                     {},
                     {"2|B|źródło B|R = 720,0 Ryzyko bardzo duże - niedopuszczalne|działania B"}},
        // B from 5 to 2, A stays at 1 without a rating after the measures.
        AppendixCase{"RiskScoreAfterTheMeasures",
                     RiskMethod::RiskScore,
                     {hazard("A", {"1=a", "1=b", "1=c"}), hazard("B", {"40=a", "6=b", "3=c"})},
                     {"1", "0", "0", "0", "1", "0"},
                     {},
                     {"2|B|źródło B|R = 720,0 Ryzyko bardzo duże - niedopuszczalne|działania B"},
                     {{"2", "B", "7=a", "1=b", "3=c", ""}},
                     {"1", "1", "0", "0", "0", ""}}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
