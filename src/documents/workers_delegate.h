#pragma once
// WorkersDelegate: paints the workers' table as every document table is painted and edits
// the date of acknowledgement with a date editor and its calendar; the other columns are
// typed in a line that refuses what Windows-1250 cannot hold.

#include "documents/grid_delegate.h"

class DocumentTable;

class WorkersDelegate : public GridDelegate {
    Q_OBJECT
public:
    WorkersDelegate(QTableView* table, DocumentTable& workers);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    DocumentTable& workers_;
};
