#include "documents/plan_page.h"

#include "base/error_boundary.h"
#include "base/prompts.h"
#include "controls/string_grid_ini.h"
#include "documents/grid_delegate.h"
#include "documents/help_context.h"
#include "documents/plan_delegate.h"
#include "documents/residual_table_model.h"
#include "documents/scale_picker.h"
#include "model/action_plan.h"
#include "model/document_model.h"
#include "model/document_table.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

int pickerMode(risk::Factor factor)
{
    return factor == risk::Factor::S ? 1 : factor == risk::Factor::P ? 2 : 3;
}

// Paints a cell as a plain view does and lets its row grow to the wrapped text when it is
// painted: a table of many rows opens without laying out the text of every row.
class GrowingRowsDelegate : public QStyledItemDelegate {
public:
    explicit GrowingRowsDelegate(QTableView* view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        // The style paints the text inside its margins twice over but measures it inside them
        // once; measured on the width it is painted on, no line is cut off.
        QStyleOptionViewItem painted = option;
        const QWidget* widget = option.widget;
        const int margin = (widget ? widget->style() : QApplication::style())
                               ->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        painted.rect.setWidth(option.rect.width() - 4 * margin);
        const int needed = sizeHint(painted, index).height();
        if (view_->rowHeight(index.row()) < needed)
            growRowLater(view_, index.row(), needed);
    }

private:
    QTableView* view_;
};

} // namespace

PlanPage::PlanPage(DocumentModel& document, QWidget* parent) : QWidget(parent), document_(document)
{
    setHelpContext(this, PlanHelpContext);
    measuresHolder_ = new QWidget(this);

    auto* buttons = new QHBoxLayout;
    const auto addButton = [this, buttons](const QString& text, void (PlanPage::*action)()) {
        auto* button = new QPushButton(text, this);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
        return button;
    };
    AddButton = addButton(QStringLiteral("&Dodaj działanie"), &PlanPage::addMeasure);
    InsertButton = addButton(QStringLiteral("&Wstaw działanie"), &PlanPage::insertMeasure);
    DeleteButton = addButton(QStringLiteral("Usuń dzi&ałanie"), &PlanPage::deleteMeasure);
    FromHazardsButton = addButton(QStringLiteral("Dodaj działania z &tabeli zagrożeń"), &PlanPage::addMeasuresFromHazards);
    SortButton = addButton(QStringLiteral("&Sortuj według terminu"), &PlanPage::sortByDue);
    ExportButton = addButton(QStringLiteral("&Eksportuj plan do arkusza…"), &PlanPage::exportPlanRequested);
    buttons->addStretch(1);

    residualModel_ = new ResidualTableModel(document_, this);
    residualView_ = new QTableView(this);
    residualView_->setModel(residualModel_);
    residualView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    residualView_->setSelectionMode(QAbstractItemView::SingleSelection);
    residualView_->setSelectionBehavior(QAbstractItemView::SelectItems);
    residualView_->setWordWrap(true);
    residualView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    residualView_->setItemDelegate(new GrowingRowsDelegate(residualView_));
    residualView_->setToolTip(QStringLiteral("S, P i E po działaniach: dwuklik, F2 lub Enter otwiera listę wartości."));
    residualView_->installEventFilter(this);
    connect(residualView_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { pickResidual(index.row(), index.column()); });

    auto* residualTitle = new QLabel(QStringLiteral("&Ryzyko resztkowe (po działaniach):"), this);
    residualTitle->setBuddy(residualView_);
    // The measures take three parts of the height, the residual risk two.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(measuresHolder_, 3);
    layout->addLayout(buttons);
    layout->addWidget(residualTitle);
    layout->addWidget(residualView_, 2);
}

void PlanPage::setMeasures(TStringGridIni* measures)
{
    measures_ = measures;
    auto* delegate = new PlanDelegate(measures, document_);
    delegate->rowWarning = [this](int row) { return overdueWarning(row); };
    replaceGridDelegate(measures, delegate);
    measures->setColumnHidden(plan::HazardRow, true);
    // Nine columns do not all fit a narrow window at their titles' widths.
    measures->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    measures->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                              QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    const auto recount = [this] { emit overdueCountChanged(overdueCount()); };
    DocumentTable& plan = document_.plan();
    connect(&plan, &QAbstractItemModel::dataChanged, this, recount);
    connect(&plan, &QAbstractItemModel::rowsInserted, this, recount);
    connect(&plan, &QAbstractItemModel::rowsRemoved, this, recount);
    connect(&plan, &QAbstractItemModel::modelReset, this, recount);
    connect(&document_, &DocumentModel::loaded, this, recount);
}

int PlanPage::overdueCount() const
{
    return plan::overdueCount(document_.plan().dataRows(), QDate::currentDate());
}

QString PlanPage::overdueWarning(int row) const
{
    const DocumentTable& plan = document_.plan();
    QStringList cells;
    for (int c = 0; c < plan::ColumnCount; ++c)
        cells.append(plan.cell(c, row));
    const int days = plan::overdueDays(cells, QDate::currentDate());
    return days > 0 ? QStringLiteral("Termin minął %1 dni temu").arg(days) : QString();
}

void PlanPage::startMeasure(int row)
{
    document_.plan().setCell(plan::Status, row, plan::plannedStatus());
    measures_->setCurrentCell(row, plan::HazardName);
    measures_->setFocus();
}

void PlanPage::addMeasure()
{
    const int row = measures_->rowCount();
    measures_->setRowCount(row + 1);
    startMeasure(row);
}

void PlanPage::insertMeasure()
{
    const int row = measures_->currentRow();
    if (row < 1)
        return;
    measures_->insertRow(row);
    startMeasure(row);
}

void PlanPage::deleteMeasure()
{
    const int row = measures_->currentRow();
    if (row < 1 || !prompts().question(QStringLiteral("Usunąć działanie z planu?")))
        return;
    measures_->removeRow(row);
}

void PlanPage::sortByDue()
{
    plan::sortByDue(document_.plan());
}

void PlanPage::addMeasuresFromHazards()
{
    const int added = plan::addMeasuresFromHazards(document_.plan(), document_.hazards());
    prompts().message(added > 0 ? QStringLiteral("Dodano działania z tabeli zagrożeń: %1.").arg(added)
                                : QStringLiteral("Nie dodano żadnego działania: każde zagrożenie z opisanymi "
                                                 "działaniami zapobiegawczymi ma już działanie w planie."),
                      Prompts::Icon::Information);
}

void PlanPage::pickResidual(int row, int column)
{
    const auto factor = residualModel_->factorOf(column);
    if (!factor || row < 0 || row >= residualModel_->rowCount())
        return;
    const int hazardRow = row + 1;
    const QString chosen = ChooseScaleEntry(pickerMode(*factor), risk::scale(document_.method(), *factor),
                                            residualModel_->rating(hazardRow, *factor), window());
    if (!chosen.isEmpty())
        runCommand([&] { document_.setResidualRating(hazardRow, *factor, chosen); });
    // The keyboard goes on from the cell just rated, wherever the closing picker left the focus.
    residualView_->setCurrentIndex(residualModel_->index(row, column));
    residualView_->setFocus();
}

bool PlanPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == residualView_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QModelIndex current = residualView_->currentIndex();
            pickResidual(current.row(), current.column());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
