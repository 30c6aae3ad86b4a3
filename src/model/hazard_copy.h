#pragma once
// Copying hazards and checklist questions from another document into an open one. The other
// document is read as it lies on disk, without its lock and never written; the chosen rows
// are appended to the target's tables: a hazard with its sources, effects and preventive
// actions, a question with its corrective action. The ratings of a hazard come along only
// from an assessment of the same method into an assessment; anywhere else they stay empty.
//
// A row already in the target (the same hazard and source, or the same question, compared
// as the find does: with Windows-1250 upper case) is offered too, marked, so the user sees
// it and may still take it.

#include "model/document_snapshot.h"

#include <QList>
#include <QString>

class DocumentModel;

struct OfferedRow {
    QStringList cells;       // as the source holds them, column 0 first
    bool alreadyInTarget;
};

struct CopyOffer {
    QList<OfferedRow> hazards;
    QList<OfferedRow> checklist;
    bool withRatings = false;
    // Why the ratings stay empty, for an assessment target that will not get them; empty
    // otherwise.
    QString ratingsLeftOut;
};

// What `sourceFile` (".ron" an assessment, anything else a project) offers to `target`.
// Throws AppError naming the cause when the file cannot be read as such a document.
CopyOffer offerRowsFrom(const QString& sourceFile, const DocumentModel& target);

// Appends the offered rows numbered `hazards` and `checklist` (indexes into the offer's
// lists) in their order; the target is modified when a row was added. Copied rated rows get
// their risk computed again: throws as DocumentModel::recomputeRow does, the rows staying.
void appendOfferedRows(DocumentModel& target, const CopyOffer& offer, const QList<int>& hazards,
                       const QList<int>& checklist);
