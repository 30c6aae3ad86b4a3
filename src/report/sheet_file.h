#pragma once
// A table written as a spreadsheet file for users who work on it outside the program. The
// file's extension chooses the format:
// - .xlsx: one sheet with a bold header row frozen above the data and an autofilter over
//   it; date columns hold date cells shown dd.mm.yyyy, amount columns numbers with two
//   decimals, count columns whole numbers; rows for which the warning formula holds are
//   painted red by a conditional format, so the sheet stays right on any later day; each
//   column is as wide as its longest text (within limits);
// - .csv: UTF-8 with a byte order mark (so spreadsheet programs take it for UTF-8), fields
//   separated by semicolons, a field with a semicolon, a quote or a line break quoted, lines
//   ending CR LF; every cell as its text.
// Throws AppError with the file and the cause when it cannot be written, and for any other
// extension; an existing file is then left as it was.

#include <QList>
#include <QString>
#include <QStringList>

struct SheetTable {
    QString name;                 // the sheet's name
    QStringList header;
    QList<QStringList> rows;      // every row has a cell per header
    QList<int> dateColumns;       // dd.MM.yyyy texts
    QList<int> amountColumns;     // amounts with a decimal comma
    QList<int> countColumns;      // whole numbers
    // The condition of a row painted red, as a spreadsheet formula on the first data row
    // (row 2; "$E2" names that row's cell of column E); none when empty.
    QString warningFormula;
};

// True for the extensions writeSheetFile writes (".xlsx", ".csv", any case).
bool isSheetFileName(const QString& fileName);
void writeSheetFile(const SheetTable& table, const QString& fileName);
// The letter of column `column` (0 is A) of a sheet of at most 26 columns.
QString sheetColumn(int column);
