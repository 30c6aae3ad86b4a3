// The snapshots of both kinds of document window.

#include "documents/document_snapshot.h"

#include "documents/assessment_window.h"
#include "documents/project_window.h"
#include "storage/edit_ini.h"
#include "storage/memo_ini.h"
#include "storage/string_grid_ini.h"

namespace {

TableRows rowsOf(const TStringGridIni* table)
{
    TableRows rows;
    rows.reserve(table->rowCount() - 1);
    for (int r = 1; r < table->rowCount(); ++r) {
        QStringList cells;
        cells.reserve(table->columnCount());
        for (int c = 0; c < table->columnCount(); ++c)
            cells.append(table->cell(c, r));
        rows.append(cells);
    }
    return rows;
}

} // namespace

void DocumentWindow::fillSnapshot(ProjectSnapshot& snapshot) const
{
    snapshot.fileName = windowTitle();
    snapshot.workstation = EditIni1->text();
    snapshot.createdOn = EditIni2->text();
    snapshot.preparedBy = EditIni3->text();
    snapshot.description = MemoIni1->lines();
    snapshot.method = method();
    const TMemoIni* memos[] = {MemoIni2, MemoIni3, MemoIni4, MemoIni5, MemoIni6, MemoIni7};
    for (size_t i = 0; i < snapshot.workstationMemos.size(); ++i)
        snapshot.workstationMemos[i] = memos[i]->lines();
    snapshot.hazards = rowsOf(StringGridIni1);
    snapshot.checklist = rowsOf(StringGridIni2);
}

ProjectSnapshot TForm2::snapshot() const
{
    ProjectSnapshot snapshot;
    fillSnapshot(snapshot);
    return snapshot;
}

AssessmentSnapshot TForm5::snapshot() const
{
    AssessmentSnapshot snapshot;
    fillSnapshot(snapshot);
    snapshot.unit = EditIni4->text();
    snapshot.cardWorkstation = EditIni5->text();
    snapshot.employees = EditIni6->text();
    snapshot.cardNumber = EditIni7->text();
    snapshot.preparedOnDate = EditIni8->text();
    snapshot.cardPreparedBy = EditIni9->text();
    snapshot.remarks = MemoIni8->lines();
    return snapshot;
}
