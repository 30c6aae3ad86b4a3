#pragma once
// DocumentWriter: the WordBasic that writes a real document, a QTextDocument laid out for an
// A4 page, and saves it by the file's extension (.docx, .odt or .pdf, see document_export.h).
//
// Text style: Bold and Italic switch their style on for the text typed after them, until the
// paragraph ends or the insertion point moves to another cell or out of a table; every new
// paragraph and cell starts plain. (Sent as a word processor's toggles, the reports' own
// sequences would alternate bold and plain headings.) The font size and the alignment carry
// over to new paragraphs and into the cells of a new table, as in a word processor: a data
// row's number cell, which gets no alignment of its own, keeps the table's.
//
// Tables: a new table has rows of equal-width columns across the text width, no lines and
// the cell margins of 0,125 cm left and right; TableColumnWidth fixes a column's width, and
// FormatBordersAndShading rules the selected table (see BordersAndShading). Applied to cells
// it fills the cell of the insertion point with its shading; the cell keeps the lines of its
// table's ruling. A table asked for with no rows gets one, so its header row has a place.
//
// InsertBreak starts a new paragraph at the top of a new page.
//
// Every command that needs a table outside one throws AppError, as a word processor refuses.

#include "report/word_basic.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>

#include <map>
#include <memory>

class QTextTable;
class QTextTableCell;

// The page every report is laid out for, and how the writer keeps a table's ruling in the
// document for the exports.
namespace report_page {
constexpr double WidthCm = 21.0;
constexpr double HeightCm = 29.7;
constexpr double MarginCm = 2.0;
constexpr double CellMarginCm = 0.125;
constexpr int DefaultFontSize = 10;
// QTextDocument lengths are pixels at 96 per inch.
constexpr double pixelsFromCm(double cm) { return cm / 2.54 * 96.0; }
constexpr double cmFromPixels(double pixels) { return pixels / 96.0 * 2.54; }
// Properties of a ruled table's QTextTableFormat: the line styles of its frame and of the
// lines inside it (0 none, n a single line of n x 0,75 pt).
constexpr int OuterLineProperty = QTextFormat::UserProperty;
constexpr int InnerLineProperty = QTextFormat::UserProperty + 1;
QString fontFamily();
} // namespace report_page

class DocumentWriter : public WordBasic {
public:
    DocumentWriter();
    ~DocumentWriter() override;

    // The document written so far.
    const QTextDocument& document();

    void AppShow() override;
    void FileNew(const QString& templateName) override;
    // Throws AppError naming the file and the cause when it cannot be written; an existing
    // file is then left as it was.
    void FileSaveAs(const QString& fileName) override;
    void Insert(const QString& text) override;
    void InsertPara() override;
    void InsertBreak(int type) override;
    void CenterPara() override;
    void LeftPara() override;
    void JustifyPara() override;
    void FontSize(int points) override;
    void Bold() override;
    void Italic() override;
    void TableInsertTable(const QString& convertFrom, int columns, int rows, const QString& columnWidth, int format,
                          int apply) override;
    void TableSelectColumn() override;
    void TableColumnWidth(const QString& width, const QString& spaceBetweenColumns) override;
    void TableSelectTable() override;
    void FormatBordersAndShading(const BordersAndShading& borders) override;
    void Cancel() override;
    void NextCell() override;
    void LineDown(int count) override;
    void LineUp(int count) override;

private:
    QTextCharFormat typingFormat() const;
    void setAlignment(Qt::Alignment alignment);
    void newParagraph();
    // Bold and italic end where the paragraph ends or the insertion point changes cell.
    void endStyle();
    // A selected table gives the insertion point to its first cell, content selected.
    void enterSelectedTable();
    void selectCell(const QTextTableCell& cell);
    // The new cells of `table` from `firstRow` on take its cells' starting format.
    void formatNewCells(QTextTable* table, int firstRow);
    // The rows of `table` written to so far, and how rows are added and the spare ones dropped.
    int rowsInUse(QTextTable* table) const;
    void appendRow(QTextTable* table);
    void dropSpareRows(QTextTable* table);
    // The table of the insertion point (or the selected one); throws AppError outside one.
    QTextTable* requireTable(const char* command) const;
    void lineDown();
    void lineUp();

    std::unique_ptr<QTextDocument> document_;
    QTextCursor cursor_;
    QTextTable* selectedTable_ = nullptr;
    // Rows appended ahead of use, per table, until the table is left.
    std::map<QTextTable*, int> spareRows_;
    int fontSize_ = report_page::DefaultFontSize;
    bool bold_ = false;
    bool italic_ = false;
};
