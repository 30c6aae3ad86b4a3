#include "documents/row_commands.h"

#include "base/prompts.h"
#include "documents/hazard_picker.h"
#include "documents/assessment_window.h"
#include "documents/plan_page.h"
#include "documents/project_window.h"
#include "documents/workers_page.h"
#include "controls/string_grid_ini.h"

#include <QCoreApplication>

namespace {

constexpr int HazardTab = 2;
constexpr int ChecklistTab = 3;


// The table on the project's active tab, nullptr on a tab without one.
TStringGridIni* activeTable(TForm2* project)
{
    switch (project->currentPage()) {
    case HazardTab:
        return project->StringGridIni1;
    case ChecklistTab:
        return project->StringGridIni2;
    default:
        return nullptr;
    }
}

// The row becomes the selected one, in view, and the table takes the focus, so typing and
// pasting go to the row at once.
void selectRow(TStringGridIni* table, int row)
{
    table->setFocus();
    table->setCurrentCell(row, qMax(0, table->currentColumn()));
    table->scrollToCell(row, table->currentColumn());
}

// On the hazard table, lets the picker fill the selected row; the row stays in view with
// its height grown to the filled cells. A catalogue that cannot be read throws, leaving the
// row as it is: empty.
void fillFromCatalogue(TForm2* project, TStringGridIni* table, const QString& cataloguePath, bool shortMatrycowa)
{
    if (table != project->StringGridIni1)
        return;
    ShowHazardPicker(cataloguePath, row_commands::degreesOfHarm(project->method(), shortMatrycowa), table, project);
    // The table grows a row to its text while painting it: painted now, and the growth
    // applied, the whole filled row can be brought into view.
    table->viewport()->repaint();
    QCoreApplication::sendPostedEvents(table, QEvent::MetaCall);
    selectRow(table, table->currentRow());
}

// On an assessment's plan or workers tab the command acts on that list, as the tab's own
// button does; true then.
bool onAssessmentList(DocumentWindow* window, void (PlanPage::*onPlan)(), void (WorkersPage::*onWorkers)())
{
    auto* assessment = qobject_cast<TForm5*>(window);
    if (!assessment)
        return false;
    if (assessment->currentPage() == TForm5::PlanTabIndex)
        (assessment->PlanTab->*onPlan)();
    else if (assessment->currentPage() == TForm5::WorkersTabIndex)
        (assessment->WorkersTab->*onWorkers)();
    else
        return false;
    return true;
}

} // namespace

namespace row_commands {

QStringList degreesOfHarm(RiskMethod method, bool shortMatrycowa)
{
    if (method == RiskMethod::Matrycowa && shortMatrycowa)
        return risk::shortMatrycowaS();
    return risk::scale(method, risk::Factor::S);
}

void AddRow(DocumentWindow* window, const QString& cataloguePath)
{
    if (onAssessmentList(window, &PlanPage::addMeasure, &WorkersPage::addWorker))
        return;
    auto* project = qobject_cast<TForm2*>(window);
    TStringGridIni* table = project ? activeTable(project) : nullptr;
    if (!table)
        return;
    const int row = table->rowCount();
    table->setRowCount(row + 1);
    selectRow(table, row);
    fillFromCatalogue(project, table, cataloguePath, false);
}

void InsertRow(DocumentWindow* window, const QString& cataloguePath)
{
    if (onAssessmentList(window, &PlanPage::insertMeasure, &WorkersPage::insertWorker))
        return;
    auto* project = qobject_cast<TForm2*>(window);
    TStringGridIni* table = project ? activeTable(project) : nullptr;
    if (!table || table->currentRow() < 1)
        return;
    const int row = table->currentRow();
    table->insertRow(row);
    selectRow(table, row);
    fillFromCatalogue(project, table, cataloguePath, true);
}

void DeleteRow(DocumentWindow* window)
{
    if (onAssessmentList(window, &PlanPage::deleteMeasure, &WorkersPage::deleteWorker))
        return;
    auto* project = qobject_cast<TForm2*>(window);
    TStringGridIni* table = project ? activeTable(project) : nullptr;
    if (!table || !prompts().question(QStringLiteral("Usunąć wiersz z tabeli.")))
        return;
    if (table->currentRow() >= 1)
        table->removeRow(table->currentRow());
}

void DuplicateRow(DocumentWindow* window)
{
    auto* project = qobject_cast<TForm2*>(window);
    TStringGridIni* table = project ? activeTable(project) : nullptr;
    if (!table || table->currentRow() < 1)
        return;
    const int row = table->currentRow();
    table->insertRow(row + 1);
    for (int column = 0; column < table->columnCount(); ++column)
        table->setCell(column, row + 1, table->cell(column, row));
    selectRow(table, row + 1);
}

} // namespace row_commands
