#pragma once
// The workers informed of an assessment's risk (section PRACOWNICY, in the hazard table's
// encoding): one row per worker with the name, the position or function, the date the worker
// acknowledged the assessment (dd.MM.yyyy) and remarks. The assessment keeps the date of the
// last save that changed its risk; a worker told before it, or never, is to be told again.

#include "model/document_snapshot.h"

namespace workers {

enum Column { Name, Position, Acknowledged, Remarks, ColumnCount };

// Whether the worker of `row` is to be informed again: a row with a name whose date of
// acknowledgement is empty (or no date) or earlier than `riskChanged` (dd.MM.yyyy; empty when
// the risk never changed). A row without a name is no worker.
bool isOutdated(const QStringList& row, const QString& riskChanged);
int outdatedCount(const TableRows& rows, const QString& riskChanged);
// The rows that name a worker, in order.
TableRows listed(const TableRows& rows);
// The names of `text`, one a line, blank lines and surrounding spaces left out.
QStringList namesOfLines(const QString& text);

} // namespace workers
