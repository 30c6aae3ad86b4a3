// The whole risk report of a small fixed assessment: its recorded command sequence against
// a reviewed expected file (any change of order or text shows), and tables of the .docx of
// it read back by python3-docx.

#include "documents/assessment_window.h"
#include "report/command_recorder.h"
#include "report/document_writer.h"
#include "report/risk_report.h"
#include "support/real_reader.h"
#include "../documents/document_test_support.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A FIVE STEPS assessment of 20 persons with two hazards, three checklist questions and
// memos of one and two paragraphs, as the window reads it from its file.
QString fixedAssessment()
{
    return QStringLiteral("[OPISOC]\r\nJednostka=Wydział mechaniczny\r\nStanowisko=Tokarz\r\nZatrudnienie=20\r\n"
                          "NrKarty=7\r\nDataSp=07.12.2026\r\nSporzodzil=Anna Nowak\r\nUwagi1=Wprowadzić ochronniki.\r\n"
                          "Uwagi2=@NUL@\r\n[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=FIVE STEPS\r\n"
                          "OPISA1=Hala nr 2\r\nOPISA2=przy bramie\r\nOPISA3=@NUL@\r\nOPISC1=Toczenie wałków\r\nOPISC2=@NUL@\r\n"
                          "[ZAGROZENIA]\r\n")
           + tableLines({{"Hałas", "Tokarka", "Głuchota", "Ochronniki słuchu", "2=proste złamania", "5=równa szansa",
                          "2,5=raz dziennie", "R = 200,0 Ryzyko duże - niedopuszczalne"},
                         {"Wióry", "Obróbka", "Rany oczu", "Okulary", "0,5=skaleczenia", "2=możliwe ale niecodziennie",
                          "4=co godzinę", "R = 32,0 Ryzyko średnie - dopuszczalne"}})
           + QStringLiteral("[WARUNKI]\r\n")
           + tableLines({{"Czy osłony są sprawne?", "Naprawić osłonę", "NIE"},
                         {"Czy jest oświetlenie?", "", "TAK"},
                         {"Czy jest instrukcja?", "Wywiesić instrukcję", "NIE"}});
}

class RiskReportGolden : public DocumentWindowTest {
protected:
    AssessmentSnapshot snapshot() { return openAssessment(fixedAssessment())->document().assessmentValue(); }
};

TEST_F(RiskReportGolden, CommandSequenceIsTheReviewedOne)
{
    CommandRecorder word;
    BuildRiskReport(word, snapshot());
    const QString actual = word.commands.join(QLatin1Char('\n')) + QLatin1Char('\n');

    QFile expected(QStringLiteral(GOLDEN_FOLDER "/risk_report.txt"));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    const QString reviewed = QString::fromUtf8(expected.readAll());
    if (actual != reviewed) {
        // For review: the sequence as it now stands, beside the build.
        QFile now(QStringLiteral(SCREENSHOT_FOLDER "/../risk_report.actual.txt"));
        if (now.open(QIODevice::WriteOnly))
            now.write(actual.toUtf8());
    }
    EXPECT_EQ(actual.toStdString(), reviewed.toStdString());
}

// The order of the report is the reviewed sequence above; here python3-docx finds the risk
// card's cells with formula and risk text, and the acknowledgement table.
const char ReadReport[] = R"(
import docx, json, sys
d = docx.Document(sys.argv[1])
print(json.dumps({"tables": [[[c.text for c in r.cells] for r in t.rows] for t in d.tables]}))
)";

TEST_F(RiskReportGolden, RealReaderFindsTheCardAndTheAcknowledgement)
{
    DocumentWriter writer;
    BuildRiskReport(writer, snapshot());
    const QString path = folder.path(QStringLiteral("raport.docx"));
    writer.FileSaveAs(path);

    const QJsonObject found = QJsonDocument::fromJson(readWithPython(ReadReport, path)).object();
    const QJsonArray tables = found[QLatin1String("tables")].toArray();
    ASSERT_EQ(tables.size(), 10);
    const QJsonArray card = tables[4].toArray();
    ASSERT_EQ(card.size(), 3);
    EXPECT_EQ(card[1].toArray()[4].toString(), QStringLiteral("R=2*5*2,5*8\nR = 200,0 Ryzyko duże - niedopuszczalne"));
    EXPECT_EQ(card[2].toArray()[4].toString(), QStringLiteral("R=0,5*2*4*8\nR = 32,0 Ryzyko średnie - dopuszczalne"));
    const QJsonArray acknowledgement = tables[9].toArray();
    ASSERT_EQ(acknowledgement.size(), 4);
    EXPECT_EQ(acknowledgement[0].toArray(), (QJsonArray{"Imię i nazwisko pracownika", "Stanowisko pracy", "Data", "Podpis"}));
}

} // namespace
