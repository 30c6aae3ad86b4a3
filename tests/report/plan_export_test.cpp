// The action plan's exports read back by real readers: the .xlsx by python3-openpyxl (the
// bold frozen header, the autofilter, date and number cells with their formats, the
// conditional format that paints overdue rows, columns as wide as their texts), the .csv
// byte for byte, the files that cannot be written, and the report's plan appendix by
// python3-docx (its page, the measures by date, the risk before and after).

#include "base/app_error.h"
#include "model/document_snapshot.h"
#include "report/document_writer.h"
#include "report/plan_appendix.h"
#include "report/plan_spreadsheet.h"
#include "report/risk_report.h"
#include "support/real_reader.h"
#include "support/temp_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace {

// A measure of hazard row `row`: hazard, measure, kind, responsible, due date, cost, status,
// done, remarks.
QStringList measure(const QString& row, const QStringList& cells)
{
    return QStringList{row} + cells;
}

AssessmentSnapshot assessment(const QString& card, const QString& project)
{
    AssessmentSnapshot a;
    a.method = RiskMethod::PHA;
    a.cardWorkstation = card;
    a.workstation = project;
    a.hazards = {{"Hałas", "Tokarka", "Głuchota", "Ochronniki", "3=duże", "2=średnie", "R = 6,0 Ryzyko średnie"},
                 {"Wióry", "Tokarka", "Rany", "Osłona", "2=średnie", "2=średnie", "R = 4,0 Ryzyko małe"}};
    a.plan = {measure("1", {"Hałas", "Ochronniki słuchu dla wszystkich", "środki ochrony indywidualnej", "Jan Kowalski",
                            "01.02.2020", "1234,5", "planowane", "", ""}),
              measure("0", {"Pył", "Odciąg", "techniczne", "Ewa", "", "", "wykonane", "03.03.2021", "zrobione"}),
              measure("2", {"Wióry", "Osłona", "techniczne", "Ewa", "15.01.2020", "abc", "w realizacji", "", ""})};
    a.residual = {{"2", "Wióry", "1=małe", "1=małe", "", "R = 1,0 Ryzyko bardzo małe"},
                  {"1", "Hałas", "2=średnie", "1=małe", "", "R = 2,0 Ryzyko małe"}};
    return a;
}

// The sheet as openpyxl reads it: the header texts and whether each is bold, the frozen
// cell, the filter's range, the conditional formats as "range formula", each data cell as
// "type|value|number format", and the columns narrower than their longest text.
const char ReadSheet[] = R"(
import openpyxl, json, sys
ws = openpyxl.load_workbook(sys.argv[1]).active
header = [c.value for c in ws[1]]
bold = all(c.font.b for c in ws[1])
rules = [str(r.sqref) + ' ' + ' '.join(x.formula[0] for x in r.rules) for r in ws.conditional_formatting]
cells = {c.coordinate: '%s|%s|%s' % (type(c.value).__name__, c.value, c.number_format)
         for row in ws.iter_rows(min_row=2) for c in row if c.value is not None}
def shown(v):
    return v.strftime('%d.%m.%Y') if hasattr(v, 'strftime') else str(v or '')
narrow = [col[0].column_letter for col in ws.columns
          if ws.column_dimensions[col[0].column_letter].width < min(57, max(len(shown(c.value)) for c in col))]
print(json.dumps({'header': header, 'bold': bold, 'freeze': ws.freeze_panes, 'filter': ws.auto_filter.ref,
                  'rules': rules, 'cells': cells, 'narrow': narrow}))
)";

struct SheetCase {
    const char* name;
    QList<AssessmentSnapshot> assessments;
    const char* firstHeader;
    const char* filter;
    const char* rules;   // as JSON
    std::map<std::string, std::string> cells;   // some data cells as ReadSheet gives them
};

std::string json(const QJsonValue& value)
{
    return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact).toStdString();
}

class PlanSheet : public testing::TestWithParam<SheetCase> {};

