#pragma once
// PrintedPages: a report document cut into A4 pages, the way a word processor prints it.
//
// The document is laid out once as one long column of the text width with no page height,
// and the pages are cut from that column:
//   - between paragraphs, between the lines of a paragraph, and between table rows; a row
//     is cut only when it does not fit on a page of its own, and then between lines of text;
//   - a heading stays with what follows it (never alone at the foot of a page), and a
//     table's title rows stay with its first row;
//   - a paragraph that asks for a page break starts a new page;
//   - a page that goes on with a table begins with the table's title rows again (its
//     headerRowCount);
//   - every page has "Strona X z Y" centred in its bottom margin.
// The rules of the ruled tables (see report_page) are drawn page by page: a frame around
// each piece of a table, so a table or a row cut by a page is closed on both pages.
//
// Speed: Qt's document layout finds the neighbours of every table cell by searching the
// table (collapsed borders), lays every cell out twice, and its pagination lays a long table
// out again as it breaks it; a report's long tables cost time by more than their rows. Here
// every paragraph, in the body or in a cell, is laid out once with its own QTextLayout, the
// cells taken in document order; cutting and painting a page take time in proportion to
// what is on it.

#include <QColor>
#include <QList>
#include <QRectF>
#include <vector>

class QPainter;
class QTextBlock;
class QTextDocument;
class QTextLayout;
class QTextTable;

class PrintedPages {
public:
    // Lays out the paragraphs of `document` (their layouts are the document's cache; its text
    // and formats are unchanged) for A4 pages with the report's margins.
    explicit PrintedPages(const QTextDocument& document);

    int count() const { return static_cast<int>(pages_.size()); }
    // Paints page `index` (from 0) with the painter in the document's pixels (96 per inch)
    // and the page's top left corner at the origin.
    void paint(QPainter& painter, int index) const;

private:
    // A laid-out paragraph: where its layout is drawn in the column.
    struct Paragraph {
        QTextLayout* layout = nullptr;
        double x = 0;
        double y = 0;
    };
    // What is painted together: a paragraph of the body, or a table row with the fills of its
    // cells; [top, bottom) in the column.
    struct Unit {
        double top = 0;
        double bottom = 0;
        std::vector<Paragraph> paragraphs;
        std::vector<std::pair<QRectF, QColor>> fills;
    };
    // A table of the column: the widths of its lines (0 for none), where its columns and
    // rows begin, and how many title rows it has.
    struct Table {
        double top = 0;
        double bottom = 0;
        double outerLine = 0;
        double innerLine = 0;
        std::vector<double> columnLefts;   // and the right edge of the last column
        std::vector<double> rowTops;
        std::vector<int> rowUnits;         // the unit of each row
        int headerRows = 0;
        double bodyTop() const { return rowTops[static_cast<size_t>(headerRows)]; }
    };
    // A place where a page may end and the next one begin.
    struct Cut {
        enum Kind { Poor, Good, Forced };
        double y = 0;
        Kind kind = Good;
        int table = -1;   // the table the next page goes on with, or -1
    };
    // The piece [top, bottom) of the column under the title rows [headerTop, headerBottom)
    // of the table it goes on with (none when they are equal).
    struct Page {
        double top = 0;
        double bottom = 0;
        double headerTop = 0;
        double headerBottom = 0;
    };

    // Lays out `block` `width` wide at (x, y) into `unit`; returns its height.
    double layOut(Unit& unit, const QTextBlock& block, double x, double y, double width) const;
    void addParagraph(const QTextBlock& block, Cut::Kind before);
    void addTable(const QTextTable* table, Cut::Kind before);
    void cutPages();
    Cut pageEnd(double top, double limit) const;
    Cut insideRow(double top, double limit) const;

    // Paints the piece [top, bottom) of the column with its top at `y` on the page.
    void paintPiece(QPainter& painter, double top, double bottom, double y) const;
    // The rules of the piece [top, bottom) of `table`, in the column's place.
    void paintRules(QPainter& painter, const Table& table, double top, double bottom) const;

    const QTextDocument& document_;
    std::vector<Unit> units_;
    std::vector<Table> tables_;
    std::vector<Cut> cuts_;
    double end_ = 0;
    QList<Page> pages_;
};
