#include "model/checklist_index.h"

#include "base/regional_format.h"

#include <cmath>

ChecklistCount countAnswers(const TableRows& checklist)
{
    ChecklistCount count;
    count.questions = static_cast<int>(checklist.size());
    for (const QStringList& row : checklist) {
        const QString answer = row.value(2);
        if (answer == QLatin1String("NIE"))
            ++count.noAnswers;
        else if (answer != QLatin1String("TAK"))
            ++count.unanswered;
    }
    return count;
}

QString rbhpIndex(int noAnswers, int questions)
{
    return regional::formatFixed(double(noAnswers) / questions, 2);
}

QString rbhpLevelName(int noAnswers, int questions)
{
    // Halves go to the even neighbour (the default rounding mode of nearbyint).
    const double n = std::nearbyint(1000.0 * noAnswers / questions);
    const char* level = n <= 100 ? "bardzo duży" : n <= 200 ? "duży" : n <= 400 ? "średni" : n <= 600 ? "mały" : "bardzo mały";
    return QString::fromUtf8(level);
}

QString rbhpLevel(int noAnswers, int questions)
{
    return QStringLiteral("Stopień przestrzegania zasad bhp: ") + rbhpLevelName(noAnswers, questions) + QLatin1Char('\r');
}

QString unansweredLine(const ChecklistCount& count)
{
    return QStringLiteral("Pytania bez odpowiedzi: %1 z %2.").arg(count.unanswered).arg(count.questions);
}
