#pragma once
// The action plan of an assessment and the risk left after it, as plain rules on the rows of
// the two tables that hold them (both in the hazard table's encoding, in sections of their
// own):
// - the plan (section PLAN): one row per measure: the hazard's row number and name, the
//   measure, its kind, who is responsible, the date it is due, its cost, its status, the
//   date it was done and remarks;
// - the residual ratings (section RYZYKO_PO): one row per rated hazard: the hazard's row
//   number and name, S, P and E after the measures and the risk they give.
// A row names its hazard by number and by name, so it follows the hazard when rows are
// inserted or deleted and finds it again by name when the hazard table changed elsewhere; a
// measure whose hazard is gone keeps row number 0 and is never dropped. Dates are stored as
// dd.MM.yyyy, amounts with a decimal comma.

#include "model/document_snapshot.h"

#include <QDate>
#include <optional>

class DocumentTable;

namespace plan {

// The columns of a plan row.
enum Column {
    HazardRow,
    HazardName,
    Measure,
    Kind,
    Responsible,
    Due,
    Cost,
    Status,
    Done,
    Remarks,
    ColumnCount
};

// The columns of a residual row.
enum ResidualColumn { ResidualRow, ResidualName, ResidualS, ResidualP, ResidualE, ResidualRisk, ResidualColumnCount };

const QStringList& kinds();
const QStringList& statuses();
// "planowane", the status of a new measure; "wykonane", the status of a measure done.
const QString& plannedStatus();
const QString& doneStatus();
constexpr int MeasureLimit = 250;

// A date as the file stores it, or an invalid date for anything else.
QDate parseDate(const QString& text);
QString dateText(QDate date);
// A cost typed or stored ("1234,50"), or nullopt for a text that is no non-negative amount.
// An empty text is no cost: 0.
std::optional<double> parseCost(const QString& text);
QString costText(double amount);

// How many days the measure of `row` is overdue on `today`: its date has passed and it is
// still planned or in progress. 0 when it is not overdue.
int overdueDays(const QStringList& row, QDate today);
// The plan rows overdue on `today`.
int overdueCount(const TableRows& plan, QDate today);

// The rows of `table` (plan or residual) after hazard rows [first, first + count) were
// inserted (count > 0) or removed (count < 0): the numbers after them move, a removed
// hazard's measures keep number 0, its residual row goes.
void followInsertedHazards(DocumentTable& table, int first, int count);
void followRemovedHazards(DocumentTable& table, int first, int count, bool keepOrphans);
// Links every row of `table` to its hazard again after a load: a row whose number names a
// hazard of the same name stays; any other finds the first hazard of its name, or keeps
// number 0 (a residual row without its hazard goes). Not an edit.
void relink(DocumentTable& table, const DocumentTable& hazards, bool keepOrphans);

// One planned measure per hazard row that has preventive actions and no measure yet, taken
// from the hazard's "Działania zapobieg." text; appended to the plan. Returns how many.
int addMeasuresFromHazards(DocumentTable& plan, const DocumentTable& hazards);

// Orders the plan's measures by their due date, the earliest first; measures without a valid
// date keep their order after the dated ones. No edit when the order stays.
void sortByDue(DocumentTable& plan);

// The residual row of hazard row `hazardRow`, or -1 when it has none.
int residualRowOf(const DocumentTable& residual, int hazardRow);

// The cells the risk after the measures is computed from, by the rules of the hazard table:
// the hazard row's `cells` with S, P and E taken from `residual` (a residual row); the
// columns the method does not rate stay as they are.
QStringList residualCells(RiskMethod method, QStringList cells, const QStringList& residual);

} // namespace plan
