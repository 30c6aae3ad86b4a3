#pragma once
// The level of occupational risk from a measurable hazard as PN-N-18002 rates it: from the
// ratio r = P / Pmax of the exposure P to its admissible value Pmax.

#include <QString>

namespace exposure {

enum class RiskLevel { Small, Medium, Large };

// r > 1: large; 0,5 < r <= 1: medium; r <= 0,5: small. The ratio is compared to six decimal
// places, so that 0,3 / 0,6 counts as exactly one half.
RiskLevel riskLevelOf(double ratio);

// "małe", "średnie", "duże".
QString riskLevelName(RiskLevel level);

// The ratio as shown, two decimals and its unit: "1,11 NDN".
QString ratioText(double ratio, const QString& unit);

// One line for a hazard cell: "<value> – przekroczona <limit> (<ratio> <unit>) – ryzyko <level>",
// "nieprzekroczona" when the limit is kept.
QString ratioSummary(const QString& value, bool exceeded, const QString& limit, const QString& unit, double ratio,
                     RiskLevel level);

// The level as a paragraph of a result: "Ryzyko zawodowe (PN-N-18002): duże (A(8) / NDN = 1,11)".
// `ratioName` is HTML.
QString levelHtml(RiskLevel level, const QString& ratioName, double ratio);

// How serious a result is, for its banner: within the limits and the action values, within the
// limits only, or over a limit.
enum class Severity { Good, Warning, Bad };

Severity severityOf(RiskLevel level);

} // namespace exposure
