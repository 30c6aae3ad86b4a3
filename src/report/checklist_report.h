#pragma once
// BuildChecklistReport: the checklist report of a project or an assessment: the heading
// "LISTA KONTROLNA" over a ruled table of the checklist's questions and corrective actions
// with a "TAK/NIE" column, then "ZAGROŻENIA ZAWODOWE" over a table of the hazards with their
// sources and possible effects. Rows are numbered 1, 2, 3 ... in table order. A project's
// "TAK/NIE" column is left empty to fill in by hand; an assessment's holds the answers given,
// its corrective-action column is wider, and the page is headed with the card's workstation,
// unit and date. Sends commands only: it neither creates nor saves the document.

#include "report/report_tables.h"

struct AssessmentSnapshot;

enum class ChecklistVariant { Project, Assessment };

// A project is passed with the project part alone filled in.
void BuildChecklistReport(WordBasic& word, const AssessmentSnapshot& document, ChecklistVariant variant,
                          const RowWritten& rowWritten = {});
