#include "manual_handling.h"

#include "exposure_input.h"

namespace handling {

namespace {

QString kilograms(double value)
{
    return exposure::formatValue(value) + QStringLiteral(" kg");
}

} // namespace

Limits limitsOf(Group group)
{
    switch (group) {
    case Group::Women:
        return {12.0, 20.0};
    case Group::PregnantOrBreastfeeding:
        return {3.0, 5.0};
    case Group::Men:
        break;
    }
    return {30.0, 50.0};
}

QString groupName(Group group)
{
    switch (group) {
    case Group::Women:
        return QStringLiteral("kobiety");
    case Group::PregnantOrBreastfeeding:
        return QStringLiteral("kobiety w ciąży lub karmiące piersią");
    case Group::Men:
        break;
    }
    return QStringLiteral("mężczyźni");
}

ReadResult readTask(const QString& mass, const QString& perHour, Group group)
{
    try {
        return {{exposure::readRequired(mass, QStringLiteral("Masa ładunku"), exposure::NumberRule::Positive),
                 exposure::readRequired(perHour, QStringLiteral("Liczba podniesień na godzinę"),
                                        exposure::NumberRule::NonNegative),
                 group},
                {}};
    } catch (const exposure::InputError& error) {
        return {{}, error.message};
    }
}

Assessment assess(const Task& task)
{
    Assessment result;
    const Limits limits = limitsOf(task.group);
    result.occasional = task.perHour <= OccasionalLiftsPerHour;
    result.limit = result.occasional ? limits.occasional : limits.permanent;
    result.ratio = task.mass / result.limit;
    result.level = exposure::riskLevelOf(result.ratio);
    result.verdict = exposure::severityOf(result.level);
    const bool exceeded = result.level == exposure::RiskLevel::Large;
    result.excess = exceeded ? task.mass - result.limit : 0.0;
    const QString work = result.occasional ? QStringLiteral("praca dorywcza") : QStringLiteral("praca stała");
    result.finding = QStringLiteral("Masa %1, %2 (%3 na godzinę), %4: dopuszczalna masa %5")
                         .arg(kilograms(task.mass), work, exposure::formatValue(task.perHour), groupName(task.group),
                              kilograms(result.limit));
    QString limit = QStringLiteral("dopuszczalna masa ") + kilograms(result.limit);
    if (exceeded) {
        limit += QStringLiteral(" o ") + kilograms(result.excess);
        result.verdictText = QStringLiteral("Przekroczona dopuszczalna masa o %1: takiej pracy nie wolno powierzać; "
                                            "trzeba zmniejszyć masę ładunku lub zmechanizować transport.")
                                 .arg(kilograms(result.excess));
    } else if (result.level == exposure::RiskLevel::Medium) {
        result.verdictText = QStringLiteral("Masa w granicach dopuszczalnych, ale większa od połowy dopuszczalnej: "
                                            "obciążenie warto zmniejszyć.");
    } else {
        result.verdictText = QStringLiteral("Masa w granicach dopuszczalnych, nie większa od połowy dopuszczalnej.");
    }
    result.summary = exposure::ratioSummary(QStringLiteral("Masa %1 (%2, %3)").arg(kilograms(task.mass), groupName(task.group), work),
                                            exceeded, limit, QStringLiteral("dopuszczalnej"), result.ratio, result.level);
    return result;
}

} // namespace handling
