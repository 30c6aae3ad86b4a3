// The saved report files, read back by real readers: python3-docx for .docx, pdftotext for
// .pdf; and the failures that must leave no file behind.

#include "base/app_error.h"
#include "model/document_snapshot.h"
#include "report/checklist_report.h"
#include "report/document_writer.h"
#include "support/real_reader.h"
#include "support/temp_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

void writeChecklistReport(DocumentWriter& writer, ChecklistVariant variant)
{
    AssessmentSnapshot document;
    document.cardWorkstation = QStringLiteral("Tokarz");
    document.unit = QStringLiteral("Wydział mechaniczny");
    document.preparedOnDate = QStringLiteral("07.12.2026");
    document.checklist = {{QStringLiteral("Czy źródła światła są sprawne?"), QStringLiteral("Wymienić żarówki"),
                           QStringLiteral("NIE")},
                          {QStringLiteral("Czy gaśnica jest dostępna?"), QString(), QStringLiteral("TAK")}};
    document.hazards = {{QStringLiteral("Porażenie prądem"), QStringLiteral("Instalacja elektryczna"),
                         QStringLiteral("Śmierć, oparzenia")}};
    BuildChecklistReport(writer, document, variant);
}

// What python3-docx finds: every table's column widths (cm), cell texts and the rows marked
// to repeat on every page, the first paragraphs of text with the boldness of their runs and
// their style, and the footer's text with its fields.
const char ReadDocx[] = R"(
import docx, json, sys
from docx.oxml.ns import qn
d = docx.Document(sys.argv[1])
tables = [{"widths": [round(c.width.cm, 2) for c in t.columns],
           "rows": [[c.text for c in r.cells] for r in t.rows],
           "repeated": [bool(r._tr.xpath("./w:trPr/w:tblHeader")) for r in t.rows]} for t in d.tables]
first = [{"text": p.text, "bold": [r.bold for r in p.runs], "size": [r.font.size.pt for r in p.runs],
          "centred": p.alignment == 1, "style": p.style.name} for p in d.paragraphs if p.text][:2]
footer = d.sections[0].footer
fields = [f.get(qn("w:instr")).strip() for f in footer._element.xpath(".//w:fldSimple")]
print(json.dumps({"tables": tables, "paragraphs": first,
                  "footer": {"text": "".join(t.text for t in footer._element.iter(qn("w:t"))), "fields": fields}}))
)";

// What `script` prints of an assessment's checklist report saved as `name`.
QJsonObject readSavedChecklist(const QString& name, const char* script)
{
    TempFolder folder;
    const QString path = folder.path(name);
    DocumentWriter writer;
    writeChecklistReport(writer, ChecklistVariant::Assessment);
    writer.FileSaveAs(path);
    return QJsonDocument::fromJson(readWithPython(script, path)).object();
}

QJsonArray jsonRow(std::initializer_list<const char*> cells)
{
    QJsonArray row;
    for (const char* cell : cells)
        row.append(QString::fromUtf8(cell));
    return row;
}

