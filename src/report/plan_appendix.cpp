#include "report/plan_appendix.h"

#include "model/action_plan.h"
#include "report/report_tables.h"
#include "report/word_basic.h"

#include <algorithm>

namespace {

void note(WordBasic& word, const QString& text)
{
    word.LeftPara();
    word.Insert(text + QLatin1Char('\r'));
    InsertEmptyParagraphs(word, 1);
}

QString hazardName(const QStringList& row)
{
    return row.value(plan::HazardRow) == QLatin1String("0") ? QStringLiteral("(zagrożenie usunięte)")
                                                             : row.value(plan::HazardName);
}

// The measures by their date; a measure without a valid date after all dated ones.
TableRows byDate(const TableRows& measures)
{
    TableRows sorted = measures;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QStringList& a, const QStringList& b) {
        const QDate left = plan::parseDate(a.value(plan::Due));
        const QDate right = plan::parseDate(b.value(plan::Due));
        if (left.isValid() != right.isValid())
            return left.isValid();
        return left.isValid() && left < right;
    });
    return sorted;
}

void measures(WordBasic& word, const TableRows& plan)
{
    if (plan.isEmpty()) {
        note(word, QStringLiteral("Plan nie zawiera działań."));
        return;
    }
    word.TableInsertTable(QString(), 7, static_cast<int>(plan.size()), QString(), 0, 0);
    AddHeaderColumn(word, QStringLiteral("0,8 cm"), QStringLiteral("Lp."), false);
    AddHeaderColumn(word, QStringLiteral("2,5 cm"), QStringLiteral("Zagrożenie"), false);
    AddHeaderColumn(word, QStringLiteral("3,6 cm"), QStringLiteral("Działanie"), false);
    AddHeaderColumn(word, QStringLiteral("2,4 cm"), QStringLiteral("Rodzaj"), false);
    AddHeaderColumn(word, QStringLiteral("2,8 cm"), QStringLiteral("Odpowiedzialny"), false);
    AddHeaderColumn(word, QStringLiteral("1,9 cm"), QStringLiteral("Termin"), false);
    AddHeaderColumn(word, QStringLiteral("2,2 cm"), QStringLiteral("Status"), true);
    RuleTable(word, 7);
    int number = 0;
    for (const QStringList& row : byDate(plan))
        AddDataRow(word, ++number,
                   {hazardName(row), row.value(plan::Measure), row.value(plan::Kind), row.value(plan::Responsible),
                    row.value(plan::Due), row.value(plan::Status)});
    EndTable(word);
}

void residualRisk(WordBasic& word, const AssessmentSnapshot& assessment)
{
    TableRows rated = assessment.residual;
    std::stable_sort(rated.begin(), rated.end(), [](const QStringList& a, const QStringList& b) {
        return a.value(plan::ResidualRow).toInt() < b.value(plan::ResidualRow).toInt();
    });
    if (rated.isEmpty()) {
        note(word, QStringLiteral("Nie oceniono ryzyka po działaniach."));
        return;
    }
    word.TableInsertTable(QString(), 4, static_cast<int>(rated.size()), QString(), 0, 0);
    AddHeaderColumn(word, QStringLiteral("1,2 cm"), QStringLiteral("Nr"), false);
    AddHeaderColumn(word, QStringLiteral("5,0 cm"), QStringLiteral("Zagrożenie"), false);
    AddHeaderColumn(word, QStringLiteral("5,0 cm"), QStringLiteral("Ryzyko obecne"), false);
    AddHeaderColumn(word, QStringLiteral("5,0 cm"), QStringLiteral("Ryzyko po działaniach"), true);
    RuleTable(word, 4);
    const int riskColumn = risk::hazardColumns(assessment.method).risk;
    // Numbered as in the report's hazard tables, so that each can be found there.
    for (const QStringList& row : rated) {
        const int hazardRow = row.value(plan::ResidualRow).toInt();
        const QString now = assessment.hazards.value(hazardRow - 1).value(riskColumn);
        AddDataRow(word, hazardRow, {row.value(plan::ResidualName), now, row.value(plan::ResidualRisk)});
    }
    EndTable(word);
}

} // namespace

void WritePlanAppendix(WordBasic& word, const AssessmentSnapshot& assessment)
{
    StartAppendix(word, QStringLiteral("PLAN DZIAŁAŃ KORYGUJĄCYCH I ZAPOBIEGAWCZYCH"));
    InsertEmptyParagraphs(word, 1);
    AppendixHeading(word, 1, QStringLiteral("Działania korygujące i zapobiegawcze"));
    measures(word, assessment.plan);
    AppendixHeading(word, 2, QStringLiteral("Ryzyko przed działaniami i po nich"));
    residualRisk(word, assessment);
}
