#pragma once
// How the bound controls' values lie in a document file, as plain functions of the in-memory
// copy: the controls read and write through them, and a document is read without a window
// through them too, so both decode the same bytes alike.
//
// A memo: one key per paragraph (stem1, stem2, ...) followed by the end marker "@NUL@"; an
// empty paragraph is stored as "@#13#10@". A table: cell (c, r) under stem + c + "/" + r;
// the table ends at the first row whose column-0 key is missing (or holds "@Koniec@").
// A radio group: the text of its selected entry, compared without regard to letter case.

#include <QByteArray>
#include <QString>
#include <QStringList>

class TMemIniFile;

namespace stored {

extern const QByteArray MemoEnd;

QByteArray memoLineKey(const QByteArray& stem, int n);
// The stored form of one paragraph.
QByteArray memoLineBytes(const QString& line);
// The paragraphs up to the end marker.
QStringList readMemo(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem);

QByteArray cellKey(const QByteArray& stem, int col, int row);
// The same into `out`, which keeps its room.
void cellKey(const QByteArray& stem, int col, int row, QByteArray& out);
// The rows a table holds: those before its end.
int tableRows(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem);
// The rows of a table, from row 1 to its end, each with the cells of columns 0 to
// columns - 1; a missing cell gives `def`. What each cell's key finds is found by one walk
// over the section's lines, not by a lookup per cell.
QList<QStringList> readTable(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem, int columns,
                             const QByteArray& def);

// The index of the first of `values` equal to `stored` regardless of letter case, or -1.
int matchingValue(const QByteArray& stored, const QStringList& values);

} // namespace stored
