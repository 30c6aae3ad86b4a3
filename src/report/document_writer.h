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
// InsertBreak starts a new paragraph at the top of a new page. Style "Nagłówek n" gives the
// paragraph the heading level n (QTextBlockFormat::headingLevel); TableHeadings makes the
// table's first rows its title rows (QTextTableFormat::headerRowCount).
//
// Speed: a QTextTable rebuilds its whole grid of cells after every change of its rows, and
// removing rows costs time for each cell of the table, so a table that grows row by row
// would cost time by the square of its rows. The commands typed into rows past the table's
// end (NextCell, Insert, paragraphs and their style) are therefore kept, and carried out
// once the rows they need are appended together: when the held rows reach a quarter of the
// table, or at the first other command. The document is written in one edit block (closed
// only while a table is inserted and when the document is read), so Qt neither re-scans its
// frames nor lays out a paragraph after every command.
//
// Every command that needs a table outside one throws AppError, as a word processor refuses.

#include "report/word_basic.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

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
    void Style(const QString& name) override;
    void TableInsertTable(const QString& convertFrom, int columns, int rows, const QString& columnWidth, int format,
                          int apply) override;
    void TableSelectColumn() override;
    void TableColumnWidth(const QString& width, const QString& spaceBetweenColumns) override;
    void TableSelectTable() override;
    void FormatBordersAndShading(const BordersAndShading& borders) override;
    void TableHeadings(int on) override;
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
    // Cells by their index in reading order: where the content of one starts and ends, its
    // selection, and the cell of the insertion point.
    static int cellStart(QTextTable* table, int index);
    static int cellEnd(QTextTable* table, int index);
    void selectCell(QTextTable* table, int index);
    int cellIndex(QTextTable* table) const;
    // The new cells of `table` from `firstRow` on take its cells' starting format.
    void formatNewCells(QTextTable* table, int firstRow);
    // Holds `command` while rows are pending; false when it is to be carried out now.
    bool held(std::function<void()> command);
    // Appends the pending rows and carries out the commands held for them.
    void writePendingRows();
    void beginEditing();
    void endEditing();
    // The table of the insertion point (or the selected one), once the pending rows are
    // written; throws AppError outside one.
    QTextTable* requireTable(const char* command);
    void lineDown();
    void lineUp();

    std::unique_ptr<QTextDocument> document_;
    QTextCursor cursor_;
    QTextTable* selectedTable_ = nullptr;
    struct CellIndex {
        QTextTable* table = nullptr;
        int index = 0;
    };
    CellIndex selectedCell_;
    // Rows typed past the end of `table`: how many, the cell of the last one being typed,
    // and the commands that fill them.
    struct PendingRows {
        QTextTable* table = nullptr;
        int rows = 1;
        int column = 0;
        std::vector<std::function<void()>> commands;
    };
    std::optional<PendingRows> pending_;
    bool editing_ = false;
    int fontSize_ = report_page::DefaultFontSize;
    bool bold_ = false;
    bool italic_ = false;
};
