#pragma once
// PrintedPages: a report document cut into A4 pages, the way a word processor prints it.
//
// The document is laid out once as one long column of the page's width with no page height,
// and the pages are cut from that column:
//   - between paragraphs, between the lines of a paragraph, and between table rows; a row
//     is cut only when it does not fit on a page of its own, and then between lines of text;
//   - a heading stays with what follows it (never alone at the foot of a page), and a
//     table's title rows stay with its first row;
//   - a paragraph that asks for a page break starts a new page;
//   - a page that goes on with a table begins with the table's title rows again (its
//     headerRowCount);
//   - every page has "Strona X z Y" centred in its bottom margin.
// The rules of the ruled tables (see report_page) are drawn here, page by page: a frame
// around each piece of a table, so a table or row cut by a page is closed on both pages.
//
// Speed: Qt lays out and paints a table with collapsed borders by looking up the
// neighbours of every cell, each lookup a search of the whole table, and its own pagination
// lays a long table out again as it breaks it. Here every table of the column is laid out
// without Qt's borders, once; cutting and painting a page take time in proportion to what
// is on it.

#include <QList>
#include <memory>
#include <vector>

class QPainter;
class QTextDocument;

class PrintedPages {
public:
    // Lays out a copy of `document` (A4 with the report's margins); `document` is unchanged.
    explicit PrintedPages(const QTextDocument& document);
    ~PrintedPages();

    int count() const { return static_cast<int>(pages_.size()); }
    // Paints page `index` (from 0) with the painter in the document's pixels (96 per inch)
    // and the page's top left corner at the origin.
    void paint(QPainter& painter, int index) const;

private:
    // A table of the column: the widths of its lines (0 for none), where its columns and
    // rows begin, and how many title rows it has.
    struct Table {
        double top = 0;
        double bottom = 0;
        double outerLine = 0;
        double innerLine = 0;
        std::vector<double> columnLefts;   // and the right edge of the last column
        std::vector<double> rowTops;
        int headerRows = 0;
        double bodyTop() const { return rowTops[static_cast<size_t>(headerRows)]; }
    };
    // The piece [top, bottom) of the column under the title rows [headerTop, headerBottom)
    // of the table it goes on with (none when they are equal).
    struct Page {
        double top = 0;
        double bottom = 0;
        double headerTop = 0;
        double headerBottom = 0;
    };
    class Cutter;
    // Paints the piece [top, bottom) of the column with its top at `y` on the page.
    void paintPiece(QPainter& painter, double top, double bottom, double y) const;
    // The rules of the piece [top, bottom) of `table`, in the column's place.
    void paintRules(QPainter& painter, const Table& table, double top, double bottom) const;

    std::unique_ptr<QTextDocument> column_;
    std::vector<Table> tables_;
    QList<Page> pages_;
};
