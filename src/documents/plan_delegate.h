#pragma once
// PlanDelegate: paints the action plan's cells as every document table is painted (a
// measure whose hazard is gone shows "(zagrożenie usunięte)") and edits each column with
// its own editor: the assessment's hazards, the kinds and the statuses from lists, the dates
// with a date editor and its calendar, the cost and the texts in a line. What an editor
// gives goes through editPlanCell, so a bad value is refused with a message and the cell
// keeps its text.

#include "documents/grid_delegate.h"

class DocumentModel;
class DocumentTable;

// Puts `text` into plan cell (`column`, `row`) as the user's edit: a date must be a
// dd.MM.yyyy date or empty, the cost a non-negative amount (stored with two decimals), the
// measure at most MeasureLimit characters, and no text may hold a character Windows-1250
// cannot hold. A refused text leaves the cell as it was after a Polish message; false then.
// A status that becomes "wykonane" gives an empty "Data wykonania" today's date.
bool editPlanCell(DocumentTable& plan, int column, int row, const QString& text);

class PlanDelegate : public GridDelegate {
    Q_OBJECT
public:
    PlanDelegate(QTableView* table, DocumentModel& document);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    QString cellText(const QModelIndex& index) const override;

private:
    DocumentModel& document_;
};
