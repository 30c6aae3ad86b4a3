#include "report/document_writer.h"

#include "base/app_error.h"
#include "report/document_export.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QRegularExpression>
#include <QTextTable>

#include <cmath>

namespace {

// What a new cell of a table starts with: the alignment and font size in force where the
// table was inserted.
constexpr int CellAlignmentProperty = QTextFormat::UserProperty + 2;
constexpr int CellFontSizeProperty = QTextFormat::UserProperty + 3;

double pixelsFromPoints(double points)
{
    return points * 96.0 / 72.0;
}

// "1,8 cm" -> 1.8; throws AppError on anything else.
double centimetres(const QString& width)
{
    QString number = width.trimmed();
    bool ok = number.endsWith(QLatin1String("cm"));
    number.chop(2);
    const double value = ok ? number.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok) : 0;
    if (!ok || value <= 0)
        throw AppError(QStringLiteral("Niepoprawna szerokość kolumny: \"%1\".").arg(width));
    return value;
}

// The fill of a cell's shading: the pattern's share of the foreground colour over the
// background colour; invalid for no fill. Throws AppError on a pattern or colour it has not.
QColor shadingFill(const std::array<int, 3>& shading)
{
    static const int tints[] = {0, 100, 5, 10, 20, 25, 30, 40, 50, 60, 70, 75, 80, 90};
    static const QRgb colours[] = {0x000000, 0x000000, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFF00FF, 0xFF0000, 0xFFFF00, 0xFFFFFF,
                                   0x000080, 0x008080, 0x008000, 0x800080, 0x800000, 0x808000, 0x808080, 0xC0C0C0};
    const auto [pattern, foreground, background] = shading;
    const auto colourCount = static_cast<int>(std::size(colours));
    if (pattern < 0 || pattern >= static_cast<int>(std::size(tints)) || foreground < 0 || foreground >= colourCount
        || background < 0 || background >= colourCount)
        throw AppError(QStringLiteral("Nieobsługiwane cieniowanie: %1, %2, %3.").arg(pattern).arg(foreground).arg(background));
    if (pattern == 0)
        return {};
    const QColor ahead(colours[foreground]);
    // The automatic colour is white behind.
    const QColor behind(background == 0 ? QRgb(0xFFFFFF) : colours[background]);
    const double share = tints[pattern] / 100.0;
    const auto mix = [share](int a, int b) { return static_cast<int>(std::lround(b + (a - b) * share)); };
    return QColor(mix(ahead.red(), behind.red()), mix(ahead.green(), behind.green()), mix(ahead.blue(), behind.blue()));
}

} // namespace

QString report_page::fontFamily()
{
    return QStringLiteral("Liberation Serif");
}

DocumentWriter::DocumentWriter()
{
    FileNew(QStringLiteral("Normal"));
}

DocumentWriter::~DocumentWriter() = default;

void DocumentWriter::AppShow() {}

void DocumentWriter::FileNew(const QString&)
{
    using namespace report_page;
    document_ = std::make_unique<QTextDocument>();
    QFont font(fontFamily());
    font.setPointSize(DefaultFontSize);
    document_->setDefaultFont(font);
    document_->setUndoRedoEnabled(false);
    document_->setDocumentMargin(0);
    document_->setPageSize(QSizeF(pixelsFromCm(WidthCm), pixelsFromCm(HeightCm)));
    QTextFrameFormat page = document_->rootFrame()->frameFormat();
    page.setMargin(pixelsFromCm(MarginCm));
    document_->rootFrame()->setFrameFormat(page);
    QTextOption option = document_->defaultTextOption();
    option.setTabStopDistance(pixelsFromCm(1.25));
    document_->setDefaultTextOption(option);

    cursor_ = QTextCursor(document_.get());
    selectedTable_ = nullptr;
    selectedCell_ = {};
    pending_.reset();
    fontSize_ = DefaultFontSize;
    endStyle();
    cursor_.setBlockCharFormat(typingFormat());
    editing_ = false;
    beginEditing();
}

void DocumentWriter::beginEditing()
{
    if (!editing_)
        cursor_.beginEditBlock();
    editing_ = true;
}

void DocumentWriter::endEditing()
{
    if (editing_)
        cursor_.endEditBlock();
    editing_ = false;
}

void DocumentWriter::FileSaveAs(const QString& fileName)
{
    saveDocument(document(), fileName);
}

const QTextDocument& DocumentWriter::document()
{
    writePendingRows();
    endEditing();
    return *document_;
}

