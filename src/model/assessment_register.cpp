#include "model/assessment_register.h"

#include "base/app_error.h"
#include "model/action_plan.h"
#include "model/document_file_reader.h"
#include "model/risk_overview.h"
#include "model/workers.h"

#include <QDir>
#include <QDirIterator>
#include <algorithm>
#include <numeric>

namespace {

constexpr int SoonDays = 30;

} // namespace

const QStringList& registerCaptions()
{
    static const QStringList captions{
        QStringLiteral("Stanowisko"), QStringLiteral("Jednostka"), QStringLiteral("Nr karty"),
        QStringLiteral("Data oceny"), QStringLiteral("Sporządził"), QStringLiteral("Metoda"),
        QStringLiteral("Ocenione"), QStringLiteral("Poz. 1"), QStringLiteral("Poz. 2"), QStringLiteral("Poz. 3"),
        QStringLiteral("Poz. 4"), QStringLiteral("Poz. 5"), QStringLiteral("Niedopuszczalne"),
        QStringLiteral("Po działaniach"), QStringLiteral("Działania"), QStringLiteral("Po terminie"),
        QStringLiteral("Pracownicy do zapoznania"), QStringLiteral("Następny przegląd"), QStringLiteral("Plik")};
    return captions;
}

QString registerText(const RegisterEntry& entry, int column)
{
    if (!entry.failure.isEmpty()) {
        if (column == RegisterWorkstation)
            return QStringLiteral("Nie można odczytać pliku: %1").arg(entry.failure);
        return column == RegisterPath ? QDir::toNativeSeparators(entry.path) : QString();
    }
    switch (column) {
    case RegisterWorkstation:
        return entry.workstation;
    case RegisterUnit:
        return entry.unit;
    case RegisterCardNumber:
        return entry.cardNumber;
    case RegisterPreparedOn:
        return entry.preparedOn;
    case RegisterPreparedBy:
        return entry.preparedBy;
    case RegisterMethod:
        return risk::methodNames().value(int(entry.method));
    case RegisterRated:
        return QStringLiteral("%1 / %2").arg(entry.rated).arg(entry.hazards);
    case RegisterUnacceptable:
        return QString::number(entry.unacceptable);
    case RegisterUnacceptableAfter:
        return QString::number(entry.unacceptableAfter);
    case RegisterMeasures:
        return QString::number(entry.measures);
    case RegisterOverdue:
        return QString::number(entry.overdue);
    case RegisterWorkersToInform:
        return QString::number(entry.workersToInform);
    case RegisterReview:
        return entry.review.isValid() ? plan::dateText(entry.review) : QString();
    case RegisterPath:
        return QDir::toNativeSeparators(entry.path);
    default:
        return QString::number(entry.levels[column - RegisterLevel1]);
    }
}

ReviewState reviewState(QDate review, QDate today)
{
    if (!review.isValid())
        return ReviewState::None;
    if (review < today)
        return ReviewState::Passed;
    return today.daysTo(review) <= SoonDays ? ReviewState::Soon : ReviewState::Later;
}

bool reviewDue(QDate review, QDate today)
{
    const ReviewState state = reviewState(review, today);
    return state == ReviewState::Passed || state == ReviewState::Soon;
}

QStringList assessmentFiles(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.ron"), QStringLiteral("*.RON")}, QDir::Files | QDir::Readable,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    files.removeDuplicates();
    return files;
}

RegisterEntry registerEntry(const QString& path, QDate today)
{
    RegisterEntry entry;
    entry.path = path;
    AssessmentSnapshot assessment;
    try {
        assessment = readAssessmentFile(path);
    } catch (const AppError& error) {
        entry.failure = error.text();
        return entry;
    }
    entry.workstation = assessment.cardWorkstation;
    entry.unit = assessment.unit;
    entry.cardNumber = assessment.cardNumber;
    entry.preparedOn = assessment.preparedOnDate;
    entry.preparedBy = assessment.cardPreparedBy;
    entry.method = assessment.method;
    entry.review = plan::parseDate(assessment.reviewDate);
    const RiskOverview overview = riskOverview(assessment);
    entry.levels = overview.levelCounts;
    entry.rated = std::accumulate(entry.levels.begin(), entry.levels.end(), 0);
    entry.hazards = entry.rated + overview.unrated + overview.wrongFactors;
    entry.unacceptable = int(overview.unacceptable.size());
    entry.unacceptableAfter = int(std::count_if(overview.unacceptable.begin(), overview.unacceptable.end(),
                                                [](const RatedHazard& hazard) { return hazard.residualLevel >= 4; }));
    entry.measures = int(assessment.plan.size());
    entry.overdue = plan::overdueCount(assessment.plan, today);
    entry.workersToInform = workers::outdatedCount(assessment.workers, assessment.riskChangeDate);
    return entry;
}