// An assessment's checklist report: the card over the checklist with its answers, title rows
// repeated, headings in the heading style, "Strona X z Y" in the footer.
TEST(DocxExport, RealReaderFindsTablesWidthsPolishTextAndBoldTitle)
{
    const QJsonObject found = readSavedChecklist(QStringLiteral("lista ąę.docx"), ReadDocx);
    const QJsonArray tables = found[QLatin1String("tables")].toArray();
    ASSERT_EQ(tables.size(), 3);
    EXPECT_EQ(tables[0].toObject()[QLatin1String("rows")].toArray(),
              QJsonArray{jsonRow({"Tokarz\nstanowisko pracy", "Wydział mechaniczny\njednostka organizacyjna",
                                  "07.12.2026\ndata sporządzenia"})});
    EXPECT_EQ(tables[1].toObject()[QLatin1String("widths")].toArray(), (QJsonArray{1.8, 6.2, 6.5, 2.0}));
    EXPECT_EQ(tables[1].toObject()[QLatin1String("rows")].toArray(),
              (QJsonArray{jsonRow({"L.p.", "Pytania kontrolne do oceny warunków bhp", "Działania naprawcze", "TAK/NIE"}),
                          jsonRow({"1", "Czy źródła światła są sprawne?", "Wymienić żarówki", "NIE"}),
                          jsonRow({"2", "Czy gaśnica jest dostępna?", "", "TAK"})}));
    EXPECT_EQ(tables[2].toObject()[QLatin1String("widths")].toArray(), (QJsonArray{1.6, 4.9, 4.9, 4.9}));
    EXPECT_EQ(tables[2].toObject()[QLatin1String("rows")].toArray(),
              (QJsonArray{jsonRow({"L.p.", "Zagrożenia zawodowe", "Źródło zagrożenia", "Możliwe skutki"}),
                          jsonRow({"1", "Porażenie prądem", "Instalacja elektryczna", "Śmierć, oparzenia"})}));
    const QJsonArray repeated[] = {{false}, {true, false, false}, {true, false}};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(tables[i].toObject()[QLatin1String("repeated")].toArray(), repeated[i]) << "table " << i;
    EXPECT_EQ(found[QLatin1String("footer")].toObject(),
              (QJsonObject{{"text", "Strona 1 z 1"}, {"fields", QJsonArray{"PAGE", "NUMPAGES"}}}));

    const QJsonObject title = found[QLatin1String("paragraphs")].toArray().first().toObject();
    EXPECT_EQ(title[QLatin1String("text")].toString(), QStringLiteral("LISTA KONTROLNA"));
    EXPECT_EQ(title[QLatin1String("bold")].toArray(), QJsonArray{true});
    EXPECT_EQ(title[QLatin1String("size")].toArray(), QJsonArray{12.0});
    EXPECT_TRUE(title[QLatin1String("centred")].toBool());
    EXPECT_EQ(title[QLatin1String("style")].toString(), QStringLiteral("Heading 1"));
}

// What Python's zip and XML readers find in an .odt: the first file of the package and how
// it is stored, the headings with their outline levels, the cells of the first table, the
// title rows of every table and the footer's text with its fields.
const char ReadOdt[] = R"(
import json, sys, zipfile
import xml.etree.ElementTree as ET
T = "{urn:oasis:names:tc:opendocument:xmlns:text:1.0}"
TB = "{urn:oasis:names:tc:opendocument:xmlns:table:1.0}"
z = zipfile.ZipFile(sys.argv[1])
content = ET.fromstring(z.read("content.xml"))
footer = next(ET.fromstring(z.read("styles.xml")).iter("{urn:oasis:names:tc:opendocument:xmlns:style:1.0}footer"))
print(json.dumps({"first": [z.infolist()[0].filename, z.infolist()[0].compress_type],
                  "headings": [[h.get(T + "outline-level"), "".join(h.itertext())] for h in content.iter(T + "h")],
                  "card": ["\n".join("".join(p.itertext()) for p in c.iter(T + "p"))
                           for c in next(content.iter(TB + "table")).iter(TB + "table-cell")],
                  "titleRows": [len(t.findall(TB + "table-header-rows/" + TB + "table-row")) for t in content.iter(TB + "table")],
                  "footer": "".join(footer.itertext()),
                  "fields": [e.tag[len(T):] for e in footer.iter() if e.tag in (T + "page-number", T + "page-count")]}))
)";

// The same report as .odt: the outline, the cells of two paragraphs, the repeated title rows
// and the numbered pages that the .docx has.
TEST(OdtExport, RealReaderFindsTheOutlineTitleRowsAndPageNumbers)
{
    const QJsonObject found = readSavedChecklist(QStringLiteral("lista.odt"), ReadOdt);
    EXPECT_EQ(found[QLatin1String("first")].toArray(), (QJsonArray{"mimetype", 0}));
    EXPECT_EQ(found[QLatin1String("headings")].toArray().first().toArray(), (QJsonArray{"1", "LISTA KONTROLNA"}));
    EXPECT_EQ(found[QLatin1String("card")].toArray(),
              jsonRow({"Tokarz\nstanowisko pracy", "Wydział mechaniczny\njednostka organizacyjna",
                       "07.12.2026\ndata sporządzenia"}));
    EXPECT_EQ(found[QLatin1String("titleRows")].toArray(), (QJsonArray{0, 1, 1}));
    EXPECT_EQ(found[QLatin1String("footer")].toString(), QStringLiteral("Strona 1 z 1"));
    EXPECT_EQ(found[QLatin1String("fields")].toArray(), (QJsonArray{"page-number", "page-count"}));
}

