#pragma once
// BuildChecklistReport: the checklist report of a project or an assessment: the heading
// "LISTA KONTROLNA" over a ruled table of the checklist's questions and corrective actions
// with an empty "TAK/NIE" column to fill in by hand, then "ZAGROŻENIA ZAWODOWE" over a
// table of the hazards with their sources and possible effects. Rows are numbered 1, 2, 3 ...
// in table order. An assessment's answers are not written; its corrective-action column is
// wider. Sends commands only: it neither creates nor saves the document.

#include "report/report_tables.h"

struct ProjectSnapshot;

enum class ChecklistVariant { Project, Assessment };

void BuildChecklistReport(WordBasic& word, const ProjectSnapshot& document, ChecklistVariant variant,
                          const RowWritten& rowWritten = {});