bool DocumentWriter::held(std::function<void()> command)
{
    if (!pending_)
        return false;
    pending_->commands.push_back(std::move(command));
    return true;
}

void DocumentWriter::writePendingRows()
{
    if (!pending_)
        return;
    const PendingRows rows = std::move(*pending_);
    pending_.reset();
    const int firstRow = rows.table->rows();
    // The insertion point is in the last cell, where the rows go in: it stays there.
    const int anchor = cursor_.anchor();
    const int position = cursor_.position();
    rows.table->appendRows(rows.rows);
    cursor_.setPosition(anchor);
    cursor_.setPosition(position, QTextCursor::KeepAnchor);
    formatNewCells(rows.table, firstRow);
    for (const auto& command : rows.commands)
        command();
}

QTextCharFormat DocumentWriter::typingFormat() const
{
    QTextCharFormat format;
    format.setFontPointSize(fontSize_);
    format.setFontWeight(bold_ ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic_);
    return format;
}

void DocumentWriter::endStyle()
{
    bold_ = false;
    italic_ = false;
}

void DocumentWriter::enterSelectedTable()
{
    if (!selectedTable_)
        return;
    selectCell(selectedTable_, 0);
    selectedTable_ = nullptr;
}

int DocumentWriter::cellStart(QTextTable* table, int index)
{
    return table->cellAt(index / table->columns(), index % table->columns()).firstPosition();
}

int DocumentWriter::cellEnd(QTextTable* table, int index)
{
    // A cell ends where the next one begins: asking the cell for its end searches the table.
    return index + 1 < table->rows() * table->columns() ? cellStart(table, index + 1) - 1 : table->lastPosition();
}

void DocumentWriter::selectCell(QTextTable* table, int index)
{
    cursor_.setPosition(cellStart(table, index));
    cursor_.setPosition(cellEnd(table, index), QTextCursor::KeepAnchor);
    selectedCell_ = {table, index};
}

int DocumentWriter::cellIndex(QTextTable* table) const
{
    // Finding the cell of a position searches the table's cells, so the cell selected last is
    // tried first.
    const int position = cursor_.position();
    if (selectedCell_.table == table && cellStart(table, selectedCell_.index) <= position
        && position <= cellEnd(table, selectedCell_.index))
        return selectedCell_.index;
    const QTextTableCell cell = table->cellAt(position);
    return cell.row() * table->columns() + cell.column();
}

void DocumentWriter::Insert(const QString& text)
{
    if (held([this, text] { Insert(text); }))
        return;
    enterSelectedTable();
    cursor_.removeSelectedText();
    const QStringList paragraphs = text.split(QLatin1Char('\r'));
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            newParagraph();
        if (!paragraphs[i].isEmpty())
            cursor_.insertText(paragraphs[i], typingFormat());
    }
}

void DocumentWriter::InsertPara()
{
    if (held([this] { InsertPara(); }))
        return;
    enterSelectedTable();
    cursor_.removeSelectedText();
    newParagraph();
}

void DocumentWriter::InsertBreak(int type)
{
    if (type != 0)
        throw AppError(QStringLiteral("Nieobsługiwany rodzaj podziału: %1.").arg(type));
    writePendingRows();
    InsertPara();
    QTextBlockFormat format;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor_.mergeBlockFormat(format);
}

void DocumentWriter::newParagraph()
{
    // An empty paragraph keeps the size it was left with, so it is as high as its text would be.
    if (cursor_.block().length() == 1)
        cursor_.mergeBlockCharFormat(typingFormat());
    endStyle();
    // A page break and a heading's style belong to their paragraph, not to those after it.
    QTextBlockFormat next = cursor_.blockFormat();
    next.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    next.clearProperty(QTextFormat::HeadingLevel);
    cursor_.insertBlock(next, typingFormat());
}

void DocumentWriter::setAlignment(Qt::Alignment alignment)
{
    if (held([this, alignment] { setAlignment(alignment); }))
        return;
    enterSelectedTable();
    QTextBlockFormat format;
    format.setAlignment(alignment);
    cursor_.mergeBlockFormat(format);
}

void DocumentWriter::CenterPara() { setAlignment(Qt::AlignHCenter); }
void DocumentWriter::LeftPara() { setAlignment(Qt::AlignLeft); }
void DocumentWriter::JustifyPara() { setAlignment(Qt::AlignJustify); }

void DocumentWriter::FontSize(int points)
{
    if (!held([this, points] { FontSize(points); }))
        fontSize_ = points;
}

void DocumentWriter::Bold()
{
    if (!held([this] { Bold(); }))
        bold_ = true;
}

