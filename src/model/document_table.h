#pragma once
// DocumentTable: one of a document's tables (the hazards, the checklist) as a table model.
// Row 0 is the title row: it holds the column titles the window shows above the rows, and
// the file never stores it. Cells are plain texts; a cell never written is a null string.
//
// Every change of the stored rows (a cell's text, a row added, inserted or removed) is an
// edit and is reported by edited(); the titles and the number of columns are the table's
// shape, not its data, and change nothing a file holds.

#include "model/document_snapshot.h"

#include <QAbstractTableModel>

class TMemIniFile;
struct StoredField;

class DocumentTable : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DocumentTable(int columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // The cell's text for the display and edit roles.
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    QString cell(int column, int row) const;
    // Changes nothing when the cell already holds `text` or lies outside the table.
    void setCell(int column, int row, const QString& text);
    // The rows, the title row included, hold at least the title row.
    void setRowCount(int rows);
    // Keeps the cells of the first `columns` columns.
    void setColumnCount(int columns);
    void setTitles(const QStringList& titles);
    // The data rows, title row left out: row i is the table's row i + 1.
    TableRows dataRows() const;
    // Replaces the data rows by `rows`, each cut or filled to the table's columns; an edit
    // when they differ.
    void setDataRows(const TableRows& rows);

    // Replaces every data row by the rows `file` holds under `field`, as many columns as the
    // table has; not an edit.
    void load(const TMemIniFile& file, const StoredField& field);
    // Writes the data rows under `field`: the old cells of the table's columns go first, so
    // the table lies row after row at the end of its section; keys of other columns stay.
    void save(TMemIniFile& file, const StoredField& field) const;

signals:
    void edited();

private:
    int columns_;
    QList<QStringList> rows_;
};
