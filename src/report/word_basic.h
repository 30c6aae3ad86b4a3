#pragma once
// WordBasic: the word-processor commands the report builders send, one member per command
// with the argument list the builders pass. The builders only send commands and never read
// a result; an implementation that cannot carry a command out throws AppError, which ends
// the report. DocumentWriter builds a real document from the commands, CommandRecorder keeps
// them as text for tests.
//
// Table protocol every implementation honours: TableInsertTable leaves the insertion point
// in the new table's first cell. NextCell goes to the next cell in reading order and selects
// its content; in the last cell it appends a row. LineDown from the table's last row leaves
// the table. After TableSelectTable, FormatBordersAndShading and Cancel the table stays
// selected, so the next Insert fills its first cell and a run of one NextCell per column
// ends in the first row's last cell.

#include <QColor>
#include <QString>

#include <array>

// The arguments of FormatBordersAndShading: 14 integers, a text, 3 integers, a text and an
// integer. The first integer says what they apply to: 3 the selected table, 2 the selected
// cells. Of the integers, 2 to 5 are the line styles of the top, left, bottom and right
// edges and 6 and 7 those of the lines between rows and between columns (0 none, n a single
// line n x 0,75 pt wide). `shading` is the fill: a pattern (0 none, 1 solid, 2 to 13 a
// tint of 5, 10, 20, 25, 30, 40, 50, 60, 70, 75, 80 or 90 % of the foreground over the
// background), then the foreground and the background colour as colour indexes (see
// WordColour). `fill`, when valid, is a colour of the cells' own in place of `shading`.
struct BordersAndShading {
    std::array<int, 14> lines;
    QString distance;
    std::array<int, 3> shading;
    QString pattern;
    int foreground;
    QColor fill;

    int appliesTo() const { return lines[0]; }
    int outerLine() const { return lines[2]; }
    int innerLine() const { return lines[6]; }
};

constexpr int ApplyToCells = 2;
constexpr int ApplyToTable = 3;

// The colour indexes of the shading: 0 automatic (black ahead, white behind), then black,
// blue, turquoise, bright green, pink, red, yellow, white, dark blue, teal, green, violet,
// dark red, dark yellow, grey 50 % and grey 25 %.
enum class WordColour { Auto, Black, Blue, Turquoise, BrightGreen, Pink, Red, Yellow, White };

// The borders of every ruled table of the reports: a frame of 1,5 pt, 0,75 pt lines inside.
inline const BordersAndShading RuledTableBorders{
    {ApplyToTable, 0, 2, 2, 2, 2, 1, 1, 0, 0, 0, 0, 0, 0}, QStringLiteral("0 pt"), {0, 0, 0}, QStringLiteral("0"), -1, QColor()};

class WordBasic {
public:
    virtual ~WordBasic() = default;

    virtual void AppShow() = 0;
    // A new empty document; `templateName` is "Normal".
    virtual void FileNew(const QString& templateName) = 0;
    // Saves the document under `fileName`, exactly as given.
    virtual void FileSaveAs(const QString& fileName) = 0;

    // Typed at the insertion point, replacing a selection; "\r" ends a paragraph.
    virtual void Insert(const QString& text) = 0;
    virtual void InsertPara() = 0;
    // The builders pass 0: a page break, so what is typed next starts a new page.
    virtual void InsertBreak(int type) = 0;
    // Alignment of the current paragraph.
    virtual void CenterPara() = 0;
    virtual void LeftPara() = 0;
    virtual void JustifyPara() = 0;
    // Point size (10, 11 or 12) of what is typed next.
    virtual void FontSize(int points) = 0;
    virtual void Bold() = 0;
    virtual void Italic() = 0;
    // The paragraph style of the current paragraph: "Nagłówek 1" or "Nagłówek 2" make it a
    // heading of that level (listed in a word processor's navigator and kept on one page with
    // what follows), "Normalny" plain text again.
    virtual void Style(const QString& name) = 0;

    // The builders pass "", columns, rows, "", 0, 0.
    virtual void TableInsertTable(const QString& convertFrom, int columns, int rows, const QString& columnWidth,
                                  int format, int apply) = 0;
    virtual void TableSelectColumn() = 0;
    // `width` such as "1,8 cm" (decimal comma) for the selected or current column; the
    // builders pass "0,25 cm" as `spaceBetweenColumns`.
    virtual void TableColumnWidth(const QString& width, const QString& spaceBetweenColumns) = 0;
    virtual void TableSelectTable() = 0;
    virtual void FormatBordersAndShading(const BordersAndShading& borders) = 0;
    // 1: the rows of the table from its first to the insertion point's are its title rows,
    // repeated at the top of every page the table goes on to; 0: no title rows.
    virtual void TableHeadings(int on) = 0;
    // Leaves any extend mode; the selection stays.
    virtual void Cancel() = 0;
    virtual void NextCell() = 0;
    // The builders pass 1.
    virtual void LineDown(int count) = 0;
    virtual void LineUp(int count) = 0;
};
