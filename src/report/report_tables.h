#pragma once
// The table steps every report builder uses, on the WordBasic commands. A report's table is
// inserted by the builder; AddHeaderColumn fixes each column's width and caption from left to
// right, RuleTable rules it, goes to the header row's last cell and makes that row the title
// row repeated on every page, and every AddDataRow then begins with the NextCell that reaches
// (or appends) the next row.

#include <QString>
#include <QStringList>

#include <functional>

class WordBasic;

// Told once after every data row a builder has written, so a window can show progress.
using RowWritten = std::function<void()>;

// Gives the column of the current cell the width `width`, such as "1,8 cm"; the cell stays
// current.
void SetColumnWidth(WordBasic& word, const QString& width);
// `width` such as "1,8 cm"; the caption goes into the current cell, then NextCell unless
// `last`.
void AddHeaderColumn(WordBasic& word, const QString& width, const QString& caption, bool last);
void RuleTable(WordBasic& word, int columns);
// The row number in decimal in the first cell (with the alignment the table carries), then
// each text left-aligned in the next cell.
void AddDataRow(WordBasic& word, int number, const QStringList& texts);
// The same row with `first` in place of the number.
void AddDataRow(WordBasic& word, const QString& first, const QStringList& texts);
void InsertEmptyParagraphs(WordBasic& word, int count);
// Leaves the column selection, rules the whole table and ends with its first cell to fill.
void LeaveColumnAndRuleTable(WordBasic& word);
// A ruled table of one row with the given column widths, selected for filling its first cell.
void AddBoxedRow(WordBasic& word, const QStringList& widths);
// A value in 11 pt over its caption in centred italic 10 pt; a row of the boxed headers.
void InsertCaptioned(WordBasic& word, const QString& value, const QString& caption);
// Leaves the table of the insertion point for the paragraph below it, then two empty ones.
void EndTable(WordBasic& word);
// An appendix of the report: a new page headed by `title` in bold 12 pt, centred; 10 pt
// after it.
void StartAppendix(WordBasic& word, const QString& title);
// A numbered heading of an appendix in bold 11 pt; what follows is 10 pt, centred as the
// tables are.
void AppendixHeading(WordBasic& word, int number, const QString& text);
