// The register of assessments as real readers see its files: the .xlsx through
// python3-openpyxl (number and date cells, the red rule of a passed review) and the .pdf
// through pdftotext.

#include "report/register_export.h"
#include "support/real_reader.h"
#include "support/temp_folder.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

const char ReadRegister[] = R"(
import openpyxl, json, sys
ws = openpyxl.load_workbook(sys.argv[1]).active
print(json.dumps({'title': ws.title, 'header': [c.value for c in ws[1]], 'freeze': ws.freeze_panes,
                  'filter': ws.auto_filter.ref,
                  'rules': [' '.join(x.formula[0] for x in r.rules) for r in ws.conditional_formatting],
                  'cells': {c.coordinate: '%s|%s' % (type(c.value).__name__, c.value)
                            for row in ws.iter_rows(min_row=2) for c in row if c.value is not None}}))
)";

QList<RegisterEntry> entries()
{
    RegisterEntry welder;
    welder.path = QStringLiteral("/oceny/spawacz.ron");
    welder.workstation = QStringLiteral("Spawacz");
    welder.method = RiskMethod::PHA;
    welder.hazards = 3;
    welder.rated = 2;
    welder.levels = {0, 0, 1, 0, 1};
    welder.unacceptable = 1;
    welder.overdue = 2;
    welder.review = QDate(2026, 12, 1);
    RegisterEntry broken;
    broken.path = QStringLiteral("/oceny/zla.ron");
    broken.failure = QStringLiteral("to nie jest plik oceny ryzyka");
    return {welder, broken};
}

} // namespace

TEST(RegisterExport, RealReadersFindTheRowsTheirNumbersDatesAndTheReviewRule)
{
    TempFolder folder;
    const QString sheet = folder.path(QStringLiteral("rejestr.xlsx"));
    writeRegister(entries(), sheet, QDate(2026, 12, 7));
    const QJsonObject found = QJsonDocument::fromJson(readWithPython(ReadRegister, sheet)).object();
    EXPECT_EQ(found["title"].toString(), QStringLiteral("Rejestr ocen ryzyka"));
    EXPECT_EQ(found["header"].toVariant().toStringList(), registerCaptions());
    EXPECT_EQ(found["freeze"].toString(), QStringLiteral("A2"));
    EXPECT_EQ(found["filter"].toString(), QStringLiteral("A1:S3"));
    EXPECT_EQ(found["rules"].toVariant().toStringList(), QStringList{QStringLiteral("AND($R2<>\"\",$R2<TODAY())")});
    const QJsonObject cells = found["cells"].toObject();
    const std::pair<const char*, const char*> expected[] = {
        {"A2", "str|Spawacz"}, {"F2", "str|PHA"}, {"G2", "str|2 / 3"}, {"J2", "int|1"}, {"K2", "int|0"}, {"L2", "int|1"},
        {"P2", "int|2"}, {"Q2", "int|0"}, {"R2", "datetime|2026-12-01 00:00:00"},
        {"A3", "str|Nie można odczytać pliku: to nie jest plik oceny ryzyka"}, {"S3", "str|/oceny/zla.ron"},
    };
    for (const auto& [cell, value] : expected)
        EXPECT_EQ(cells[cell].toString(), QString::fromUtf8(value)) << cell;
    EXPECT_FALSE(cells.contains("B3")) << "a file that could not be read fills no other column";

    const QString pdf = folder.path(QStringLiteral("rejestr.pdf"));
    writeRegister(entries(), pdf, QDate(2026, 12, 7));
    const QString text = pdfText(pdf);
    for (const QString& shown : {QStringLiteral("Rejestr ocen ryzyka zawodowego"), QStringLiteral("Stan na 07.12.2026"),
                                 QStringLiteral("Spawacz"), QStringLiteral("zla.ron")})
        EXPECT_TRUE(text.contains(shown)) << shown.toStdString();
}
