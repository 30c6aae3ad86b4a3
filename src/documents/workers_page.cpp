#include "documents/workers_page.h"

#include "base/prompts.h"
#include "controls/string_grid_ini.h"
#include "documents/cell_editors.h"
#include "documents/help_context.h"
#include "documents/workers_delegate.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "model/workers.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOutdated = QStringLiteral("do ponownego zapoznania");

} // namespace

WorkersPage::WorkersPage(DocumentModel& document, QWidget* parent) : QWidget(parent), document_(document)
{
    setHelpContext(this, WorkersHelpContext);
    workersHolder_ = new QWidget(this);

    auto* buttons = new QHBoxLayout;
    const auto addButton = [this, buttons](const QString& text, void (WorkersPage::*action)()) {
        auto* button = new QPushButton(text, this);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
        return button;
    };
    AddButton = addButton(QStringLiteral("&Dodaj pracownika"), &WorkersPage::addWorker);
    InsertButton = addButton(QStringLiteral("&Wstaw pracownika"), &WorkersPage::insertWorker);
    DeleteButton = addButton(QStringLiteral("&Usuń pracownika"), &WorkersPage::deleteWorker);
    PasteButton = addButton(QStringLiteral("Wklej &listę nazwisk"), &WorkersPage::pasteNames);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(workersHolder_, 1);
    layout->addLayout(buttons);

    // The notices follow the workers' dates and the date of the last change of risk.
    const auto recount = [this] { emit outdatedCountChanged(outdatedCount()); };
    connect(&document_, &DocumentModel::fieldChanged, this, [recount](Field field) {
        if (field == Field::Workers || field == Field::RiskChangeDate)
            recount();
    });
    connect(&document_, &DocumentModel::loaded, this, recount);
}

void WorkersPage::setWorkers(TStringGridIni* workers)
{
    workers_ = workers;
    auto* delegate = new WorkersDelegate(workers, document_.workers());
    delegate->rowNotice = [this](int row) { return outdatedNotice(row); };
    replaceGridDelegate(workers, delegate);
    workers->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                             QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
}

int WorkersPage::outdatedCount() const
{
    return workers::outdatedCount(document_.workers().dataRows(), document_.text(Field::RiskChangeDate));
}

QString WorkersPage::outdatedNotice(int row) const
{
    const DocumentTable& table = document_.workers();
    QStringList cells;
    for (int c = 0; c < workers::ColumnCount; ++c)
        cells.append(table.cell(c, row));
    return workers::isOutdated(cells, document_.text(Field::RiskChangeDate)) ? kOutdated : QString();
}

void WorkersPage::editName(int row)
{
    workers_->setCurrentCell(row, workers::Name);
    workers_->setFocus();
}

void WorkersPage::addWorker()
{
    const int row = workers_->rowCount();
    workers_->setRowCount(row + 1);
    editName(row);
}

void WorkersPage::insertWorker()
{
    if (const int row = workers_->currentRow(); row >= 1) {
        workers_->insertRow(row);
        editName(row);
    }
}

void WorkersPage::deleteWorker()
{
    const int row = workers_->currentRow();
    if (row >= 1 && prompts().question(QStringLiteral("Usunąć pracownika z listy?")))
        workers_->removeRow(row);
}

void WorkersPage::pasteNames()
{
    const QStringList names = workers::namesOfLines(QApplication::clipboard()->text());
    if (names.isEmpty()) {
        prompts().message(QStringLiteral("Schowek nie zawiera nazwisk. Skopiuj listę: jedno nazwisko w wierszu."),
                          Prompts::Icon::Information);
        return;
    }
    if (const QString reason = encodingRefusal(names.join(QLatin1Char(' '))); !reason.isEmpty()) {
        prompts().message(reason, Prompts::Icon::Warning);
        return;
    }
    DocumentTable& table = document_.workers();
    const int first = table.rowCount();
    table.setRowCount(first + int(names.size()));
    for (int i = 0; i < names.size(); ++i)
        table.setCell(workers::Name, first + i, names[i]);
    editName(first);
}
