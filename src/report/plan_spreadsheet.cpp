#include "report/plan_spreadsheet.h"

#include "model/action_plan.h"
#include "model/document_snapshot.h"
#include "report/sheet_file.h"

#include <QHash>

namespace {

QString workstationOf(const AssessmentSnapshot& assessment)
{
    return assessment.cardWorkstation.isEmpty() ? assessment.workstation : assessment.cardWorkstation;
}

SheetTable planSheet(const QList<AssessmentSnapshot>& assessments)
{
    const bool several = assessments.size() > 1;
    SheetTable sheet;
    sheet.name = QStringLiteral("Plan działań");
    if (several)
        sheet.header.append(QStringLiteral("Stanowisko"));
    const int first = static_cast<int>(sheet.header.size());
    sheet.header += {QStringLiteral("Zagrożenie"),   QStringLiteral("Działanie"),      QStringLiteral("Rodzaj"),
                     QStringLiteral("Odpowiedzialny"), QStringLiteral("Termin"),       QStringLiteral("Koszt [zł]"),
                     QStringLiteral("Status"),        QStringLiteral("Data wykonania"), QStringLiteral("Uwagi"),
                     QStringLiteral("Ryzyko po działaniach")};
    // Plan columns from the hazard's name on, each one sheet column.
    const int shift = first - plan::HazardName;
    const int due = plan::Due + shift;
    const int status = plan::Status + shift;
    sheet.dateColumns = {due, plan::Done + shift};
    sheet.amountColumns = {plan::Cost + shift};
    // An overdue measure: its date has passed and it is still planned or in progress.
    sheet.warningFormula = QStringLiteral("AND($%1<>\"\",$%1<TODAY(),OR($%2=\"%3\",$%2=\"%4\"))")
                               .arg(sheetColumn(due) + QLatin1Char('2'), sheetColumn(status) + QLatin1Char('2'),
                                    plan::plannedStatus(), plan::statuses().at(1));
    for (const AssessmentSnapshot& assessment : assessments) {
        QHash<QString, QString> residualRisk;
        for (const QStringList& residual : assessment.residual)
            residualRisk.insert(residual.value(plan::ResidualRow), residual.value(plan::ResidualRisk));
        for (const QStringList& measure : assessment.plan) {
            QStringList row;
            row.reserve(sheet.header.size());
            if (several)
                row.append(workstationOf(assessment));
            const QString hazardRow = measure.value(plan::HazardRow);
            row.append(hazardRow == QLatin1String("0") ? QStringLiteral("(zagrożenie usunięte)")
                                                       : measure.value(plan::HazardName));
            for (int column = plan::Measure; column < plan::ColumnCount; ++column)
                row.append(measure.value(column));
            row.append(residualRisk.value(hazardRow));
            sheet.rows.append(row);
        }
    }
    return sheet;
}

} // namespace

bool isPlanSpreadsheetName(const QString& fileName)
{
    return isSheetFileName(fileName);
}

void WritePlanSpreadsheet(const QList<AssessmentSnapshot>& assessments, const QString& fileName)
{
    writeSheetFile(planSheet(assessments), fileName);
}
