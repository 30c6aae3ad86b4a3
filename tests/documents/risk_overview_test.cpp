// The overview's numbers for each method: counts per level, not-rated rows, the S x P grid,
// the R values, the unacceptable hazards in their order and the checklist counts; with
// residual ratings, the counts after the measures and the level each unacceptable hazard
// keeps after them.

#include "model/risk_overview.h"

#include <QSize>
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

// A hazard row numbered n ("Z<n>", its source "Ź<n>", its actions "D<n>") with its ratings
// from column 4 on and an empty risk cell.
QStringList hazard(int n, QStringList ratings)
{
    QStringList row = {QStringLiteral("Z%1").arg(n), QStringLiteral("Ź%1").arg(n), QStringLiteral("skutek"),
                       QStringLiteral("D%1").arg(n)};
    return row + ratings + QStringList{QString()};
}

struct OverviewCase {
    const char* name;
    RiskMethod method;
    QString employees;
    TableRows hazards;
    QStringList answers;
    std::array<int, 5> levelCounts;
    int unrated;
    QSize gridSize;                               // S rows x P columns, empty without a grid
    QList<std::tuple<int, int, int>> gridCells;   // S, P, count of the non-empty cells
    QList<double> rValues;
    QStringList unacceptable;                     // "row hazard source actions level"
    ChecklistCount checklist;
    int wrongFactors = 0;                         // rows with a factor off the method's scale
    TableRows residual = {};                      // residual rows: hazard number, name, S, P, E, risk
    // The counts after the measures; none: no residual rating, the counts are the current ones.
    std::optional<std::array<int, 5>> residualCounts = std::nullopt;
};

// A residual row for hazard n ("Z<n>") with S, P and E after the measures.
QStringList residualRating(int n, const QString& s, const QString& p, const QString& e = {})
{
    return {QString::number(n), QStringLiteral("Z%1").arg(n), s, p, e, QString()};
}

class RiskOverviewTest : public testing::TestWithParam<OverviewCase> {};

