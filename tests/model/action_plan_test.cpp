// The action plan and the residual ratings of an assessment: rows that follow their hazards,
// what a copy without them keeps, the overdue rule and the residual risk.

#include "base/win1250.h"
#include "model/action_plan.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "risk/risk_method.h"
#include "storage/ini_file.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

// An assessment whose hazard table holds `hazards` (names only), with a plan row and a
// residual row for each of `linked` (hazard row number and name).
QByteArray assessmentFile(const QStringList& hazards, const QList<std::pair<int, QString>>& linked)
{
    QStringList lines{QStringLiteral("[OPISOC]"), QStringLiteral("Jednostka=Hala"), QStringLiteral("[OPIS]"),
                      QStringLiteral("Metoda=PHA"), QStringLiteral("[ZAGROZENIA]")};
    for (int row = 1; row <= hazards.size(); ++row)
        lines.append(QStringLiteral("TABELA0/%1=%2").arg(row).arg(hazards[row - 1]));
    for (const char* section : {"PLAN", "RYZYKO_PO"}) {
        lines.append(QStringLiteral("[%1]").arg(QLatin1String(section)));
        for (int row = 1; row <= linked.size(); ++row) {
            lines.append(QStringLiteral("TABELA0/%1=%2").arg(row).arg(linked[row - 1].first));
            lines.append(QStringLiteral("TABELA1/%1=%2").arg(row).arg(linked[row - 1].second));
        }
    }
    return win1250::fromUnicode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

QStringList links(const DocumentTable& table)
{
    QStringList result;
    for (int row = 1; row < table.rowCount(); ++row)
        result.append(table.cell(plan::HazardRow, row) + ':' + table.cell(plan::HazardName, row));
    return result;
}

} // namespace

