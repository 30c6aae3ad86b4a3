#include "report/docx_export.h"

#include "report/document_writer.h"
#include "report/zip_part.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <QXmlStreamWriter>
#include <quazip.h>

#include <cmath>

namespace {

const QString W = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString R = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

const char ContentTypes[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>)"
    R"(<Override PartName="/word/settings.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"/>)"
    R"(<Override PartName="/word/footer1.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml"/>)"
    R"(</Types>)";

const char PackageRelationships[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(</Relationships>)";

const char DocumentRelationships[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings" Target="settings.xml"/>)"
    R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/footer" Target="footer1.xml"/>)"
    R"(</Relationships>)";

// Times New Roman 10 pt, Polish, single spacing with no space between paragraphs. The
// headings take the built-in names, so word processors list them in their navigator, and
// stay on one page with the paragraph after them; their look is the paragraphs' own.
const char Styles[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:docDefaults><w:rPrDefault><w:rPr>)"
    R"(<w:rFonts w:ascii="Times New Roman" w:hAnsi="Times New Roman" w:eastAsia="Times New Roman" w:cs="Times New Roman"/>)"
    R"(<w:sz w:val="20"/><w:szCs w:val="20"/><w:lang w:val="pl-PL" w:eastAsia="pl-PL" w:bidi="ar-SA"/>)"
    R"(</w:rPr></w:rPrDefault>)"
    R"(<w:pPrDefault><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr></w:pPrDefault>)"
    R"(</w:docDefaults>)"
    R"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:qFormat/></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Heading1"><w:name w:val="heading 1"/><w:basedOn w:val="Normal"/>)"
    R"(<w:next w:val="Normal"/><w:uiPriority w:val="9"/><w:qFormat/>)"
    R"(<w:pPr><w:keepNext/><w:keepLines/><w:outlineLvl w:val="0"/></w:pPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Heading2"><w:name w:val="heading 2"/><w:basedOn w:val="Normal"/>)"
    R"(<w:next w:val="Normal"/><w:uiPriority w:val="9"/><w:unhideWhenUsed/><w:qFormat/>)"
    R"(<w:pPr><w:keepNext/><w:keepLines/><w:outlineLvl w:val="1"/></w:pPr></w:style>)"
    R"(<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/>)"
    R"(<w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/>)"
    R"(<w:left w:w="108" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/>)"
    R"(</w:tblCellMar></w:tblPr></w:style>)"
    R"(</w:styles>)";

// Tab stops every 1,25 cm, laid out as the current Word does.
const char Settings[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:defaultTabStop w:val="709"/>)"
    R"(<w:compat><w:compatSetting w:name="compatibilityMode" w:uri="http://schemas.microsoft.com/office/word" w:val="15"/></w:compat>)"
    R"(</w:settings>)";

// "Strona X z Y" centred in 9 pt: the fields of the page's number and of the number of pages.
const char Footer[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:ftr xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:p><w:pPr><w:jc w:val="center"/><w:rPr><w:sz w:val="18"/><w:szCs w:val="18"/></w:rPr></w:pPr>)"
    R"(<w:r><w:rPr><w:sz w:val="18"/><w:szCs w:val="18"/></w:rPr><w:t xml:space="preserve">Strona </w:t></w:r>)"
    R"(<w:fldSimple w:instr=" PAGE "><w:r><w:rPr><w:sz w:val="18"/><w:szCs w:val="18"/></w:rPr><w:t>1</w:t></w:r></w:fldSimple>)"
    R"(<w:r><w:rPr><w:sz w:val="18"/><w:szCs w:val="18"/></w:rPr><w:t xml:space="preserve"> z </w:t></w:r>)"
    R"(<w:fldSimple w:instr=" NUMPAGES "><w:r><w:rPr><w:sz w:val="18"/><w:szCs w:val="18"/></w:rPr><w:t>1</w:t></w:r></w:fldSimple>)"
    R"(</w:p></w:ftr>)";

int twipsFromCm(double cm)
{
    return static_cast<int>(std::lround(cm * 1440.0 / 2.54));
}

int twipsFromPixels(double pixels)
{
    return twipsFromCm(report_page::cmFromPixels(pixels));
}

// Writes the body of word/document.xml from the document's frames and blocks.
class BodyWriter {
public:
    explicit BodyWriter(QXmlStreamWriter& xml) : xml_(xml) {}

    void frame(const QTextFrame* frame)
    {
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (auto* table = qobject_cast<QTextTable*>(it.currentFrame()))
                this->table(table);
            else if (it.currentBlock().isValid())
                paragraph(it.currentBlock());
        }
    }

