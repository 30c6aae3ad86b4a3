#include "model/risk_overview.h"

#include "base/app_error.h"
#include "model/action_plan.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

bool isBlank(const QStringList& row)
{
    return std::all_of(row.begin(), row.end(), [](const QString& cell) { return QStringView(cell).trimmed().isEmpty(); });
}

// R of a row, or nullopt when it is not rated (an empty factor, an unreadable count).
std::optional<double> ratedValue(const AssessmentSnapshot& a, const QStringList& row)
{
    try {
        return risk::riskValue(a.method, row, a.employees);
    } catch (const AppError&) {
        return std::nullopt;
    }
}

// The rows of an assessment take their factors from short scales, so R is computed once per
// set of factor texts and looked up for the other rows that have it.
class RatedValues {
public:
    explicit RatedValues(const AssessmentSnapshot& a) : a_(a), columns_(risk::hazardColumns(a.method)) {}

    std::optional<double> of(const QStringList& row)
    {
        const QString factors = row.value(columns_.s) + u'\n' + row.value(columns_.p) + u'\n' + row.value(columns_.e);
        auto known = known_.find(factors);
        if (known == known_.end())
            known = known_.insert(factors, ratedValue(a_, row));
        return *known;
    }

private:
    const AssessmentSnapshot& a_;
    const risk::HazardColumns columns_;
    QHash<QString, std::optional<double>> known_;
};

// Counts the hazard in its grid cell; a factor off the scale's whole numbers has no cell.
void addToGrid(QList<QList<int>>& grid, const QStringList& row, const risk::HazardColumns& columns)
{
    const double s = risk::entryValue(row.at(columns.s));
    const double p = risk::entryValue(row.at(columns.p));
    const auto inRange = [](double v, qsizetype size) { return v == std::floor(v) && v >= 1 && v <= size; };
    if (inRange(s, grid.size()) && inRange(p, grid.first().size()))
        ++grid[int(s) - 1][int(p) - 1];
}

// The residual rows of an assessment by the number of the hazard row they rate; the first
// row of a number counts, as for the table's own lookups.
QHash<int, QStringList> residualByRow(const TableRows& residual)
{
    QHash<int, QStringList> rows;
    for (auto row = residual.crbegin(); row != residual.crend(); ++row)
        rows.insert(row->value(plan::ResidualRow).toInt(), *row);
    return rows;
}

} // namespace

quint32 riskLevelRgb(int level)
{
    static const quint32 colours[] = {0x43a047, 0xb2d74c, 0xffd54f, 0xfb8c2b, 0xe53935};
    return colours[level - 1];
}

bool hasGrid(RiskMethod method)
{
    return method == RiskMethod::PHA || method == RiskMethod::Matrycowa;
}

const QString& residualCountsNote()
{
    static const QString note = QStringLiteral("Zagrożenia bez oceny ryzyka po działaniach policzono na ich obecnym "
                                               "poziomie, więc obie kolumny liczą te same zagrożenia.");
    return note;
}

RiskOverview riskOverview(const AssessmentSnapshot& assessment)
{
    RiskOverview overview;
    overview.method = assessment.method;
    overview.checklist = countAnswers(assessment.checklist);
    const RiskMethod method = assessment.method;
    if (hasGrid(method)) {
        const auto columnsOfP = risk::scale(method, risk::Factor::P).size();
        overview.grid.fill(QList<int>(columnsOfP, 0), risk::scale(method, risk::Factor::S).size());
    }
    const risk::HazardColumns columns = risk::hazardColumns(method);
    RatedValues rated(assessment);
    const QHash<int, QStringList> residual = residualByRow(assessment.residual);
    int number = 0;
    for (const QStringList& row : assessment.hazards) {
        ++number;
        if (isBlank(row))
            continue;
        if (risk::hasOffScaleFactor(method, row)) {
            ++overview.wrongFactors;
            continue;
        }
        const std::optional<double> r = rated.of(row);
        if (!r) {
            ++overview.unrated;
            continue;
        }
        const int level = risk::level(method, *r);
        ++overview.levelCounts[level - 1];
        if (hasGrid(method))
            addToGrid(overview.grid, row, columns);
        else
            overview.rValues.append(*r);
        const auto rating = residual.constFind(number);
        const std::optional<double> after =
            rating == residual.cend() ? std::nullopt : rated.of(plan::residualCells(method, row, *rating));
        const int levelAfter = after ? risk::level(method, *after) : 0;
        overview.hasResidual = overview.hasResidual || after.has_value();
        ++overview.residualCounts[(after ? levelAfter : level) - 1];
        if (level >= 4)
            overview.unacceptable.append(
                {number, row.value(0), row.value(1), row.value(3), *r, level, after.value_or(0), levelAfter});
    }
    std::stable_sort(overview.unacceptable.begin(), overview.unacceptable.end(),
                     [](const RatedHazard& a, const RatedHazard& b) {
                         return a.level != b.level ? a.level > b.level : a.r > b.r;
                     });
    return overview;
}
