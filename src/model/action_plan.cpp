#include "model/action_plan.h"

#include "model/document_table.h"
#include "risk/risk_method.h"

#include <algorithm>
#include <cmath>

namespace plan {

namespace {

const QString kDateFormat = QStringLiteral("dd.MM.yyyy");

int hazardNumber(const DocumentTable& table, int row)
{
    return table.cell(HazardRow, row).toInt();
}

void setHazardNumber(DocumentTable& table, int row, int number)
{
    table.setCell(HazardRow, row, QString::number(number));
}

} // namespace

const QStringList& kinds()
{
    static const QStringList list{QStringLiteral("techniczne"), QStringLiteral("organizacyjne"),
                                  QStringLiteral("środki ochrony indywidualnej"),
                                  QStringLiteral("szkolenie / informacja")};
    return list;
}

const QStringList& statuses()
{
    static const QStringList list{QStringLiteral("planowane"), QStringLiteral("w realizacji"),
                                  QStringLiteral("wykonane"), QStringLiteral("odstąpiono")};
    return list;
}

const QString& plannedStatus()
{
    return statuses()[0];
}

const QString& doneStatus()
{
    return statuses()[2];
}

QDate parseDate(const QString& text)
{
    return QDate::fromString(text.trimmed(), kDateFormat);
}

QString dateText(QDate date)
{
    return date.toString(kDateFormat);
}

std::optional<double> parseCost(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    QString plain = trimmed;
    plain.remove(QLatin1Char(' ')).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double amount = plain.toDouble(&ok);
    if (!ok || !std::isfinite(amount) || amount < 0 || plain.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    return amount;
}

QString costText(double amount)
{
    return QString::number(amount, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

int overdueDays(const QStringList& row, QDate today)
{
    const QString status = row.value(Status);
    if (status != statuses()[0] && status != statuses()[1])
        return 0;
    const QDate due = parseDate(row.value(Due));
    return due.isValid() && due < today ? int(due.daysTo(today)) : 0;
}

int overdueCount(const TableRows& plan, QDate today)
{
    int count = 0;
    for (const QStringList& row : plan)
        count += overdueDays(row, today) > 0;
    return count;
}

void followInsertedHazards(DocumentTable& table, int first, int count)
{
    for (int row = 1; row < table.rowCount(); ++row) {
        if (const int number = hazardNumber(table, row); number >= first)
            setHazardNumber(table, row, number + count);
    }
}

void followRemovedHazards(DocumentTable& table, int first, int count, bool keepOrphans)
{
    for (int row = table.rowCount() - 1; row >= 1; --row) {
        const int number = hazardNumber(table, row);
        if (number >= first + count)
            setHazardNumber(table, row, number - count);
        else if (number >= first && keepOrphans)
            setHazardNumber(table, row, 0);
        else if (number >= first)
            table.removeRows(row, 1);
    }
}

void relink(DocumentTable& table, const DocumentTable& hazards, bool keepOrphans)
{
    for (int row = table.rowCount() - 1; row >= 1; --row) {
        const QString name = table.cell(HazardName, row);
        const int number = hazardNumber(table, row);
        if (number >= 1 && number < hazards.rowCount() && hazards.cell(0, number) == name)
            continue;
        int found = 0;
        for (int h = 1; h < hazards.rowCount() && !found; ++h) {
            if (hazards.cell(0, h) == name)
                found = h;
        }
        if (found || keepOrphans)
            setHazardNumber(table, row, found);
        else
            table.removeRows(row, 1);
    }
}

int addMeasuresFromHazards(DocumentTable& plan, const DocumentTable& hazards)
{
    constexpr int ActionsColumn = 3;
    QList<bool> hasMeasure(hazards.rowCount(), false);
    for (int row = 1; row < plan.rowCount(); ++row) {
        if (const int number = hazardNumber(plan, row); number >= 1 && number < hazards.rowCount())
            hasMeasure[number] = true;
    }
    int added = 0;
    for (int h = 1; h < hazards.rowCount(); ++h) {
        const QString actions = hazards.cell(ActionsColumn, h).trimmed();
        if (hasMeasure[h] || actions.isEmpty())
            continue;
        const int row = plan.rowCount();
        plan.setRowCount(row + 1);
        setHazardNumber(plan, row, h);
        plan.setCell(HazardName, row, hazards.cell(0, h));
        plan.setCell(Measure, row, actions.left(MeasureLimit));
        plan.setCell(Status, row, plannedStatus());
        ++added;
    }
    return added;
}

void sortByDue(DocumentTable& plan)
{
    TableRows rows = plan.dataRows();
    std::stable_sort(rows.begin(), rows.end(), [](const QStringList& a, const QStringList& b) {
        const QDate first = parseDate(a.value(Due));
        const QDate second = parseDate(b.value(Due));
        return first.isValid() && (!second.isValid() || first < second);
    });
    plan.setDataRows(rows);
}

int residualRowOf(const DocumentTable& residual, int hazardRow)
{
    for (int row = 1; row < residual.rowCount(); ++row) {
        if (hazardNumber(residual, row) == hazardRow)
            return row;
    }
    return -1;
}

QStringList residualCells(RiskMethod method, QStringList cells, const QStringList& residual)
{
    const risk::HazardColumns columns = risk::hazardColumns(method);
    const std::pair<int, int> factors[] = {{columns.s, ResidualS}, {columns.p, ResidualP}, {columns.e, ResidualE}};
    for (const auto& [hazardColumn, residualColumn] : factors) {
        if (hazardColumn >= 0 && hazardColumn < cells.size())
            cells[hazardColumn] = residual.value(residualColumn);
    }
    return cells;
}

} // namespace plan