TEST(ActionPlan, RowsFollowTheirHazardsAndAMeasureIsNeverDropped)
{
    const QList<std::pair<int, QString>> linked{{1, "Hałas"}, {2, "Pył"}, {3, "Upadek"}};
    struct Case {
        const char* name;
        QStringList hazardsInFile;
        std::function<void(DocumentModel&)> edit;
        QStringList plan;
        QStringList residual;
    };
    const Case cases[] = {
        {"as stored", {"Hałas", "Pył", "Upadek"}, [](DocumentModel&) {},
         {"1:Hałas", "2:Pył", "3:Upadek"}, {"1:Hałas", "2:Pył", "3:Upadek"}},
        {"a hazard row inserted", {"Hałas", "Pył", "Upadek"}, [](DocumentModel& m) { m.hazards().insertRows(2, 1); },
         {"1:Hałas", "3:Pył", "4:Upadek"}, {"1:Hałas", "3:Pył", "4:Upadek"}},
        {"a hazard row removed", {"Hałas", "Pył", "Upadek"}, [](DocumentModel& m) { m.hazards().removeRows(2, 1); },
         {"1:Hałas", "0:Pył", "2:Upadek"}, {"1:Hałas", "2:Upadek"}},
        {"hazards reordered elsewhere", {"Upadek", "Hałas", "Pył"}, [](DocumentModel&) {},
         {"2:Hałas", "3:Pył", "1:Upadek"}, {"2:Hałas", "3:Pył", "1:Upadek"}},
        {"a hazard removed elsewhere", {"Hałas", "Upadek"}, [](DocumentModel&) {},
         {"1:Hałas", "0:Pył", "2:Upadek"}, {"1:Hałas", "2:Upadek"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMemIniFile file;
        file.LoadFromBytes(assessmentFile(c.hazardsInFile, linked));
        DocumentModel model(DocumentKind::Assessment);
        model.load(file);
        EXPECT_FALSE(model.isModified()) << "linking again on opening is no edit";
        c.edit(model);
        EXPECT_EQ(links(model.plan()), c.plan);
        EXPECT_EQ(links(model.residual()), c.residual);
    }
}

TEST(ActionPlan, ACopyThatKnowsNoPlanKeepsItsSections)
{
    TMemIniFile original;
    original.LoadFromBytes(assessmentFile({"Hałas"}, {{1, "Hałas"}}));
    TMemIniFile file;
    file.LoadFromBytes(original.ToBytes());
    // A project knows neither the plan nor the residual ratings, as an older copy does not.
    DocumentModel project(DocumentKind::Project);
    project.load(file);
    project.save(file);
    for (const QByteArray& section : {QByteArrayLiteral("PLAN"), QByteArrayLiteral("RYZYKO_PO")}) {
        QByteArrayList kept;
        QByteArrayList stored;
        for (const QByteArray& key : file.SectionKeys(section))
            kept.append(key + '=' + file.ReadValue(section, key, {}));
        for (const QByteArray& key : original.SectionKeys(section))
            stored.append(key + '=' + original.ReadValue(section, key, {}));
        EXPECT_EQ(kept, stored) << section.constData();
        EXPECT_FALSE(kept.isEmpty());
    }
}

TEST(ActionPlan, AMeasureIsOverdueWhilePlannedOrInProgressAfterItsDate)
{
    const QDate today(2026, 12, 7);
    struct Case {
        QString status;
        QString due;
        int days;
    };
    const Case cases[] = {
        {"planowane", "01.12.2026", 6},
        {"w realizacji", "06.12.2026", 1},
        {"planowane", "07.12.2026", 0},
        {"wykonane", "01.12.2026", 0},
        {"odstąpiono", "01.01.2020", 0},
        {"planowane", "", 0},
        {"planowane", "31.02.2026", 0},
    };
    TableRows plan;
    for (const Case& c : cases) {
        QStringList row(plan::ColumnCount);
        row[plan::Status] = c.status;
        row[plan::Due] = c.due;
        EXPECT_EQ(plan::overdueDays(row, today), c.days) << c.status.toStdString() << ' ' << c.due.toStdString();
        plan.append(row);
    }
    EXPECT_EQ(plan::overdueCount(plan, today), 2);
}

// The risk after the measures is what the hazard table computes for the same factors.
TEST(ActionPlan, ResidualRiskFollowsTheHazardTablesRules)
{
    for (const RiskMethod method : {RiskMethod::PHA, RiskMethod::RiskScore, RiskMethod::FiveSteps, RiskMethod::Matrycowa}) {
        SCOPED_TRACE(risk::methodNames().value(int(method)).toStdString());
        TMemIniFile file;
        file.LoadFromBytes(win1250::fromUnicode(QStringLiteral("[OPISOC]\r\nZatrudnienie=4\r\n[OPIS]\r\nMetoda=%1\r\n"
                                                              "[ZAGROZENIA]\r\nTABELA0/1=Hałas\r\n")
                                                   .arg(risk::methodNames().value(int(method)))));
        DocumentModel model(DocumentKind::Assessment);
        model.load(file);
        const risk::HazardColumns columns = risk::hazardColumns(method);
        std::vector<risk::Factor> factors{risk::Factor::S, risk::Factor::P};
        if (columns.e >= 0)
            factors.push_back(risk::Factor::E);
        for (const risk::Factor factor : factors) {
            const QString entry = risk::scale(method, factor).value(1);
            model.setResidualRating(1, factor, entry);
            const int column = factor == risk::Factor::S ? columns.s : factor == risk::Factor::P ? columns.p : columns.e;
            model.hazards().setCell(column, 1, entry);
        }
        model.recomputeRow(1);
        EXPECT_FALSE(model.hazards().cell(columns.risk, 1).isEmpty());
        EXPECT_EQ(model.residual().cell(plan::ResidualRisk, 1), model.hazards().cell(columns.risk, 1));
        EXPECT_EQ(links(model.residual()), QStringList{"1:Hałas"});
    }
}

TEST(ActionPlan, SortingByDueDatePutsTheUndatedLastInTheirOrder)
{
    DocumentModel model(DocumentKind::Assessment);
    DocumentTable& measures = model.plan();
    const QStringList due{"15.03.2027", "", "01.01.2027", "bez daty", "01.01.2027"};
    measures.setRowCount(int(due.size()) + 1);
    for (int row = 1; row <= due.size(); ++row) {
        measures.setCell(plan::Measure, row, QString::number(row));
        measures.setCell(plan::Due, row, due[row - 1]);
    }
    model.setModified(false);
    plan::sortByDue(measures);
    QStringList order;
    for (int row = 1; row < measures.rowCount(); ++row)
        order.append(measures.cell(plan::Measure, row));
    EXPECT_EQ(order, (QStringList{"3", "5", "1", "2", "4"}));
    EXPECT_TRUE(model.isModified());
    model.setModified(false);
    plan::sortByDue(measures);
    EXPECT_FALSE(model.isModified()) << "an order that stays is no edit";
}
