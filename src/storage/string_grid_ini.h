#pragma once
// TStringGridIni: a text grid bound to a section; cell (c, r) is stored under the key
// Identyfikator + c + "/" + r. With Tytul set, row 0 is a title row that is neither stored
// nor read. The end of the table is the first row whose column-0 key is missing.
// The grid is the data: cells are read and written through cell()/setCell(); the row count
// includes the title row. Row 0 is an ordinary row of the grid; the document windows show it
// as the grid's fixed header, above the rows that scroll.
// Cell editors come from a Win1250CellDelegate, so text Windows-1250 cannot hold is refused.

#include "storage/bound_control.h"

#include <QTableWidget>

class TStringGridIni : public QTableWidget, public BoundControl {
    Q_OBJECT
public:
    explicit TStringGridIni(QWidget* parent = nullptr);

    bool Tytul = false;

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);

    void ReadIni() override;
    void WriteIni() override;
    void connectEdits(QObject* context, const std::function<void()>& edited) override;
    // Writes every cell of the last row / of the current cell's row; deletes nothing.
    void AppendIni();
    void PostIni();

protected:
    // Scrolling by whole rows, Qt lines the last row up with the bottom edge once the end is
    // reached and so cuts the row at the top; the grid keeps the top row whole instead (the
    // scroll range counts only the rows that fit whole, so the last row is still in view).
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    void keepTopRowWhole();
    int firstStoredRow() const { return Tytul ? 1 : 0; }
    // The number of the first row the document does not hold.
    int storedRowEnd(const QByteArray& section, const QByteArray& stem) const;
    void writeRow(int row, const QByteArray& section, const QByteArray& stem);
};
