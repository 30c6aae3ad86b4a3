#pragma once
// The row commands of the main window's "&Narzędzia" menu on a document window's tables:
// add a row at the end, insert a row above the selected one, delete the selected row,
// duplicate the selected row. They
// act on a project window's hazard table (its tab 2, where a new row is filled from the
// hazard catalogue picker) and checklist (tab 3), and change nothing in an assessment. The
// tables change in memory only; the next save writes them.

#include "risk/risk_method.h"

#include <QString>
#include <QStringList>

class DocumentWindow;

namespace row_commands {

// The S entries the hazard catalogue picker offers for `method`; Matrycowa offers its short
// entries ("1=małe" ...) when `shortMatrycowa` is set. Empty without a method.
QStringList degreesOfHarm(RiskMethod method, bool shortMatrycowa);

// Each command does nothing when `window` is null or not a project window; otherwise the
// document counts as modified. The new or inserted row is empty, selected and scrolled into
// view; on the hazard tab the picker then fills it from the catalogue at `cataloguePath`.
// Throws AppError when the catalogue cannot be read (after saying so); the new row stays,
// empty and selected.
void AddRow(DocumentWindow* window, const QString& cataloguePath);
// Nothing changes while the title row is selected.
void InsertRow(DocumentWindow* window, const QString& cataloguePath);
// Asks "Usunąć wiersz z tabeli." first; removes the selected row on Yes unless it is the
// title row.
void DeleteRow(DocumentWindow* window);
// Inserts a copy of the selected row below it and selects the copy, for one hazard with a
// second source. Nothing changes while the title row is selected.
void DuplicateRow(DocumentWindow* window);

} // namespace row_commands
