#pragma once
// WritePlanAppendix: the appendix that the full risk report gets when the user asks for the
// action plan, on a new page after everything before it: "PLAN DZIAŁAŃ KORYGUJĄCYCH I
// ZAPOBIEGAWCZYCH", the measures as a ruled table (hazard, measure, kind, responsible, date,
// status) ordered by their date, those without a valid date last in the plan's order; then
// the risk per hazard now and after the measures, for every hazard that has a rating after
// them, in the hazard table's order. Sends commands only, like the report it follows.

struct AssessmentSnapshot;
class WordBasic;

void WritePlanAppendix(WordBasic& word, const AssessmentSnapshot& assessment);
