#pragma once
// Exposure to chemical agents and dusts against their admissible concentrations: the index of
// each substance, C / NDS (and C_ch / NDSCh), the index of a mixture of substances with
// similar action, Σ C_i / NDS_i, and the verdict. Plain functions, no window.

#include "risk_level.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace chemistry {

// One substance: concentrations in mg/m³.
struct Substance {
    QString name;
    double concentration = 0;                  // C, weighted over the shift
    double nds = 0;                            // NDS, admissible for the shift
    std::optional<double> shortConcentration;  // C_ch, over 15 minutes, when measured
    std::optional<double> ndsch;               // NDSCh, the short-term limit, when the substance has one
    bool carcinogenic = false;                 // carcinogenic or mutagenic
    bool similarAction = false;                // counted into the mixture
};

// A row of the table as typed.
struct SubstanceText {
    QString name;
    QString concentration;
    QString nds;
    QString shortConcentration;
    QString ndsch;
    bool carcinogenic = false;
    bool similarAction = false;
};

struct ReadResult {
    QList<Substance> substances;
    QString error;   // Polish, saying what cannot be used; empty when everything can
};

// Rows without a name and values are skipped. C_ch and NDSCh go together: one without the
// other is refused.
ReadResult readSubstances(const QList<SubstanceText>& rows);

// A carcinogen is never rated small above this share of its NDS.
inline constexpr double CarcinogenSmallLimit = 0.1;

struct SubstanceResult {
    double index = 0;                   // C / NDS
    std::optional<double> shortIndex;   // C_ch / NDSCh
    exposure::RiskLevel level = exposure::RiskLevel::Small;
    QString finding;                    // one line: the indices and the level
};

struct Assessment {
    QList<SubstanceResult> substances;
    std::optional<double> mixtureIndex;   // when at least two substances act similarly
    exposure::RiskLevel mixtureLevel = exposure::RiskLevel::Small;
    exposure::RiskLevel level = exposure::RiskLevel::Small;   // the highest of all
    bool carcinogen = false;
    exposure::Severity verdict = exposure::Severity::Good;
    QString verdictText;
    QString summary;   // the worst result in one line, for a hazard cell
};

Assessment assess(const QList<Substance>& substances);

} // namespace chemistry
