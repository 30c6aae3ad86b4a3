#include "storage/string_grid_ini.h"

#include "base/win1250.h"
#include "storage/ini_file.h"
#include "storage/stored_values.h"
#include "storage/win1250_input.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

using stored::cellKey;

TStringGridIni::TStringGridIni(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setItemDelegate(new Win1250CellDelegate(this));
}

QString TStringGridIni::cell(int col, int row) const
{
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void TStringGridIni::setCell(int col, int row, const QString& text)
{
    if (QTableWidgetItem* it = item(row, col))
        it->setText(text);
    else
        setItem(row, col, new QTableWidgetItem(text)); // the grid owns its items
}

int TStringGridIni::storedRowEnd(const QByteArray& section, const QByteArray& stem) const
{
    return stored::tableEnd(ini(), section, stem, firstStoredRow());
}

void TStringGridIni::ReadIni()
{
    const TMemIniFile& file = ini();
    const QByteArray section = sectionBytes();
    const QByteArray stem = keyBytes();
    const QByteArray def = defaultBytes();
    const int end = storedRowEnd(section, stem);
    setRowCount(std::max(end, 1));
    for (int row = firstStoredRow(); row < end; ++row) {
        const QStringList cells = stored::readTableRow(file, section, stem, row, columnCount(), def);
        for (int col = 0; col < cells.size(); ++col)
            setCell(col, row, cells[col]);
    }
}

void TStringGridIni::WriteIni()
{
    TMemIniFile& file = ini();
    const QByteArray section = sectionBytes();
    const QByteArray stem = keyBytes();
    // Removing the old cells first puts the whole table, row after row, at the end of its
    // section; keys of columns the grid does not have stay where they are.
    const int end = storedRowEnd(section, stem);
    for (int row = firstStoredRow(); row < end; ++row) {
        for (int col = 0; col < columnCount(); ++col)
            file.DeleteValue(section, cellKey(stem, col, row));
    }
    for (int row = firstStoredRow(); row < rowCount(); ++row)
        writeRow(row, section, stem);
}

// The title row is never stored: a grid holding only it, or a selection on it, writes nothing.
void TStringGridIni::AppendIni()
{
    if (rowCount() - 1 >= firstStoredRow())
        writeRow(rowCount() - 1, sectionBytes(), keyBytes());
}

void TStringGridIni::PostIni()
{
    if (currentRow() >= firstStoredRow())
        writeRow(currentRow(), sectionBytes(), keyBytes());
}

void TStringGridIni::writeRow(int row, const QByteArray& section, const QByteArray& stem)
{
    TMemIniFile& file = ini();
    for (int col = 0; col < columnCount(); ++col)
        file.WriteValue(section, cellKey(stem, col, row), win1250::fromUnicode(cell(col, row)));
}

void TStringGridIni::scrollContentsBy(int dx, int dy)
{
    QTableWidget::scrollContentsBy(dx, dy);
    keepTopRowWhole();
}

void TStringGridIni::updateGeometries()
{
    QTableWidget::updateGeometries();
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

// A cell's text changed: typed, pasted, picked or read.
void TStringGridIni::connectEdits(QObject* context, const std::function<void()>& edited)
{
    connect(this, &QTableWidget::cellChanged, context, edited);
}