TEST_P(PlanSheet, OpenpyxlFindsFormatsDatesNumbersAndTheOverdueRule)
{
    const SheetCase& c = GetParam();
    TempFolder folder;
    const QString path = folder.path(QStringLiteral("plan.xlsx"));
    WritePlanSpreadsheet(c.assessments, path);

    const QJsonObject found = QJsonDocument::fromJson(readWithPython(ReadSheet, path)).object();

    EXPECT_EQ(found["header"].toArray().first().toString().toStdString(), c.firstHeader);
    EXPECT_EQ(found["header"].toArray().last().toString(), QStringLiteral("Ryzyko po działaniach"));
    EXPECT_TRUE(found["bold"].toBool());
    EXPECT_EQ(found["freeze"].toString(), QStringLiteral("A2"));
    EXPECT_EQ(found["filter"].toString().toStdString(), c.filter);
    EXPECT_EQ(json(found["rules"]), c.rules);
    const QJsonObject cells = found["cells"].toObject();
    for (const auto& [cell, expected] : c.cells)
        EXPECT_EQ(cells[QString::fromStdString(cell)].toString().toStdString(), expected) << cell;
    EXPECT_EQ(json(found["narrow"]), "[]");
}

INSTANTIATE_TEST_SUITE_P(
    Report, PlanSheet,
    testing::Values(
        SheetCase{"OneAssessment",
                  {assessment("Tokarz", "")},
                  "Zagrożenie",
                  "A1:J4",
                  R"x(["A2:J4 AND($E2<>\"\",$E2<TODAY(),OR($G2=\"planowane\",$G2=\"w realizacji\"))"])x",
                  {{"A2", "str|Hałas|General"},
                   {"E2", "datetime|2020-02-01 00:00:00|dd.mm.yyyy"},
                   {"F2", "float|1234.5|#,##0.00"},
                   {"J2", "str|R = 2,0 Ryzyko małe|General"},
                   {"A3", "str|(zagrożenie usunięte)|General"},
                   {"H3", "datetime|2021-03-03 00:00:00|dd.mm.yyyy"},
                   {"F4", "str|abc|General"},
                   {"J4", "str|R = 1,0 Ryzyko bardzo małe|General"}}},
        SheetCase{"TwoAssessmentsNameTheirWorkstations",
                  {assessment("Tokarz", "Projekt"), assessment("", "Spawacz")},
                  "Stanowisko",
                  "A1:K7",
                  R"x(["A2:K7 AND($F2<>\"\",$F2<TODAY(),OR($H2=\"planowane\",$H2=\"w realizacji\"))"])x",
                  {{"A2", "str|Tokarz|General"}, {"A7", "str|Spawacz|General"}, {"F7", "datetime|2020-01-15 00:00:00|dd.mm.yyyy"}}},
        SheetCase{"EmptyPlan", {AssessmentSnapshot{}}, "Zagrożenie", "A1:J1", "[]", {}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PlanCsv, BytesAreUtf8WithBomSemicolonsAndQuotesWhereNeeded)
{
    const char header[] = "\xEF\xBB\xBFZagrożenie;Działanie;Rodzaj;Odpowiedzialny;Termin;Koszt [zł];Status;"
                          "Data wykonania;Uwagi;Ryzyko po działaniach\r\n";
    struct {
        QStringList remarks;   // the measure's remarks
        const char* line;
    } const cases[] = {
        {{"zwykły tekst"}, "Hałas;Osłona;techniczne;Jan;01.02.2020;12,50;planowane;;zwykły tekst;R = 2\r\n"},
        {{"a;b"}, "Hałas;Osłona;techniczne;Jan;01.02.2020;12,50;planowane;;\"a;b\";R = 2\r\n"},
        {{"cal \"x\""}, "Hałas;Osłona;techniczne;Jan;01.02.2020;12,50;planowane;;\"cal \"\"x\"\"\";R = 2\r\n"},
        {{"dwie\nlinie"}, "Hałas;Osłona;techniczne;Jan;01.02.2020;12,50;planowane;;\"dwie\nlinie\";R = 2\r\n"},
    };
    for (const auto& c : cases) {
        AssessmentSnapshot a;
        a.plan = {measure("1", {"Hałas", "Osłona", "techniczne", "Jan", "01.02.2020", "12,50", "planowane", ""})
                  + c.remarks};
        a.residual = {{"1", "Hałas", "", "", "", "R = 2"}};
        TempFolder folder;
        WritePlanSpreadsheet({a}, folder.path(QStringLiteral("plan.csv")));
        EXPECT_EQ(folder.read(QStringLiteral("plan.csv")).toStdString(), std::string(header) + c.line);
    }
}

