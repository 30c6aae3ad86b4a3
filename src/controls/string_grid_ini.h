#pragma once
// TStringGridIni: the view of one of a document's tables (a DocumentTable, bound through
// its Table field). Row 0 is the table's title row; the document windows show it as the
// grid's fixed header, above the rows that scroll. The cell and row functions below read
// and change the model, as every command does; the view holds no cell of its own.
// Cell editors come from a Win1250CellDelegate, so text Windows-1250 cannot hold is refused.

#include "controls/bound_control.h"

#include <QTableView>

class DocumentTable;

class TStringGridIni : public QTableView, public BoundControl {
    Q_OBJECT
public:
    explicit TStringGridIni(QWidget* parent = nullptr);

    DocumentTable& table() const;
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    int rowCount() const;
    int columnCount() const;
    void setRowCount(int rows);
    void insertRow(int row);
    void removeRow(int row);

    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int column);
    // Brings the cell into view.
    void scrollToCell(int row, int column);

signals:
    void currentCellChanged(int row, int column);
    void cellClicked(int row, int column);
    void cellDoubleClicked(int row, int column);

protected:
    void showField() override {}
    void connectEdits() override;
    // Scrolling by whole rows, Qt lines the last row up with the bottom edge once the end is
    // reached and so cuts the row at the top; the grid keeps the top row whole instead (the
    // scroll range counts only the rows that fit whole, so the last row is still in view).
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    void keepTopRowWhole();
};