    void sectionProperties()
    {
        using namespace report_page;
        xml_.writeStartElement(W, QStringLiteral("sectPr"));
        xml_.writeEmptyElement(W, QStringLiteral("footerReference"));
        xml_.writeAttribute(W, QStringLiteral("type"), QStringLiteral("default"));
        xml_.writeAttribute(R, QStringLiteral("id"), QStringLiteral("rId3"));
        element(QStringLiteral("pgSz"), {{QStringLiteral("w"), twipsFromCm(WidthCm)}, {QStringLiteral("h"), twipsFromCm(HeightCm)}});
        const int margin = twipsFromCm(MarginCm);
        element(QStringLiteral("pgMar"), {{QStringLiteral("top"), margin},
                                          {QStringLiteral("right"), margin},
                                          {QStringLiteral("bottom"), margin},
                                          {QStringLiteral("left"), margin},
                                          {QStringLiteral("header"), 709},
                                          {QStringLiteral("footer"), 709},
                                          {QStringLiteral("gutter"), 0}});
        xml_.writeEndElement();
    }

private:
    void element(const QString& name, std::initializer_list<std::pair<QString, QVariant>> attributes)
    {
        xml_.writeEmptyElement(W, name);
        for (const auto& [attribute, value] : attributes)
            xml_.writeAttribute(W, attribute, value.toString());
    }

    void runProperties(const QTextCharFormat& format)
    {
        xml_.writeStartElement(W, QStringLiteral("rPr"));
        if (format.fontWeight() >= QFont::Bold)
            element(QStringLiteral("b"), {});
        if (format.fontItalic())
            element(QStringLiteral("i"), {});
        if (format.hasProperty(QTextFormat::FontPointSize)) {
            const int halfPoints = static_cast<int>(std::lround(format.fontPointSize() * 2));
            element(QStringLiteral("sz"), {{QStringLiteral("val"), halfPoints}});
            element(QStringLiteral("szCs"), {{QStringLiteral("val"), halfPoints}});
        }
        xml_.writeEndElement();
    }

    void paragraph(const QTextBlock& block)
    {
        xml_.writeStartElement(W, QStringLiteral("p"));
        xml_.writeStartElement(W, QStringLiteral("pPr"));
        if (const int level = block.blockFormat().headingLevel(); level > 0)
            element(QStringLiteral("pStyle"), {{QStringLiteral("val"), QStringLiteral("Heading%1").arg(level)}});
        if (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            element(QStringLiteral("pageBreakBefore"), {});
        const Qt::Alignment alignment = block.blockFormat().alignment();
        const QString jc = alignment & Qt::AlignHCenter ? QStringLiteral("center")
                           : alignment & Qt::AlignJustify ? QStringLiteral("both")
                           : alignment & Qt::AlignRight   ? QStringLiteral("right")
                                                          : QStringLiteral("left");
        element(QStringLiteral("jc"), {{QStringLiteral("val"), jc}});
        runProperties(block.charFormat());
        xml_.writeEndElement();
        for (auto it = block.begin(); !it.atEnd(); ++it)
            run(it.fragment());
        xml_.writeEndElement();
    }

    void run(const QTextFragment& fragment)
    {
        xml_.writeStartElement(W, QStringLiteral("r"));
        runProperties(fragment.charFormat());
        const QStringList pieces = fragment.text().split(QLatin1Char('\t'));
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                element(QStringLiteral("tab"), {});
            if (pieces[i].isEmpty())
                continue;
            xml_.writeStartElement(W, QStringLiteral("t"));
            xml_.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            xml_.writeCharacters(pieces[i]);
            xml_.writeEndElement();
        }
        xml_.writeEndElement();
    }

    void border(const QString& side, int lineStyle)
    {
        if (lineStyle > 0)
            element(side, {{QStringLiteral("val"), QStringLiteral("single")},
                           {QStringLiteral("sz"), 6 * lineStyle},
                           {QStringLiteral("space"), 0},
                           {QStringLiteral("color"), QStringLiteral("000000")}});
        else
            element(side, {{QStringLiteral("val"), QStringLiteral("nil")}});
    }

