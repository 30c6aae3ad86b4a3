#pragma once
// The checklist's index RBHP: the share of "NIE" answers among the questions, and the level
// of compliance with the safety rules it falls in. Read by the risk report and the overview.

#include "model/document_snapshot.h"

struct ChecklistCount {
    int questions = 0;
    int noAnswers = 0;    // rows answered "NIE"
    int unanswered = 0;   // rows answered neither "TAK" nor "NIE"

    // The index counts "NIE" among all the questions, so it says nothing until at least one
    // question is answered.
    bool indexComputed() const { return questions > unanswered; }
};
ChecklistCount countAnswers(const TableRows& checklist);

// The RBHP index of `noAnswers` "NIE" among `questions` (> 0) with two decimals ("0,25"),
// and its level line ("Stopień przestrzegania zasad bhp: średni\r").
QString rbhpIndex(int noAnswers, int questions);
QString rbhpLevel(int noAnswers, int questions);
// The level alone: "bardzo duży", "duży", "średni", "mały" or "bardzo mały".
QString rbhpLevelName(int noAnswers, int questions);
// "Pytania bez odpowiedzi: 2 z 5."
QString unansweredLine(const ChecklistCount& count);
