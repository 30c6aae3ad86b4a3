#pragma once
// WritePlanSpreadsheet: the action plans of one or more assessments as one sheet, for users
// who follow the measures in a spreadsheet. The file's extension chooses the format:
// - .xlsx: a workbook with a bold header row frozen above the data and an autofilter over
//   it; due and done dates are date cells shown dd.mm.yyyy, the cost a number with two
//   decimals; an overdue measure's row is painted red by a conditional format that compares
//   its date with TODAY() and looks at its status, so the sheet stays right on any later
//   day; each column is as wide as its longest text (within limits).
// - .csv: UTF-8 with a byte order mark (so spreadsheet programs take it for UTF-8), fields
//   separated by semicolons, a field with a semicolon, a quote or a line break quoted, lines
//   ending CR LF; dates and costs as the document stores them.
// One row per measure, in the plan's order, assessment after assessment. With more than one
// assessment the first column names the assessment's workstation. The last column holds the
// risk after the measures of the measure's hazard, as the residual rating gives it.
//
// Throws AppError with the file and the cause when it cannot be written, and for any other
// extension; an existing file is then left as it was.

#include <QList>
#include <QString>
#include <QStringList>

struct AssessmentSnapshot;

void WritePlanSpreadsheet(const QList<AssessmentSnapshot>& assessments, const QString& fileName);

// True for the extensions WritePlanSpreadsheet writes (".xlsx", ".csv", any case).
bool isPlanSpreadsheetName(const QString& fileName);
