#include "documents/checklist_index.h"

#include "base/regional_format.h"

#include <algorithm>
#include <cmath>

ChecklistCount countAnswers(const TableRows& checklist)
{
    const auto no = std::count_if(checklist.begin(), checklist.end(), [](const QStringList& row) {
        return row.value(2) == QLatin1String("NIE");
    });
    return {static_cast<int>(checklist.size()), static_cast<int>(no)};
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
