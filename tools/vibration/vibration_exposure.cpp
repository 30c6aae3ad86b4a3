#include "vibration_exposure.h"

#include "exposure_input.h"

#include <cmath>

namespace vibration {

namespace {

using exposure::formatNumber;

constexpr double ReferenceHours = 8.0;
constexpr double HoursInDay = 24.0;

double roundedToHundredth(double value)
{
    return std::round(value * 100.0) / 100.0;
}

QString acceleration(double value)
{
    return formatNumber(value, 2) + QStringLiteral(" m/s²");
}

QString limit(double value)
{
    return formatNumber(value, 1) + QStringLiteral(" m/s²");
}

QString verb(bool exceeded)
{
    return exceeded ? QStringLiteral("przekracza") : QStringLiteral("nie przekracza");
}

QList<Exposure> read(const QList<ExposureText>& rows)
{
    QList<Exposure> result;
    double totalHours = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const ExposureText& row = rows[i];
        if (row.activity.trimmed().isEmpty() && row.acceleration.trimmed().isEmpty() && row.duration.trimmed().isEmpty())
            continue;
        const QString prefix = QStringLiteral("Wiersz %1, ").arg(i + 1);
        const double a = exposure::readRequired(row.acceleration, prefix + QStringLiteral("przyspieszenie a"),
                                                exposure::NumberRule::NonNegative);
        const double hours = exposure::readDuration(row.duration, prefix + QStringLiteral("czas"));
        result.append({a, hours});
        totalHours += hours;
    }
    if (result.isEmpty())
        throw exposure::InputError{QStringLiteral("Wpisz co najmniej jedną czynność: przyspieszenie a i czas jej trwania.")};
    if (totalHours > HoursInDay)
        throw exposure::InputError{QStringLiteral("Łączny czas czynności przekracza 24 godziny doby.")};
    if (totalHours <= 0)
        throw exposure::InputError{QStringLiteral("Łączny czas czynności musi być dłuższy od zera.")};
    return result;
}

} // namespace

Limits limitsOf(Kind kind)
{
    return kind == Kind::HandArm ? Limits{2.8, 11.2, 2.5} : Limits{0.8, 3.2, 0.5};
}

double dailyExposure(const QList<Exposure>& exposures)
{
    double energy = 0;
    for (const Exposure& e : exposures)
        energy += e.acceleration * e.acceleration * e.hours;
    return std::sqrt(energy / ReferenceHours);
}

ReadResult readExposures(const QList<ExposureText>& rows)
{
    try {
        return {read(rows), {}};
    } catch (const exposure::InputError& error) {
        return {{}, error.message};
    }
}

Assessment assess(Kind kind, const QList<Exposure>& exposures)
{
    const Limits limits = limitsOf(kind);
    Assessment result;
    result.dailyValue = roundedToHundredth(dailyExposure(exposures));
    double hours = 0;
    for (const Exposure& e : exposures)
        hours += e.hours;
    // Minutes are compared whole: 0:30 typed as 0,5 h or 30 min is exactly the short limit's time.
    result.shortExposure = std::round(hours * 60.0) <= ShortExposureHours * 60.0;
    result.ratio = result.dailyValue / limits.daily;
    QString valueText = QStringLiteral("A(8) = ") + acceleration(result.dailyValue);
    QString limitText = limit(limits.daily);
    result.findings.append(QStringLiteral("A(8) = %1: %2 NDN (%3), %4 (%5)")
                               .arg(acceleration(result.dailyValue), verb(result.dailyValue > limits.daily),
                                    limit(limits.daily),
                                    result.dailyValue > limits.action ? QStringLiteral("przekracza próg działania")
                                                                      : QStringLiteral("nie przekracza progu działania"),
                                    limit(limits.action)));
    if (result.shortExposure) {
        result.shortValue = roundedToHundredth(dailyExposure(exposures) * std::sqrt(ReferenceHours / hours));
        result.findings.append(QStringLiteral("Ekspozycja trwająca 30 min i krócej, a = %1: %2 NDN tej ekspozycji (%3)")
                                   .arg(acceleration(result.shortValue), verb(result.shortValue > limits.shortTerm),
                                        limit(limits.shortTerm)));
        if (const double shortRatio = result.shortValue / limits.shortTerm; shortRatio > result.ratio) {
            result.ratio = shortRatio;
            valueText += QStringLiteral(", ekspozycja krótkotrwała a = ") + acceleration(result.shortValue);
            limitText = limit(limits.shortTerm);
        }
    }
    result.level = exposure::riskLevelOf(result.ratio);
    const bool exceeded = result.level == exposure::RiskLevel::Large;
    if (exceeded) {
        result.verdict = exposure::Severity::Bad;
        result.verdictText = QStringLiteral("Przekroczone NDN drgań: narażenie jest niedopuszczalne i trzeba je "
                                            "niezwłocznie ograniczyć.");
    } else if (result.dailyValue > limits.action) {
        result.verdict = exposure::Severity::Warning;
        result.verdictText = QStringLiteral("NDN zachowane, ale przekroczony próg działania: pracodawca musi wdrożyć "
                                            "program ograniczania narażenia na drgania.");
    } else {
        result.verdictText = QStringLiteral("NDN zachowane, próg działania nie jest przekroczony.");
    }
    result.summary = exposure::ratioSummary(valueText, exceeded, QStringLiteral("NDN ") + limitText,
                                            QStringLiteral("NDN"), result.ratio, result.level);
    return result;
}

} // namespace vibration
