// The workers in the reports, read back by the real readers: the full report's acknowledgement
// table names the listed workers, and the statements give each worker a page of their own.

#include "base/app_error.h"
#include "model/document_snapshot.h"
#include "report/document_writer.h"
#include "report/risk_report.h"
#include "report/worker_statements.h"
#include "support/real_reader.h"
#include "support/temp_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

AssessmentSnapshot assessment(const TableRows& workers)
{
    AssessmentSnapshot a;
    a.unit = QStringLiteral("Wydział mechaniczny");
    a.cardWorkstation = QStringLiteral("Tokarz");
    a.cardNumber = QStringLiteral("7");
    a.preparedOnDate = QStringLiteral("07.12.2026");
    a.method = RiskMethod::PHA;
    a.hazards = {{"Hałas", "Tokarka", "Głuchota", "Ochronniki", "2=lekkie", "3=doraźne",
                  "R = 6,0 Ryzyko średnie - dopuszczalne"},
                 {"Wióry", "Obróbka", "Rany oczu", "Okulary", "", "", ""}};
    a.workers = workers;
    return a;
}

const char ReadLastTable[] = R"(
import docx, json, sys
t = docx.Document(sys.argv[1]).tables[-1]
print(json.dumps([[c.text for c in r.cells][:2] for r in t.rows[1:]]))
)";

TEST(WorkerReports, AcknowledgementTableNamesTheListedWorkersThenLeavesLinesForHandwriting)
{
    struct Case {
        const char* name;
        TableRows workers;
        QList<QStringList> rows;   // name and position of each data row of the table
    };
    const QStringList empty{"", ""};
    const Case cases[] = {
        {"no list: three empty lines", {}, {empty, empty, empty}},
        {"a row without a name is no worker",
         {{"Anna Kowalska", "tokarz", "01.12.2026"}, {"", "ślusarz", "", "bez nazwiska"}},
         {{"Anna Kowalska", "tokarz"}, empty, empty}},
        {"more workers than lines",
         {{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", "4"}},
         {{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", "4"}}},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentWriter writer;
        BuildRiskReport(writer, assessment(c.workers));
        const QString path = folder.path(QStringLiteral("raport.docx"));
        writer.FileSaveAs(path);
        QList<QStringList> rows;
        for (const QJsonValue& row : QJsonDocument::fromJson(readWithPython(ReadLastTable, path)).array())
            rows.append(row.toVariant().toStringList());
        EXPECT_EQ(rows, c.rows);
    }
}

const char ReadStatements[] = R"(
import docx, json, sys
d = docx.Document(sys.argv[1])
print(json.dumps({"text": "\n".join(p.text for p in d.paragraphs),
                  "risks": [[r.cells[2].text for r in t.rows[1:]] for t in d.tables if len(t.columns) == 3],
                  "signatures": [[c.paragraphs[-1].text for c in t.rows[0].cells] for t in d.tables if len(t.columns) == 2]}))
)";

TEST(WorkerReports, StatementsGiveEachChosenWorkerAPageWithTheCardAndTheRisks)
{
    const TableRows workers{{"Anna Kowalska", "tokarz", "01.12.2026"}, {"", "bez nazwiska"}, {"Jan Nowak", "brygadzista"}};
    struct Case {
        const char* name;
        int worker;
        QStringList pages;   // the name on each page
    };
    const Case cases[] = {
        {"every listed worker", -1, {"Anna Kowalska", "Jan Nowak"}},
        {"one chosen worker", 1, {"Jan Nowak"}},
    };
    const QString statement = QStringLiteral("Oświadczam, że zostałem(-am) zapoznany(-a) z oceną ryzyka zawodowego na "
                                             "stanowisku Tokarz");
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentWriter pdf;
        BuildWorkerStatements(pdf, assessment(workers), c.worker);
        const QString pdfPath = folder.path(QStringLiteral("oswiadczenia.pdf"));
        pdf.FileSaveAs(pdfPath);
        QStringList pages = pdfText(pdfPath).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        ASSERT_EQ(pages.size(), c.pages.size());
        for (int i = 0; i < pages.size(); ++i) {
            const QString page = pages[i].simplified();
            EXPECT_TRUE(page.contains(QStringLiteral("Imię i nazwisko: ") + c.pages[i])) << page.toStdString();
            EXPECT_TRUE(page.contains(statement.simplified())) << page.toStdString();
            EXPECT_TRUE(page.contains(QStringLiteral("nr 7 z dnia 07.12.2026"))) << page.toStdString();
            EXPECT_TRUE(page.contains(QStringLiteral("podpis pracownika")));
        }

        DocumentWriter docx;
        BuildWorkerStatements(docx, assessment(workers), c.worker);
        const QString docxPath = folder.path(QStringLiteral("oswiadczenia.docx"));
        docx.FileSaveAs(docxPath);
        const QJsonObject read = QJsonDocument::fromJson(readWithPython(ReadStatements, docxPath)).object();
        const QString text = read[QLatin1String("text")].toString();
        EXPECT_EQ(text.count(QStringLiteral("OŚWIADCZENIE PRACOWNIKA")), c.pages.size());
        for (const QString& name : c.pages)
            EXPECT_TRUE(text.contains(QStringLiteral("Imię i nazwisko: ") + name));
        const QJsonArray risks = read[QLatin1String("risks")].toArray();
        ASSERT_EQ(risks.size(), c.pages.size());
        EXPECT_EQ(risks[0].toVariant().toStringList(),
                  (QStringList{"R = 6,0 Ryzyko średnie - dopuszczalne", "nie oceniono"}));
        // Each caption stands in the cell of its own line.
        for (const QJsonValue& signature : read[QLatin1String("signatures")].toArray())
            EXPECT_EQ(signature.toVariant().toStringList(), (QStringList{"data", "podpis pracownika"}));
        EXPECT_EQ(read[QLatin1String("signatures")].toArray().size(), c.pages.size());
    }
}

TEST(WorkerReports, StatementsOfNoListedWorkerAreRefused)
{
    for (const int worker : {-1, 0}) {
        DocumentWriter writer;
        EXPECT_THROW(BuildWorkerStatements(writer, assessment({{"", "bez nazwiska"}}), worker), AppError);
    }
}

} // namespace