void DocumentWriter::Italic()
{
    if (!held([this] { Italic(); }))
        italic_ = true;
}

void DocumentWriter::Style(const QString& name)
{
    if (held([this, name] { Style(name); }))
        return;
    static const QRegularExpression heading(QStringLiteral("^Nagłówek ([1-9])$"));
    const QRegularExpressionMatch match = heading.match(name);
    if (!match.hasMatch() && name != QLatin1String("Normalny"))
        throw AppError(QStringLiteral("Nieznany styl akapitu: \"%1\".").arg(name));
    enterSelectedTable();
    QTextBlockFormat format;
    format.setHeadingLevel(match.hasMatch() ? match.captured(1).toInt() : 0);
    cursor_.mergeBlockFormat(format);
}

void DocumentWriter::TableInsertTable(const QString&, int columns, int rows, const QString&, int, int)
{
    using namespace report_page;
    writePendingRows();
    enterSelectedTable();
    cursor_.removeSelectedText();
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);

    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setAlignment(Qt::AlignLeft);
    const double textWidth = pixelsFromCm(WidthCm - 2 * MarginCm);
    format.setColumnWidthConstraints(
        QList<QTextLength>(columns, QTextLength(QTextLength::FixedLength, textWidth / columns)));
    format.setProperty(CellAlignmentProperty, int(cursor_.blockFormat().alignment()));
    format.setProperty(CellFontSizeProperty, fontSize_);

    // The paragraph the table goes into stays below it with its format, as in a word processor.
    const QTextBlockFormat paragraph = cursor_.blockFormat();
    const QTextCharFormat mark = cursor_.blockCharFormat();
    const int position = cursor_.block().position();
    const bool emptyParagraph = cursor_.block().length() == 1;
    // The new table becomes one of the document's frames when its edit block ends.
    endEditing();
    QTextTable* table = cursor_.insertTable(rows, columns, format);
    beginEditing();
    QTextCursor after(document_.get());
    after.setPosition(table->lastPosition() + 1);
    after.setBlockFormat(paragraph);
    after.setBlockCharFormat(mark);
    // A QTextDocument keeps a paragraph in front of every table; an empty one is merged into
    // the paragraph before it, so the table takes the empty paragraph's place as it would in a
    // word processor. (A table that opens the document keeps it; see docx_export.cpp.)
    if (emptyParagraph && position > 0
        && document_->characterAt(position - 1) == QChar(QChar::ParagraphSeparator)) {
        QTextCursor separator(document_.get());
        separator.setPosition(position - 1);
        separator.deleteChar();
    }

    formatNewCells(table, 0);
    cursor_ = table->cellAt(0, 0).firstCursorPosition();
    endStyle();
}

void DocumentWriter::formatNewCells(QTextTable* table, int firstRow)
{
    const QTextTableFormat tableFormat = table->format();
    QTextBlockFormat paragraph;
    paragraph.setAlignment(Qt::Alignment(tableFormat.intProperty(CellAlignmentProperty)));
    // A cell's format is the character format of its first paragraph mark as well.
    QTextTableCellFormat cellFormat;
    cellFormat.setLeftPadding(report_page::pixelsFromCm(report_page::CellMarginCm));
    cellFormat.setRightPadding(report_page::pixelsFromCm(report_page::CellMarginCm));
    cellFormat.setFontPointSize(tableFormat.intProperty(CellFontSizeProperty));
    for (int row = firstRow; row < table->rows(); ++row) {
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCell cell = table->cellAt(row, column);
            cell.setFormat(cellFormat);
            cell.firstCursorPosition().setBlockFormat(paragraph);
        }
    }
}

QTextTable* DocumentWriter::requireTable(const char* command)
{
    writePendingRows();
    if (selectedTable_)
        return selectedTable_;
    if (QTextTable* table = cursor_.currentTable())
        return table;
    throw AppError(QStringLiteral("Polecenie %1 wymaga tabeli.").arg(QLatin1String(command)));
}

void DocumentWriter::TableSelectColumn()
{
    requireTable("TableSelectColumn");
}

void DocumentWriter::TableColumnWidth(const QString& width, const QString&)
{
    QTextTable* table = requireTable("TableColumnWidth");
    const int column = selectedTable_ ? 0 : table->cellAt(cursor_).column();
    QTextTableFormat format = table->format();
    QList<QTextLength> widths = format.columnWidthConstraints();
    widths[column] = QTextLength(QTextLength::FixedLength, report_page::pixelsFromCm(centimetres(width)));
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);
}

