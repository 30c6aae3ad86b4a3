#pragma once
// The four risk-estimation methods: their scales, the numeric value of a scale entry, the
// factor I of FIVE STEPS, the five risk levels and the risk cell text. No widgets: the
// document windows and the reports call these plain functions.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

enum class RiskMethod { None = -1, PHA = 0, RiskScore = 1, FiveSteps = 2, Matrycowa = 3 };

namespace risk {

enum class Factor { S, P, E };

// "PHA", "RISK SCORE", "FIVE STEPS", "Matrycowa (PN-N-18002)": the stored texts and the
// captions of the method buttons, in index order.
const QStringList& methodNames();
// The method of a radio-group index; anything outside 0..3 is None.
RiskMethod methodFromIndex(int index);

// The entries of a scale in the order they are offered; empty when the method has no such
// factor (E of PHA and Matrycowa, every scale of None).
const QStringList& scale(RiskMethod method, Factor factor);
// The short Matrycowa S entries of the catalogue picker: "1=małe", "2=średnie", "3=duże".
const QStringList& shortMatrycowaS();

// The number in front of the first "=" of a cell text, with a decimal comma.
// Throws AppError with the text "„<text before =>” nie jest poprawną liczbą."
double entryValue(const QString& cellText);
// The value of a factor cell when it is an entry of the method's `factor` scale: the number
// in front of its first "=" is one of that scale's values. nullopt for an empty cell, a
// text without such a number, or a value the scale does not have (an entry of another
// method's scale left behind by a change of method).
std::optional<double> scaleValue(RiskMethod method, Factor factor, const QString& cellText);
// The scale entry a text put into a factor cell stands for: the text itself when it is an
// entry of the scale (the short Matrycowa S entries included), or the entry whose number
// the text is ("6", "0,5", "0.5"; blanks at the ends ignored). nullopt for anything else.
std::optional<QString> enteredEntry(RiskMethod method, Factor factor, const QString& text);
// The FIVE STEPS weight of an employee count: 1, 2, 4, 8 or 12 (negative counts give 12).
int factorI(qint32 employees);

// 1..5 from N = round-half-even(10 x R) and the method's bands. REQUIRES: method is not None.
int level(RiskMethod method, double r);
// The upper R limits of levels 1 to 4 (each limit still belongs to its lower level).
// REQUIRES: method is not None.
std::array<double, 4> levelLimits(RiskMethod method);
// "Ryzyko bardzo małe - dopuszczalne" ... "Ryzyko bardzo duże - niedopuszczalne".
QString levelText(int level);
// "R = " + R with one decimal + " " + level text.
QString riskText(RiskMethod method, double r);
// True for the texts drawn in pure red: those that contain "duże - niedopuszczalne".
bool isUnacceptable(const QString& cellText);

// Columns of the assessment's hazard table for a method; e is -1 when there is no E column.
struct HazardColumns {
    int s;
    int p;
    int e;
    int risk;
    int count;
};
HazardColumns hazardColumns(RiskMethod method);
// The factor whose cells fill `column` of the method's hazard table, or nullopt for any
// other column and for no method.
std::optional<Factor> factorOfColumn(RiskMethod method, int column);
// True when a factor cell of the row holds a text that is not an entry of the method's
// scale, so the row cannot be rated until that factor is picked again. False without a
// method: then nothing is rated at all.
bool hasOffScaleFactor(RiskMethod method, const QStringList& cells);

// R of one hazard row (`cells` indexed by column): the product of its factors (and of
// factor I for FIVE STEPS), or nullopt without a method or when a factor cell is empty or
// not an entry of the method's scale. `employees` is the employee-count field's text, read
// only for FIVE STEPS and only once every factor is on its scale.
// Throws AppError on a count that is not a whole number.
std::optional<double> riskValue(RiskMethod method, const QStringList& cells, const QString& employees);
// The risk text of one hazard row, or nullopt when riskValue has no R for it (the row's
// risk cell then holds no risk). Throws as riskValue does.
std::optional<QString> ObliczWiersz(RiskMethod method, const QStringList& cells, const QString& employees);

} // namespace risk
