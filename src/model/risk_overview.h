#pragma once
// RiskOverview: where the risk of an assessment lies, computed from its snapshot: how many
// hazards sit at each of the five levels, how many are not rated yet, the S x P grid of the
// two-factor methods, the R values of RISK SCORE and FIVE STEPS, the unacceptable hazards
// (levels 4 and 5) most severe first, and the checklist's RBHP counts. A hazard's R and
// level come from its factors as the table computes them; a row with a factor off the
// method's scale counts under wrong factors, any other row without R (an empty factor, an
// unreadable count) as not rated. Rows with no text at all are not hazards.
// After the measures: a rated hazard whose residual rating gives an R (computed by the same
// rules from the hazard's row with S, P and E after the measures) sits at that R's level;
// any other rated hazard stays at its current level, so both counts are of the same hazards.

#include "model/checklist_index.h"
#include "model/document_snapshot.h"

#include <array>

struct RatedHazard {
    int row = 0;             // 1-based, as numbered in the report
    QString hazard;
    QString sources;
    QString actions;         // preventive actions
    double r = 0;
    int level = 0;           // 1..5
    double residualR = 0;
    int residualLevel = 0;   // 1..5 after the measures, 0 without a residual rating
};

struct RiskOverview {
    RiskMethod method = RiskMethod::None;
    std::array<int, 5> levelCounts{};   // index 0 is level 1
    int unrated = 0;
    // True when some rated hazard has a residual rating; residualCounts are then the level
    // counts after the measures (index 0 is level 1), else equal to levelCounts.
    bool hasResidual = false;
    std::array<int, 5> residualCounts{};
    int wrongFactors = 0;               // rows with a factor off the method's scale
    // PHA and Matrycowa: grid[s - 1][p - 1] hazards rated S = s and P = p; empty otherwise.
    QList<QList<int>> grid;
    // RISK SCORE and FIVE STEPS: R of every rated hazard, in table order; empty otherwise.
    QList<double> rValues;
    QList<RatedHazard> unacceptable;    // level 5 before level 4, higher R first, then by row
    ChecklistCount checklist;
};

// The colour of risk level 1 to 5 wherever a level is shown, as 0xRRGGBB: dark green,
// light green, yellow, orange, red.
quint32 riskLevelRgb(int level);

// True for PHA and Matrycowa, whose risk is S x P on small whole-number scales.
bool hasGrid(RiskMethod method);

RiskOverview riskOverview(const AssessmentSnapshot& assessment);

// The line under the counts after the measures: how a hazard without a residual rating counts.
const QString& residualCountsNote();
