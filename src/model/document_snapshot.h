#pragma once
// Snapshots: a document's data at one moment as plain values, with no widget in them. The
// report builders read nothing else, so they run without a window. A document window gives
// its snapshot with unsaved edits included (TForm2::snapshot, TForm5::snapshot); a snapshot
// may as well be filled from a document file (document_file_reader.h), key by key as the
// comments name them.
//
// Memos are lists of their stored paragraphs (an empty memo has none). Tables are their data
// rows, the title row left out, each row its cells by column, column 0 first: row i of a
// snapshot is row i + 1 of the window's table.

#include "risk/risk_method.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

using TableRows = QList<QStringList>;

// A project (.rpr): what an assessment shares with it.
struct ProjectSnapshot {
    QString fileName;              // full path, the window's caption
    // Section OPIS: the project's description.
    QString workstation;           // Stanowisko
    QString createdOn;             // DataUtw
    QString preparedBy;            // Opracowal
    QStringList description;       // Uwagi
    RiskMethod method = RiskMethod::None;   // Metoda
    // Section OPIS, keys OPISA to OPISF: location, room, production process, machines and
    // materials, personal protective equipment, other remarks.
    std::array<QStringList, 6> workstationMemos;
    // Hazard table, section ZAGROZENIA: hazard, source, possible effects, preventive
    // actions, then in an assessment the ratings and the risk text of the method's columns
    // (risk::hazardColumns).
    TableRows hazards;
    // Checklist, section WARUNKI: question, corrective action, and in an assessment the
    // answer "TAK" or "NIE".
    TableRows checklist;

    bool operator==(const ProjectSnapshot&) const = default;
};

// A risk assessment (.ron): the project it was made from and its assessment card.
struct AssessmentSnapshot : ProjectSnapshot {
    // Section OPISOC.
    QString unit;                  // Jednostka
    QString cardWorkstation;       // Stanowisko
    QString employees;             // Zatrudnienie, as typed
    QString cardNumber;            // NrKarty
    QString preparedOnDate;        // DataSp
    QString cardPreparedBy;        // Sporzodzil
    QStringList remarks;           // Uwagi
    QString reviewDate;            // DataPrzegladu: the next review, dd.MM.yyyy
    QString riskChangeDate;        // DataZmianyRyzyka: the last save that changed the risk
    // The action plan and the residual ratings, as action_plan.h lays out their columns.
    TableRows plan;
    TableRows residual;
    // The workers informed of the risk, as workers.h lays out their columns.
    TableRows workers;

    bool operator==(const AssessmentSnapshot&) const = default;
};