    void table(const QTextTable* table)
    {
        const QTextTableFormat format = table->format();
        QList<int> widths;
        int total = 0;
        for (const QTextLength& width : format.columnWidthConstraints()) {
            widths.append(twipsFromPixels(width.rawValue()));
            total += widths.last();
        }
        const int outer = format.intProperty(report_page::OuterLineProperty);
        const int inner = format.intProperty(report_page::InnerLineProperty);
        const int cellMargin = twipsFromCm(report_page::CellMarginCm);

        xml_.writeStartElement(W, QStringLiteral("tbl"));
        xml_.writeStartElement(W, QStringLiteral("tblPr"));
        element(QStringLiteral("tblW"), {{QStringLiteral("w"), total}, {QStringLiteral("type"), QStringLiteral("dxa")}});
        xml_.writeStartElement(W, QStringLiteral("tblBorders"));
        for (const char* side : {"top", "left", "bottom", "right"})
            border(QLatin1String(side), outer);
        border(QStringLiteral("insideH"), inner);
        border(QStringLiteral("insideV"), inner);
        xml_.writeEndElement();
        element(QStringLiteral("tblLayout"), {{QStringLiteral("type"), QStringLiteral("fixed")}});
        xml_.writeStartElement(W, QStringLiteral("tblCellMar"));
        element(QStringLiteral("left"), {{QStringLiteral("w"), cellMargin}, {QStringLiteral("type"), QStringLiteral("dxa")}});
        element(QStringLiteral("right"), {{QStringLiteral("w"), cellMargin}, {QStringLiteral("type"), QStringLiteral("dxa")}});
        xml_.writeEndElement();
        element(QStringLiteral("tblLook"), {{QStringLiteral("val"), QStringLiteral("0000")}});
        xml_.writeEndElement();

        xml_.writeStartElement(W, QStringLiteral("tblGrid"));
        for (int width : widths)
            element(QStringLiteral("gridCol"), {{QStringLiteral("w"), width}});
        xml_.writeEndElement();

        // The cells' paragraphs are taken in document order, each cell's up to where the next
        // cell begins (asking a cell for its end searches the table's cells).
        // Rows are kept whole on a page; the title rows are repeated on every page.
        const int headerRows = format.headerRowCount();
        QTextBlock block = table->document()->findBlock(table->firstPosition());
        for (int row = 0; row < table->rows(); ++row) {
            xml_.writeStartElement(W, QStringLiteral("tr"));
            xml_.writeStartElement(W, QStringLiteral("trPr"));
            element(QStringLiteral("cantSplit"), {});
            if (row < headerRows)
                element(QStringLiteral("tblHeader"), {});
            xml_.writeEndElement();
            for (int column = 0; column < table->columns(); ++column) {
                xml_.writeStartElement(W, QStringLiteral("tc"));
                xml_.writeStartElement(W, QStringLiteral("tcPr"));
                element(QStringLiteral("tcW"),
                        {{QStringLiteral("w"), widths[column]}, {QStringLiteral("type"), QStringLiteral("dxa")}});
                const QTextTableCell cell = table->cellAt(row, column);
                if (const QBrush fill = cell.format().background(); fill.style() != Qt::NoBrush)
                    element(QStringLiteral("shd"), {{QStringLiteral("val"), QStringLiteral("clear")},
                                                    {QStringLiteral("color"), QStringLiteral("auto")},
                                                    {QStringLiteral("fill"), fill.color().name().mid(1).toUpper()}});
                xml_.writeEndElement();
                const int cellEnd = column + 1 < table->columns() ? table->cellAt(row, column + 1).firstPosition()
                                    : row + 1 < table->rows()     ? table->cellAt(row + 1, 0).firstPosition()
                                                                  : table->lastPosition() + 1;
                for (; block.isValid() && block.position() < cellEnd; block = block.next())
                    paragraph(block);
                xml_.writeEndElement();
            }
            xml_.writeEndElement();
        }
        xml_.writeEndElement();
    }

    QXmlStreamWriter& xml_;
};

QByteArray documentXml(const QTextDocument& document)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeNamespace(W, QStringLiteral("w"));
    xml.writeNamespace(R, QStringLiteral("r"));
    xml.writeStartElement(W, QStringLiteral("document"));
    xml.writeStartElement(W, QStringLiteral("body"));
    BodyWriter body(xml);
    body.frame(document.rootFrame());
    body.sectionProperties();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

} // namespace

QByteArray docxBytes(const QTextDocument& document)
{
    QBuffer buffer;
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        return {};
    const bool packed = addZipPart(zip, QStringLiteral("[Content_Types].xml"), ContentTypes)
                        && addZipPart(zip, QStringLiteral("_rels/.rels"), PackageRelationships)
                        && addZipPart(zip, QStringLiteral("word/_rels/document.xml.rels"), DocumentRelationships)
                        && addZipPart(zip, QStringLiteral("word/document.xml"), documentXml(document))
                        && addZipPart(zip, QStringLiteral("word/styles.xml"), Styles)
                        && addZipPart(zip, QStringLiteral("word/settings.xml"), Settings)
                        && addZipPart(zip, QStringLiteral("word/footer1.xml"), Footer);
    zip.close();
    return packed && zip.getZipError() == 0 ? buffer.data() : QByteArray();
}
