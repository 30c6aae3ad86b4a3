#include "model/document_table.h"

#include "base/win1250.h"
#include "model/document_fields.h"
#include "storage/ini_file.h"
#include "storage/stored_values.h"

#include <algorithm>

namespace {

QStringList emptyRow(int columns)
{
    QStringList row;
    row.resize(columns);
    return row;
}

} // namespace

DocumentTable::DocumentTable(int columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(columns), rows_{emptyRow(columns)}
{
}

int DocumentTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int DocumentTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant DocumentTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.column(), index.row());
}

bool DocumentTable::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCell(index.column(), index.row(), value.toString());
    return true;
}

Qt::ItemFlags DocumentTable::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool DocumentTable::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 1 || row > rows_.size() || count < 1)
        return false;
    beginInsertRows({}, row, row + count - 1);
    rows_.insert(row, count, emptyRow(columns_));
    endInsertRows();
    emit edited();
    return true;
}

bool DocumentTable::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 1 || count < 1 || row + count > rows_.size())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    rows_.remove(row, count);
    endRemoveRows();
    emit edited();
    return true;
}

QString DocumentTable::cell(int column, int row) const
{
    if (row < 0 || row >= rows_.size() || column < 0 || column >= columns_)
        return {};
    return rows_[row][column];
}

void DocumentTable::setCell(int column, int row, const QString& text)
{
    if (row < 0 || row >= rows_.size() || column < 0 || column >= columns_ || rows_[row][column] == text)
        return;
    rows_[row][column] = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
    if (row >= 1)
        emit edited();
}

void DocumentTable::setRowCount(int rows)
{
    rows = std::max(rows, 1);
    if (rows > rowCount())
        insertRows(rowCount(), rows - rowCount());
    else if (rows < rowCount())
        removeRows(rows, rowCount() - rows);
}

void DocumentTable::setColumnCount(int columns)
{
    if (columns == columns_)
        return;
    beginResetModel();
    columns_ = columns;
    for (QStringList& row : rows_)
        row.resize(columns);
    endResetModel();
}

void DocumentTable::setTitles(const QStringList& titles)
{
    for (int c = 0; c < columns_; ++c)
        rows_[0][c] = titles.value(c);
    emit dataChanged(index(0, 0), index(0, columns_ - 1), {Qt::DisplayRole, Qt::EditRole});
}

TableRows DocumentTable::dataRows() const
{
    return rows_.mid(1);
}

void DocumentTable::setDataRows(const TableRows& rows)
{
    QList<QStringList> replaced{rows_.first()};
    for (QStringList row : rows) {
        row.resize(columns_);
        replaced.append(row);
    }
    if (replaced == rows_)
        return;
    beginResetModel();
    rows_ = std::move(replaced);
    endResetModel();
    emit edited();
}

void DocumentTable::load(const TMemIniFile& file, const StoredField& field)
{
    beginResetModel();
    // The old rows go first: the new ones then take the memory they leave.
    rows_.resize(1);
    rows_.append(stored::readTable(file, field.section, field.key, columns_, field.defaultValue));
    endResetModel();
}

void DocumentTable::save(TMemIniFile& file, const StoredField& field) const
{
    // Cell i is column i % columns of data row i / columns + 1.
    const int columns = columns_;
    const ItemText key = [&field, columns](qsizetype i, QByteArray& out) {
        stored::cellKey(field.key, int(i % columns), int(i / columns) + 1, out);
    };
    const ItemText value = [this, columns](qsizetype i, QByteArray& out) {
        win1250::fromUnicode(rows_[i / columns + 1][i % columns], out);
    };
    const qsizetype storedCells = qsizetype(stored::tableRows(file, field.section, field.key)) * columns;
    const qsizetype cells = qsizetype(rows_.size() - 1) * columns;
    // A table this program wrote ends its section, row after row, and is replaced in one
    // pass. Any other layout takes the way whose bytes that pass copies: every stored cell
    // deleted, then every cell written.
    if (file.ReplaceTail(field.section, storedCells, cells, key, value))
        return;
    QByteArray keyText;
    QByteArray valueText;
    for (qsizetype i = 0; i < storedCells; ++i) {
        key(i, keyText);
        file.DeleteValue(field.section, keyText);
    }
    for (qsizetype i = 0; i < cells; ++i) {
        key(i, keyText);
        value(i, valueText);
        file.WriteValue(field.section, keyText, valueText);
    }
}
