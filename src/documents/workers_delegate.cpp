#include "documents/workers_delegate.h"

#include "documents/cell_editors.h"
#include "model/document_table.h"
#include "model/workers.h"

#include <QDateEdit>

WorkersDelegate::WorkersDelegate(QTableView* table, DocumentTable& workers)
    : GridDelegate(table, {.boldTitles = true, .evenRowsWindowText = true, .red = RedRule::None}), workers_(workers)
{
}

QWidget* WorkersDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    if (index.row() < 1)
        return nullptr;
    if (index.column() == workers::Acknowledged)
        return createDateCellEditor(parent);
    return GridDelegate::createEditor(parent, option, index);
}

void WorkersDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* date = qobject_cast<QDateEdit*>(editor))
        setDateCellEditorData(date, index.data().toString());
    else
        GridDelegate::setEditorData(editor, index);
}

void WorkersDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* date = qobject_cast<QDateEdit*>(editor)) {
        if (const std::optional<QString> text = dateCellEditorText(date, index.data().toString()))
            workers_.setCell(workers::Acknowledged, index.row(), storedDate(*text));
    } else {
        GridDelegate::setModelData(editor, model, index);
    }
}
