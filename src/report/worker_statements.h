#pragma once
// BuildWorkerStatements: the statements the workers of an assessment sign for their personnel
// files, one A4 page per worker: the unit, the worker's name and position, the statement that
// the worker was informed of the occupational risk of the workstation assessed in the card of
// that number and date, the risk of each hazard in a short table, and lines for the date and
// the signature. Sends commands only: it neither creates nor saves the document.

#include <QString>

class WordBasic;
struct AssessmentSnapshot;

// `worker`: the index of one worker among workers::listed(assessment.workers), or -1 for a
// page for every listed worker. Throws AppError when the assessment lists no worker (or not
// that one).
void BuildWorkerStatements(WordBasic& word, const AssessmentSnapshot& assessment, int worker = -1);
