#pragma once
// BuildRiskReport: the full occupational risk assessment report of an assessment: the title,
// the header table (unit, workstation, date, author), seven numbered sections (workstation
// description, hazard identification, the method's explanation, preventive actions,
// conclusions, the risk assessment card with each hazard's formula and risk, and the
// checklist with its index RBHP and level), the signature block of the assessment team and
// the employee acknowledgement sheet. Sends commands only: it neither creates nor saves the
// document.
//
// Throws AppError "„<text>” nie jest poprawną liczbą całkowitą." for a FIVE STEPS assessment whose
// employee count is not a whole number; the report then ends where the count is needed.

#include "model/checklist_index.h"
#include "report/report_tables.h"

struct AssessmentSnapshot;

void BuildRiskReport(WordBasic& word, const AssessmentSnapshot& assessment, const RowWritten& rowWritten = {});

// The factor text of a rating cell: its text before the first "=", empty without one.
QString factorText(const QString& cell);
