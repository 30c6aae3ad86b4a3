#include "risk_level.h"

#include "exposure_input.h"

#include <cmath>

namespace exposure {

RiskLevel riskLevelOf(double ratio)
{
    const double r = std::round(ratio * 1e6) / 1e6;
    if (r > 1.0)
        return RiskLevel::Large;
    return r > 0.5 ? RiskLevel::Medium : RiskLevel::Small;
}

QString riskLevelName(RiskLevel level)
{
    switch (level) {
    case RiskLevel::Large:
        return QStringLiteral("duże");
    case RiskLevel::Medium:
        return QStringLiteral("średnie");
    case RiskLevel::Small:
        break;
    }
    return QStringLiteral("małe");
}

QString ratioText(double ratio, const QString& unit)
{
    return formatNumber(ratio, 2) + QLatin1Char(' ') + unit;
}

QString ratioSummary(const QString& value, bool exceeded, const QString& limit, const QString& unit, double ratio,
                     RiskLevel level)
{
    return QStringLiteral("%1 – %2 %3 (%4) – ryzyko %5")
        .arg(value, exceeded ? QStringLiteral("przekroczona") : QStringLiteral("nieprzekroczona"), limit,
             ratioText(ratio, unit), riskLevelName(level));
}

QString levelHtml(RiskLevel level, const QString& ratioName, double ratio)
{
    return QStringLiteral("<p>Ryzyko zawodowe (PN-N-18002): <b>%1</b> (%2 = %3)</p>")
        .arg(riskLevelName(level), ratioName, formatNumber(ratio, 2));
}

Severity severityOf(RiskLevel level)
{
    switch (level) {
    case RiskLevel::Large:
        return Severity::Bad;
    case RiskLevel::Medium:
        return Severity::Warning;
    case RiskLevel::Small:
        break;
    }
    return Severity::Good;
}

} // namespace exposure
