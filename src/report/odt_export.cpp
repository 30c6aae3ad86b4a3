#include "report/odt_export.h"

#include "report/document_writer.h"
#include "report/zip_part.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextTable>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <quazip.h>
#include <quazipfile.h>

#include <algorithm>
#include <utility>

namespace {

const QString Text = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString Table = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");

const char Manifest[] =
    R"(<?xml version="1.0" encoding="UTF-8"?>)"
    R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">)"
    R"(<manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.text"/>)"
    R"(<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>)"
    R"(<manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>)"
    R"(</manifest:manifest>)";

// The A4 page every paragraph is on (the default page style), with the page number centred
// in a footer that sits in the bottom margin.
QByteArray styles()
{
    using namespace report_page;
    const double footerCm = 1.0;
    return QStringLiteral(
               R"(<?xml version="1.0" encoding="UTF-8"?>)"
               R"(<office:document-styles xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
               R"(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" )"
               R"(xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" )"
               R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2">)"
               R"(<office:automatic-styles>)"
               R"(<style:page-layout style:name="A4"><style:page-layout-properties fo:page-width="%1cm" )"
               R"(fo:page-height="%2cm" fo:margin-top="%3cm" fo:margin-bottom="%4cm" fo:margin-left="%3cm" )"
               R"(fo:margin-right="%3cm" style:print-orientation="portrait"/>)"
               R"(<style:footer-style><style:header-footer-properties fo:min-height="%5cm" fo:margin-top="%5cm"/>)"
               R"(</style:footer-style></style:page-layout>)"
               R"(<style:style style:name="Stopka" style:family="paragraph"><style:paragraph-properties )"
               R"(fo:text-align="center"/><style:text-properties fo:font-size="9pt"/></style:style>)"
               R"(</office:automatic-styles><office:master-styles>)"
               R"(<style:master-page style:name="Standard" style:page-layout-name="A4"><style:footer>)"
               R"(<text:p text:style-name="Stopka">Strona <text:page-number text:select-page="current">1</text:page-number>)"
               R"( z <text:page-count>1</text:page-count></text:p>)"
               R"(</style:footer></style:master-page></office:master-styles></office:document-styles>)")
        .arg(WidthCm)
        .arg(HeightCm)
        .arg(MarginCm)
        .arg(MarginCm - footerCm)
        .arg(footerCm / 2)
        .toUtf8();
}

// What the document says of its paragraphs and tables, in the order Qt writes them: the
// heading level of each paragraph (0 for body text), and of each table its title rows and
// the paragraphs of each cell, row after row.
struct Outline {
    struct TableOutline {
        int headerRows = 0;
        QList<int> cellParagraphs;
    };
    QList<int> headingLevels;
    QList<TableOutline> tables;
    bool frameInCell = false;   // which Qt writes outside any cell: left as Qt wrote it

    void frame(const QTextFrame* frame)
    {
        for (QTextFrame::iterator it = frame->begin(); !it.atEnd(); ++it) {
            if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame()))
                addTable(table);
            else if (it.currentFrame())
                this->frame(it.currentFrame());
            else if (it.currentBlock().isValid())
                headingLevels.append(it.currentBlock().blockFormat().headingLevel());
        }
    }

    void addTable(const QTextTable* table)
    {
        TableOutline outline{std::clamp(table->format().headerRowCount(), 0, table->rows()), {}};
        for (int row = 0; row < table->rows(); ++row)
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                if (cell.row() != row || cell.column() != column)
                    continue;   // covered by a merged cell
                int paragraphs = 0;
                for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
                    frameInCell = frameInCell || it.currentFrame();
                    if (!it.currentFrame() && it.currentBlock().isValid()) {
                        headingLevels.append(it.currentBlock().blockFormat().headingLevel());
                        ++paragraphs;
                    }
                }
                outline.cellParagraphs.append(paragraphs);
            }
        tables.append(outline);
    }
};