TEST(DocumentExport, OdtAndPdfAreWrittenWhateverTheExtensionsCase)
{
    TempFolder folder;
    DocumentWriter writer;
    writeChecklistReport(writer, ChecklistVariant::Project);
    for (const char* name : {"lista.odt", "lista.pdf", "LISTA.PDF"}) {
        const QString path = folder.path(QLatin1String(name));
        writer.FileSaveAs(path);
        const QByteArray bytes = folder.read(path);
        ASSERT_FALSE(bytes.isEmpty()) << name;
        if (path.endsWith(QLatin1String(".odt")))
            EXPECT_TRUE(bytes.startsWith("PK")) << "an OpenDocument file is a zip package";
        else
            EXPECT_TRUE(pdfText(path).contains(QStringLiteral("ZAGROŻENIA ZAWODOWE"))) << name;
    }
}

// A table longer than a page: every page numbered "Strona X z Y", every page of the table
// under its title row, every row once.
TEST(PdfExport, PagesAreNumberedAndALongTableRepeatsItsTitleRow)
{
    TempFolder folder;
    AssessmentSnapshot document;
    const int rows = 150;
    for (int r = 1; r <= rows; ++r)
        document.checklist.append({QStringLiteral("Pytanie numer %1?").arg(r), QStringLiteral("Działanie")});
    DocumentWriter writer;
    BuildChecklistReport(writer, document, ChecklistVariant::Project);
    const QString path = folder.path(QStringLiteral("lista.pdf"));
    writer.FileSaveAs(path);

    QStringList pages = pdfText(path).split(QLatin1Char('\f'));
    pages.removeLast();
    ASSERT_GE(pages.size(), 3);
    const QString text = pages.join(QString());
    for (int r = 1; r <= rows; ++r)
        EXPECT_EQ(text.count(QStringLiteral("Pytanie numer %1?").arg(r)), 1) << r;
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Strona %1 z %2").arg(i + 1).arg(pages.size()))) << i;
        if (pages[i].contains(QStringLiteral("Pytanie numer"))) {
            EXPECT_TRUE(pages[i].contains(QStringLiteral("TAK/NIE"))) << i;
        }
    }
}

struct FailureCase {
    const char* test;
    const char* name;        // written into the temporary folder
    const char* cause;       // part of the message
};

class SaveFailure : public testing::TestWithParam<FailureCase> {};

// The message names the file and the cause, and nothing is left on disk: neither a partial
// new file nor a change to an existing one.
TEST_P(SaveFailure, NamesFileAndCauseAndLeavesNoFile)
{
    TempFolder folder;
    const QString path = folder.path(QLatin1String(GetParam().name));
    const QString existing = folder.write(QStringLiteral("raport.doc"), "dawny raport");
    DocumentWriter writer;
    writeChecklistReport(writer, ChecklistVariant::Project);
    try {
        writer.FileSaveAs(path);
        FAIL() << "saved";
    } catch (const AppError& error) {
        EXPECT_TRUE(error.text().contains(path)) << error.text().toStdString();
        EXPECT_TRUE(error.text().contains(QString::fromUtf8(GetParam().cause))) << error.text().toStdString();
    }
    EXPECT_EQ(QDir(folder.root()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"raport.doc"});
    EXPECT_EQ(folder.read(existing), "dawny raport");
}

INSTANTIATE_TEST_SUITE_P(Report, SaveFailure,
                         testing::Values(FailureCase{"MissingFolder", "brak/raport.docx", "folder nie istnieje"},
                                         FailureCase{"OtherExtension", "raport.doc", "musi się kończyć na .docx, .odt albo .pdf"},
                                         FailureCase{"NoExtension", "raport", "musi się kończyć na .docx, .odt albo .pdf"}),
                         [](const auto& test) { return std::string(test.param.test); });

} // namespace