TEST(PlanSpreadsheetErrors, FileThatCannotBeWrittenIsNamedAndAnExistingOneKept)
{
    struct {
        const char* name;
        const char* message;
    } const cases[] = {
        {"brak/plan.xlsx", "nie udało się utworzyć pliku"},
        {"brak/plan.csv", "Nie można zapisać arkusza"},
        {"plan.txt", "wybierz .xlsx albo .csv"},
        {"zajęty.xlsx/plan.xlsx", "Nie można zapisać arkusza"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        folder.write(QStringLiteral("zajęty.xlsx"), "stary");
        const QString path = folder.path(QString::fromUtf8(c.name));
        try {
            WritePlanSpreadsheet({assessment("Tokarz", "")}, path);
            ADD_FAILURE() << c.name << " was written";
        } catch (const AppError& error) {
            EXPECT_TRUE(error.text().contains(QString::fromUtf8(c.message))) << error.text().toStdString();
            EXPECT_TRUE(error.text().contains(QString::fromUtf8(c.name))) << error.text().toStdString();
        }
        EXPECT_EQ(folder.read(QStringLiteral("zajęty.xlsx")), QByteArray("stary"));
        EXPECT_EQ(QDir(folder.root()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("zajęty.xlsx")});
    }
}

// The report's last two tables, each row with its cells joined by "|", and the paragraphs
// that start a page.
const char ReadAppendix[] = R"(
import docx, json, sys
d = docx.Document(sys.argv[1])
tables = [['|'.join(c.text for c in r.cells) for r in t.rows] for t in d.tables[-2:]]
breaks = [p.text for p in d.paragraphs if p._p.xpath('./w:pPr/w:pageBreakBefore')]
print(json.dumps({'tables': tables, 'breaks': breaks}))
)";

TEST(PlanAppendix, Python3DocxFindsMeasuresByDateAndTheRiskBeforeAndAfter)
{
    const AssessmentSnapshot a = assessment("Tokarz", "");
    DocumentWriter writer;
    BuildRiskReport(writer, a);
    WritePlanAppendix(writer, a);
    TempFolder folder;
    const QString path = folder.path(QStringLiteral("raport.docx"));
    writer.FileSaveAs(path);

    const QJsonObject found = QJsonDocument::fromJson(readWithPython(ReadAppendix, path)).object();

    EXPECT_EQ(found["breaks"].toArray(), QJsonArray{"PLAN DZIAŁAŃ KORYGUJĄCYCH I ZAPOBIEGAWCZYCH"});
    const QJsonArray tables = found["tables"].toArray();
    ASSERT_EQ(tables.size(), 2);
    EXPECT_EQ(tables[0].toArray(),
              (QJsonArray{"Lp.|Zagrożenie|Działanie|Rodzaj|Odpowiedzialny|Termin|Status",
                          "1|Wióry|Osłona|techniczne|Ewa|15.01.2020|w realizacji",
                          "2|Hałas|Ochronniki słuchu dla wszystkich|środki ochrony indywidualnej|Jan Kowalski|"
                          "01.02.2020|planowane",
                          "3|(zagrożenie usunięte)|Odciąg|techniczne|Ewa||wykonane"}));
    EXPECT_EQ(tables[1].toArray(), (QJsonArray{"Nr|Zagrożenie|Ryzyko obecne|Ryzyko po działaniach",
                                               "1|Hałas|R = 6,0 Ryzyko średnie|R = 2,0 Ryzyko małe",
                                               "2|Wióry|R = 4,0 Ryzyko małe|R = 1,0 Ryzyko bardzo małe"}));
}

} // namespace