// Counts the paragraphs and tables of Qt's content.
std::pair<qsizetype, qsizetype> paragraphsAndTables(const QByteArray& content)
{
    qsizetype paragraphs = 0;
    qsizetype tables = 0;
    for (QXmlStreamReader in(content); !in.atEnd();) {
        if (in.readNext() != QXmlStreamReader::StartElement)
            continue;
        paragraphs += in.namespaceUri() == Text && in.name() == u"p";
        tables += in.namespaceUri() == Table && in.name() == u"table";
    }
    return {paragraphs, tables};
}

// Qt's content made to say what the document does: every heading paragraph a heading of its
// level, every table's title rows marked as such, and the paragraphs of a cell in one cell
// (Qt writes a cell for each paragraph). Content that does not match the document is left
// as it is.
QByteArray outlinedContent(const QByteArray& content, const Outline& outline)
{
    if (outline.frameInCell
        || paragraphsAndTables(content) != std::pair(outline.headingLevels.size(), outline.tables.size()))
        return content;
    QByteArray out;
    QXmlStreamWriter xml(&out);
    struct OpenTable {
        const Outline::TableOutline* outline;
        int rows = 0;
        qsizetype cells = 0;
        int paragraphsLeft = 0;   // of the cell being written, after the current one
    };
    QList<OpenTable> tables;   // a table never holds another here
    qsizetype paragraph = 0;
    qsizetype nextTable = 0;
    for (QXmlStreamReader in(content); !in.atEnd();) {
        in.readNext();
        const bool start = in.isStartElement();
        const bool end = in.isEndElement();
        const bool inTable = !tables.isEmpty();
        const auto is = [&in](const QString& ns, QStringView name) { return in.namespaceUri() == ns && in.name() == name; };
        if (start && is(Text, u"p")) {
            if (const int level = outline.headingLevels[paragraph++]; level > 0) {
                // Its end tag closes the heading: the writer ends the element it opened.
                xml.writeStartElement(Text, QStringLiteral("h"));
                xml.writeAttributes(in.attributes());
                xml.writeAttribute(Text, QStringLiteral("outline-level"), QString::number(level));
                continue;
            }
        } else if (start && is(Table, u"table")) {
            tables.append(OpenTable{&outline.tables[nextTable++]});
        } else if (start && inTable && is(Table, u"table-row")) {
            if (tables.last().rows++ == 0 && tables.last().outline->headerRows > 0)
                xml.writeStartElement(Table, QStringLiteral("table-header-rows"));
        } else if (start && inTable && is(Table, u"table-cell")) {
            OpenTable& table = tables.last();
            if (table.paragraphsLeft > 0) {
                --table.paragraphsLeft;   // the same cell goes on
                continue;
            }
            table.paragraphsLeft = table.outline->cellParagraphs.value(table.cells++, 1) - 1;
        } else if (end && inTable && is(Table, u"table-cell") && tables.last().paragraphsLeft > 0) {
            continue;
        } else if (end && inTable && is(Table, u"table")) {
            tables.removeLast();
        }
        xml.writeCurrentToken(in);
        if (end && inTable && is(Table, u"table-row") && tables.last().rows == tables.last().outline->headerRows)
            xml.writeEndElement();
    }
    return out;
}

// The content.xml of the package Qt wrote.
QByteArray contentOf(QByteArray package)
{
    QBuffer buffer(&package);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(QStringLiteral("content.xml")))
        return {};
    QuaZipFile part(&zip);
    if (!part.open(QIODevice::ReadOnly))
        return {};
    return part.readAll();
}

} // namespace

QByteArray odtBytes(const QTextDocument& document)
{
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&written, "odf");
    if (!writer.write(&document))
        return {};
    const QByteArray content = contentOf(written.data());
    if (content.isEmpty())
        return {};
    Outline outline;
    outline.frame(document.rootFrame());

    QBuffer buffer;
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        return {};
    // The mimetype comes first and unpacked, so that a reader knows the file by its start.
    const bool packed = addZipPart(zip, QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text", false)
                        && addZipPart(zip, QStringLiteral("META-INF/manifest.xml"), Manifest)
                        && addZipPart(zip, QStringLiteral("content.xml"), outlinedContent(content, outline))
                        && addZipPart(zip, QStringLiteral("styles.xml"), styles());
    zip.close();
    return packed && zip.getZipError() == 0 ? buffer.data() : QByteArray();
}