void DocumentWriter::TableSelectTable()
{
    selectedTable_ = requireTable("TableSelectTable");
    endStyle();
}

void DocumentWriter::FormatBordersAndShading(const BordersAndShading& borders)
{
    QTextTable* table = requireTable("FormatBordersAndShading");
    if (borders.appliesTo() == ApplyToCells) {
        enterSelectedTable();
        QTextTableCell cell = table->cellAt(cursor_);
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        if (const QColor fill = borders.fill.isValid() ? borders.fill : shadingFill(borders.shading); fill.isValid())
            format.setBackground(fill);
        else
            format.clearBackground();
        cell.setFormat(format);
        return;
    }
    QTextTableFormat format = table->format();
    // With collapsed borders Qt draws the frame at the table's border width and one-pixel
    // (0,75 pt) lines between the cells.
    format.setBorder(pixelsFromPoints(0.75 * borders.outerLine()));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(Qt::black);
    format.setProperty(report_page::OuterLineProperty, borders.outerLine());
    format.setProperty(report_page::InnerLineProperty, borders.innerLine());
    table->setFormat(format);
}

void DocumentWriter::TableHeadings(int on)
{
    QTextTable* table = requireTable("TableHeadings");
    const int rows = selectedTable_ ? table->rows() : table->cellAt(cursor_).row() + 1;
    QTextTableFormat format = table->format();
    if (on)
        format.setHeaderRowCount(rows);
    else
        format.clearProperty(QTextFormat::TableHeaderRowCount);
    table->setFormat(format);
}

void DocumentWriter::Cancel() {}

void DocumentWriter::NextCell()
{
    // The held rows are written once they reach a quarter of the table and another is begun.
    if (pending_ && pending_->column + 1 == pending_->table->columns()
        && pending_->rows >= std::max(pending_->table->rows() / 4, 1))
        writePendingRows();
    if (held([this] { NextCell(); })) {
        if (++pending_->column == pending_->table->columns()) {
            pending_->column = 0;
            ++pending_->rows;
        }
        return;
    }
    endStyle();
    if (selectedTable_) {
        enterSelectedTable();
        return;
    }
    QTextTable* table = requireTable("NextCell");
    const int next = cellIndex(table) + 1;
    if (next == table->rows() * table->columns()) {
        // The last cell: the new row is appended with the rows typed after it.
        pending_.emplace();
        pending_->table = table;
        pending_->commands.push_back([this] { NextCell(); });
        return;
    }
    selectCell(table, next);
}

void DocumentWriter::LineDown(int count)
{
    writePendingRows();
    for (int i = 0; i < count; ++i)
        lineDown();
}

void DocumentWriter::LineUp(int count)
{
    writePendingRows();
    for (int i = 0; i < count; ++i)
        lineUp();
}

void DocumentWriter::lineDown()
{
    // From a selected table the insertion point goes down from its end.
    if (selectedTable_)
        cursor_ = selectedTable_->cellAt(selectedTable_->rows() - 1, selectedTable_->columns() - 1).lastCursorPosition();
    selectedTable_ = nullptr;
    cursor_.clearSelection();
    endStyle();
    QTextTable* table = cursor_.currentTable();
    if (!table) {
        cursor_.movePosition(QTextCursor::NextBlock);
        return;
    }
    const QTextTableCell cell = table->cellAt(cursor_);
    if (cursor_.block() != cell.lastCursorPosition().block()) {
        cursor_.movePosition(QTextCursor::NextBlock);
        return;
    }
    if (cell.row() + 1 < table->rows())
        cursor_ = table->cellAt(cell.row() + 1, cell.column()).firstCursorPosition();
    else
        cursor_.setPosition(table->lastPosition() + 1);
}

void DocumentWriter::lineUp()
{
    if (selectedTable_)
        cursor_ = selectedTable_->cellAt(0, 0).firstCursorPosition();
    selectedTable_ = nullptr;
    cursor_.clearSelection();
    endStyle();
    QTextTable* table = cursor_.currentTable();
    if (!table) {
        cursor_.movePosition(QTextCursor::PreviousBlock);
        return;
    }
    const QTextTableCell cell = table->cellAt(cursor_);
    if (cursor_.block() != cell.firstCursorPosition().block()) {
        cursor_.movePosition(QTextCursor::PreviousBlock);
        return;
    }
    if (cell.row() > 0)
        cursor_ = table->cellAt(cell.row() - 1, cell.column()).lastCursorPosition();
    else
        cursor_.setPosition(table->firstPosition() - 1);
}