TEST_P(RiskOverviewTest, CountsAndOrdersTheRatedHazards)
{
    const OverviewCase& c = GetParam();
    AssessmentSnapshot snapshot;
    snapshot.method = c.method;
    snapshot.employees = c.employees;
    snapshot.hazards = c.hazards;
    snapshot.residual = c.residual;
    for (const QString& answer : c.answers)
        snapshot.checklist.append({QStringLiteral("Pytanie"), QString(), answer});

    const RiskOverview overview = riskOverview(snapshot);

    EXPECT_EQ(overview.levelCounts, c.levelCounts);
    EXPECT_EQ(overview.unrated, c.unrated);
    EXPECT_EQ(overview.wrongFactors, c.wrongFactors);
    EXPECT_EQ(overview.grid.size(), c.gridSize.height());
    QList<std::tuple<int, int, int>> cells;
    for (int s = 0; s < overview.grid.size(); ++s) {
        EXPECT_EQ(overview.grid[s].size(), c.gridSize.width());
        for (int p = 0; p < overview.grid[s].size(); ++p)
            if (overview.grid[s][p] != 0)
                cells.append({s + 1, p + 1, overview.grid[s][p]});
    }
    EXPECT_EQ(cells, c.gridCells);
    EXPECT_EQ(overview.rValues, c.rValues);
    QStringList unacceptable;
    for (const RatedHazard& h : overview.unacceptable)
        unacceptable.append(QStringLiteral("%1 %2 %3 %4 %5").arg(h.row).arg(h.hazard, h.sources, h.actions).arg(h.level) +
                            (h.residualLevel > 0 ? QStringLiteral(" po %1").arg(h.residualLevel) : QString()));
    EXPECT_EQ(unacceptable, c.unacceptable);
    EXPECT_EQ(overview.hasResidual, c.residualCounts.has_value());
    EXPECT_EQ(overview.residualCounts, c.residualCounts.value_or(c.levelCounts));
    EXPECT_EQ(overview.checklist.questions, c.checklist.questions);
    EXPECT_EQ(overview.checklist.noAnswers, c.checklist.noAnswers);
    EXPECT_EQ(overview.checklist.unanswered, c.checklist.unanswered);
    EXPECT_EQ(overview.checklist.indexComputed(), c.checklist.questions > c.checklist.unanswered);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, RiskOverviewTest,
    testing::Values(
        OverviewCase{"PhaWithUnratedAndBlankRows", RiskMethod::PHA, {},
                     {hazard(1, {"6=a", "6=b"}), hazard(2, {"1=a", "2=b"}), hazard(3, {"3=a", "4=b"}),
                      hazard(4, {"2=a", ""}), QStringList(7, QString()), hazard(6, {"x=a", "1=b"}),
                      hazard(7, {"2=a", "10=b"})},
                     {"TAK", "NIE", "NIE"}, {1, 0, 0, 1, 1}, 1, QSize(6, 6),
                     {{1, 2, 1}, {3, 4, 1}, {6, 6, 1}}, {},
                     {"1 Z1 Ź1 D1 5", "3 Z3 Ź3 D3 4"}, {3, 2, 0}, 2},
        OverviewCase{"MatrycowaTiesKeepTableOrder", RiskMethod::Matrycowa, {},
                     {hazard(1, {"2=a", "3=b"}), hazard(2, {"3=a", "3=b"}), hazard(3, {"1=a", "1=b"}),
                      hazard(4, {"3=a", "3=b"}), hazard(5, {"2=a", "2=b"})},
                     {"NIE", ""}, {1, 0, 1, 1, 2}, 0, QSize(3, 3),
                     {{1, 1, 1}, {2, 2, 1}, {2, 3, 1}, {3, 3, 2}}, {},
                     {"2 Z2 Ź2 D2 5", "4 Z4 Ź4 D4 5", "1 Z1 Ź1 D1 4"}, {2, 1, 1}},
        OverviewCase{"RiskScoreMostSevereFirst", RiskMethod::RiskScore, {},
                     {hazard(1, {"15=a", "6=b", "3=c"}), hazard(2, {"1=a", "0,1=b", "0,5=c"}),
                      hazard(3, {"100=a", "10=b", "10=c"}), hazard(4, {"40=a", "3=b", "6=c"}),
                      hazard(5, {"1=a", "", "6=c"})},
                     {}, {1, 0, 0, 1, 2}, 1, QSize(0, 0), {}, {270, 0.05, 10000, 720},
                     {"3 Z3 Ź3 D3 5", "4 Z4 Ź4 D4 5", "1 Z1 Ź1 D1 4"}, {0, 0}},
        OverviewCase{"FiveStepsWeighsTheEmployeeCount", RiskMethod::FiveSteps, QStringLiteral("10"),
                     {hazard(1, {"0,1=a", "0=b", "6=c"}), hazard(2, {"15=a", "15=b", "6=c"}),
                      hazard(3, {"1=a", "1=b", "1=c"})},
                     {"TAK"}, {2, 0, 0, 0, 1}, 0, QSize(0, 0), {}, {0, 5400, 4},
                     {"2 Z2 Ź2 D2 5"}, {1, 0}},
        OverviewCase{"FiveStepsWithoutCountRatesNothing", RiskMethod::FiveSteps, {},
                     {hazard(1, {"15=a", "15=b", "6=c"})}, {"", ""}, {0, 0, 0, 0, 0}, 1, QSize(0, 0), {}, {}, {},
                     {2, 0, 2}},
        // Rated down from 5 to 2, one still unacceptable, one not rated after (counted where it
        // is now); the first residual row of a hazard counts; an unrated hazard stays unrated.
        OverviewCase{"MatrycowaAfterTheMeasures", RiskMethod::Matrycowa, {},
                     {hazard(1, {"3=a", "3=b"}), hazard(2, {"3=a", "3=b"}), hazard(3, {"2=a", "2=b"}),
                      hazard(4, {"3=a", "2=b"}), hazard(5, {"1=a", "1=b"}), hazard(6, {"2=a", ""})},
                     {}, {1, 0, 1, 1, 2}, 1, QSize(3, 3), {{1, 1, 1}, {2, 2, 1}, {3, 2, 1}, {3, 3, 2}}, {},
                     {"1 Z1 Ź1 D1 5 po 2", "2 Z2 Ź2 D2 5 po 4", "4 Z4 Ź4 D4 4"}, {0, 0}, 0,
                     {residualRating(1, "2=a", "1=b"), residualRating(2, "2=a", "3=b"), residualRating(4, "1=a", ""),
                      residualRating(5, "1=a", "1=b"), residualRating(6, "1=a", "1=b"), residualRating(1, "3=a", "3=b"),
                      residualRating(9, "1=a", "1=b")},
                     std::array<int, 5>{1, 1, 1, 2, 0}},
        // E after the measures counts too: 40 x 6 x 0,5 = 120.
        OverviewCase{"RiskScoreAfterTheMeasures", RiskMethod::RiskScore, {},
                     {hazard(1, {"40=a", "6=b", "3=c"}), hazard(2, {"15=a", "6=b", "3=c"})},
                     {}, {0, 0, 0, 1, 1}, 0, QSize(0, 0), {}, {720, 270},
                     {"1 Z1 Ź1 D1 5 po 3", "2 Z2 Ź2 D2 4 po 4"}, {0, 0}, 0,
                     {residualRating(1, "40=a", "6=b", "0,5=c"), residualRating(2, "15=a", "6=b", "3=c")},
                     std::array<int, 5>{0, 0, 1, 1, 0}},
        OverviewCase{"EmptyTable", RiskMethod::Matrycowa, {}, {}, {}, {0, 0, 0, 0, 0}, 0, QSize(3, 3), {}, {}, {},
                     {0, 0}}),
    [](const testing::TestParamInfo<OverviewCase>& param) { return std::string(param.param.name); });

} // namespace
