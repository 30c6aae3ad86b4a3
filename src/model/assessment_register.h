#pragma once
// The register of assessments: one summary per risk assessment of a folder and its
// subfolders, read without a window and without taking the files' locks. The register
// holds these summaries, never the documents.

#include "risk/risk_method.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

struct RegisterEntry {
    QString path;
    // Why the file could not be read; empty for an assessment that was read (the fields
    // below are then its summary).
    QString failure;
    QString workstation;        // "Stanowisko" of the card
    QString unit;
    QString cardNumber;
    QString preparedOn;         // "Data sporządzenia", as typed
    QString preparedBy;
    RiskMethod method = RiskMethod::None;
    int hazards = 0;
    int rated = 0;
    std::array<int, 5> levels{};   // index 0 is level 1
    int unacceptable = 0;          // levels 4 and 5 now
    int unacceptableAfter = 0;     // still unacceptable after the planned measures
    int measures = 0;
    int overdue = 0;
    int workersToInform = 0;       // listed workers informed before the last change of risk
    QDate review;                  // the next review; invalid when none is set
};

// The register's columns, as the window and the exports show them.
enum RegisterColumn {
    RegisterWorkstation,
    RegisterUnit,
    RegisterCardNumber,
    RegisterPreparedOn,
    RegisterPreparedBy,
    RegisterMethod,
    RegisterRated,
    RegisterLevel1,
    RegisterLevel5 = RegisterLevel1 + 4,
    RegisterUnacceptable,
    RegisterUnacceptableAfter,
    RegisterMeasures,
    RegisterOverdue,
    RegisterWorkersToInform,
    RegisterReview,
    RegisterPath,
    RegisterColumnCount
};
const QStringList& registerCaptions();
// The text of one cell of the register; a file that could not be read shows its failure in
// the workstation's column and its path, nothing else.
QString registerText(const RegisterEntry& entry, int column);

// Where the next review stands on `today`.
enum class ReviewState {
    None,     // no review date
    Passed,   // the date has passed
    Soon,     // within 30 days
    Later,
};
ReviewState reviewState(QDate review, QDate today);
// Whether the review is due: passed or within 30 days.
bool reviewDue(QDate review, QDate today);

// Every .ron file of `folder` and its subfolders, sorted by path.
QStringList assessmentFiles(const QString& folder);
// The summary of the assessment `path` on `today`; a file that cannot be read gives its
// failure instead.
RegisterEntry registerEntry(const QString& path, QDate today);
