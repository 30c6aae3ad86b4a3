#include "model/workers.h"

#include "model/action_plan.h"

#include <QRegularExpression>

#include <algorithm>

namespace workers {

namespace {

bool namesWorker(const QStringList& row)
{
    return !row.value(Name).trimmed().isEmpty();
}

} // namespace

bool isOutdated(const QStringList& row, const QString& riskChanged)
{
    if (!namesWorker(row))
        return false;
    const QDate acknowledged = plan::parseDate(row.value(Acknowledged));
    const QDate changed = plan::parseDate(riskChanged);
    return !acknowledged.isValid() || (changed.isValid() && acknowledged < changed);
}

int outdatedCount(const TableRows& rows, const QString& riskChanged)
{
    return int(std::count_if(rows.begin(), rows.end(),
                             [&riskChanged](const QStringList& row) { return isOutdated(row, riskChanged); }));
}

TableRows listed(const TableRows& rows)
{
    TableRows named;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(named), namesWorker);
    return named;
}

QStringList namesOfLines(const QString& text)
{
    QStringList names;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        if (const QString name = line.trimmed(); !name.isEmpty())
            names.append(name);
    }
    return names;
}

} // namespace workers
