#include "chemical_exposure.h"

#include "exposure_input.h"

#include <cmath>

namespace chemistry {

namespace {

using exposure::formatNumber;
using exposure::formatValue;
using exposure::NumberRule;
using exposure::RiskLevel;

QList<Substance> read(const QList<SubstanceText>& rows)
{
    QList<Substance> result;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const SubstanceText& row = rows[i];
        if ((row.name + row.concentration + row.nds + row.shortConcentration + row.ndsch).trimmed().isEmpty())
            continue;
        const QString prefix = QStringLiteral("Wiersz %1, ").arg(i + 1);
        Substance substance;
        substance.name = row.name.trimmed().isEmpty() ? QStringLiteral("substancja %1").arg(i + 1) : row.name.trimmed();
        substance.concentration = exposure::readRequired(row.concentration, prefix + QStringLiteral("stężenie C"),
                                                         NumberRule::NonNegative);
        substance.nds = exposure::readRequired(row.nds, prefix + QStringLiteral("NDS"), NumberRule::Positive);
        substance.shortConcentration = exposure::readNumber(row.shortConcentration, prefix + QStringLiteral("stężenie C_ch"),
                                                            NumberRule::OptionalNonNegative);
        substance.ndsch = exposure::readNumber(row.ndsch, prefix + QStringLiteral("NDSCh"), NumberRule::OptionalPositive);
        if (substance.shortConcentration.has_value() != substance.ndsch.has_value())
            throw exposure::InputError{prefix + QStringLiteral("wpisz oba: stężenie chwilowe C_ch i NDSCh, albo żadne z nich.")};
        substance.carcinogenic = row.carcinogenic;
        substance.similarAction = row.similarAction;
        result.append(substance);
    }
    if (result.isEmpty())
        throw exposure::InputError{QStringLiteral("Wpisz co najmniej jedną substancję: jej stężenie C i NDS.")};
    return result;
}

// The level of a ratio; a carcinogen above a tenth of its limit is at least medium.
RiskLevel levelOf(double ratio, bool carcinogenic)
{
    const RiskLevel level = exposure::riskLevelOf(ratio);
    if (carcinogenic && level == RiskLevel::Small && std::round(ratio * 1e6) / 1e6 > CarcinogenSmallLimit)
        return RiskLevel::Medium;
    return level;
}

// The worst result so far, as one line for a hazard cell.
struct Worst {
    double ratio = -1;
    QString summary;

    void consider(double r, RiskLevel level, const QString& value, const QString& limit, const QString& unit)
    {
        if (r <= ratio)
            return;
        ratio = r;
        summary = exposure::ratioSummary(value, level == RiskLevel::Large, limit, unit, r, level);
    }
};

} // namespace

ReadResult readSubstances(const QList<SubstanceText>& rows)
{
    try {
        return {read(rows), {}};
    } catch (const exposure::InputError& error) {
        return {{}, error.message};
    }
}

Assessment assess(const QList<Substance>& substances)
{
    Assessment result;
    Worst worst;
    double mixture = 0;
    int similar = 0;
    bool carcinogenInMixture = false;
    for (const Substance& s : substances) {
        SubstanceResult r;
        r.index = s.concentration / s.nds;
        double ratio = r.index;
        QString finding = QStringLiteral("%1: C / NDS = %2").arg(s.name, formatNumber(r.index, 2));
        worst.consider(r.index, levelOf(r.index, s.carcinogenic),
                       QStringLiteral("%1: C = %2 mg/m³").arg(s.name, formatValue(s.concentration)),
                       QStringLiteral("NDS %1 mg/m³").arg(formatValue(s.nds)), QStringLiteral("NDS"));
        if (s.shortConcentration) {
            r.shortIndex = *s.shortConcentration / *s.ndsch;
            ratio = std::max(ratio, *r.shortIndex);
            finding += QStringLiteral(", C_ch / NDSCh = %1").arg(formatNumber(*r.shortIndex, 2));
            worst.consider(*r.shortIndex, levelOf(*r.shortIndex, s.carcinogenic),
                           QStringLiteral("%1: C_ch = %2 mg/m³").arg(s.name, formatValue(*s.shortConcentration)),
                           QStringLiteral("NDSCh %1 mg/m³").arg(formatValue(*s.ndsch)), QStringLiteral("NDSCh"));
        }
        r.level = levelOf(ratio, s.carcinogenic);
        r.finding = finding + QStringLiteral(" – ryzyko ") + exposure::riskLevelName(r.level)
                    + (s.carcinogenic ? QStringLiteral(" (rakotwórcza lub mutagenna)") : QString());
        result.level = std::max(result.level, r.level);
        result.carcinogen = result.carcinogen || s.carcinogenic;
        if (s.similarAction) {
            mixture += r.index;
            ++similar;
            carcinogenInMixture = carcinogenInMixture || s.carcinogenic;
        }
        result.substances.append(r);
    }
    if (similar >= 2) {
        result.mixtureIndex = mixture;
        result.mixtureLevel = levelOf(mixture, carcinogenInMixture);
        result.level = std::max(result.level, result.mixtureLevel);
        worst.consider(mixture, result.mixtureLevel, QStringLiteral("Mieszanina: Σ C/NDS = %1").arg(formatNumber(mixture, 2)),
                       QStringLiteral("wartość 1"), QStringLiteral("NDS"));
    }
    result.verdict = exposure::severityOf(result.level);
    switch (result.level) {
    case RiskLevel::Large:
        result.verdictText = QStringLiteral("Przekroczone dopuszczalne stężenia: narażenie jest niedopuszczalne i "
                                            "trzeba je niezwłocznie ograniczyć.");
        break;
    case RiskLevel::Medium:
        result.verdictText = QStringLiteral("NDS zachowane, ale narażenie przekracza 0,5 NDS: trzeba je ograniczać "
                                            "i częściej mierzyć.");
        break;
    case RiskLevel::Small:
        result.verdictText = QStringLiteral("NDS zachowane, narażenie nie przekracza 0,5 NDS.");
        break;
    }
    if (result.carcinogen)
        result.verdictText += QStringLiteral(" Substancja rakotwórcza lub mutagenna: narażenie trzeba ograniczyć do "
                                             "najniższego poziomu technicznie osiągalnego, niezależnie od wskaźnika.");
    result.summary = worst.summary;
    return result;
}

} // namespace chemistry
