#include "controls/string_grid_ini.h"

#include "controls/win1250_input.h"
#include "model/document_model.h"
#include "model/document_table.h"

#include <QHeaderView>
#include <QScrollBar>

TStringGridIni::TStringGridIni(QWidget* parent) : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setItemDelegate(new Win1250CellDelegate(this));
}

DocumentTable& TStringGridIni::table() const
{
    return documentModel()->table(field());
}

QString TStringGridIni::cell(int col, int row) const
{
    return table().cell(col, row);
}

void TStringGridIni::setCell(int col, int row, const QString& text)
{
    table().setCell(col, row, text);
}

int TStringGridIni::rowCount() const
{
    return table().rowCount();
}

int TStringGridIni::columnCount() const
{
    return table().columnCount();
}

void TStringGridIni::setRowCount(int rows)
{
    table().setRowCount(rows);
}

void TStringGridIni::insertRow(int row)
{
    table().insertRows(row, 1);
}

void TStringGridIni::removeRow(int row)
{
    table().removeRows(row, 1);
}

int TStringGridIni::currentRow() const
{
    return currentIndex().row();
}

int TStringGridIni::currentColumn() const
{
    return currentIndex().column();
}

void TStringGridIni::setCurrentCell(int row, int column)
{
    setCurrentIndex(table().index(row, column));
}

void TStringGridIni::scrollToCell(int row, int column)
{
    scrollTo(table().index(row, column));
}

// The view shows the model's table from now on; its current cell, clicks and double-clicks
// are told by cell.
void TStringGridIni::connectEdits()
{
    setModel(&table());
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { emit currentCellChanged(current.row(), current.column()); });
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit cellClicked(index.row(), index.column()); });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit cellDoubleClicked(index.row(), index.column()); });
}

void TStringGridIni::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    keepTopRowWhole();
}

void TStringGridIni::updateGeometries()
{
    QTableView::updateGeometries();
    keepTopRowWhole();
}

void TStringGridIni::keepTopRowWhole()
{
    const QScrollBar* bar = verticalScrollBar();
    if (verticalScrollMode() != ScrollPerItem || bar->value() != bar->maximum())
        return;
    const int offset = verticalHeader()->offset();
    verticalHeader()->setOffsetToSectionPosition(bar->value());
    if (verticalHeader()->offset() != offset) {
        updateEditorGeometries();
        viewport()->update();
    }
}
