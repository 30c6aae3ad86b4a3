#include "documents/plan_delegate.h"

#include "base/prompts.h"
#include "documents/cell_editors.h"
#include "model/action_plan.h"
#include "model/document_model.h"
#include "model/document_table.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

namespace {

const QString kRemovedHazard = QStringLiteral("(zagrożenie usunięte)");

bool isDateColumn(int column)
{
    return column == plan::Due || column == plan::Done;
}

// The list a column chooses from; null for a column typed freely.
const QStringList* listOf(int column)
{
    if (column == plan::Kind)
        return &plan::kinds();
    if (column == plan::Status)
        return &plan::statuses();
    return nullptr;
}

// Why `text` cannot go into the column, or empty when it can.
QString refusal(int column, const QString& text)
{
    if (const QString reason = encodingRefusal(text); !reason.isEmpty())
        return reason;
    if (column == plan::Measure && text.size() > plan::MeasureLimit)
        return QStringLiteral("Opis działania może mieć najwyżej %1 znaków.").arg(plan::MeasureLimit);
    if (isDateColumn(column))
        return dateRefusal(text);
    if (column == plan::Cost && !plan::parseCost(text))
        return QStringLiteral("„%1” nie jest poprawnym kosztem. Podaj kwotę nieujemną z przecinkiem dziesiętnym, "
                              "np. 1250,50.")
            .arg(text);
    return {};
}

} // namespace

bool editPlanCell(DocumentTable& plan, int column, int row, const QString& text)
{
    if (const QString reason = refusal(column, text); !reason.isEmpty()) {
        prompts().message(reason, Prompts::Icon::Warning);
        return false;
    }
    QString stored = text;
    if (isDateColumn(column))
        stored = storedDate(text);
    else if (column == plan::Cost && !text.trimmed().isEmpty())
        stored = plan::costText(*plan::parseCost(text));
    plan.setCell(column, row, stored);
    if (column == plan::Status && stored == plan::doneStatus() && plan.cell(plan::Done, row).isEmpty())
        plan.setCell(plan::Done, row, plan::dateText(QDate::currentDate()));
    return true;
}

PlanDelegate::PlanDelegate(QTableView* table, DocumentModel& document)
    : GridDelegate(table, {.boldTitles = true, .evenRowsWindowText = true, .red = RedRule::None}), document_(document)
{
}

QString PlanDelegate::cellText(const QModelIndex& index) const
{
    if (index.row() > 0 && index.column() == plan::HazardName &&
        document_.plan().cell(plan::HazardRow, index.row()) == QLatin1String("0"))
        return kRemovedHazard;
    return GridDelegate::cellText(index);
}

QWidget* PlanDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int column = index.column();
    if (index.row() < 1)
        return nullptr;
    if (column == plan::HazardName) {
        auto* hazards = new QComboBox(parent);
        const DocumentTable& table = document_.hazards();
        for (int h = 1; h < table.rowCount(); ++h)
            hazards->addItem(QStringLiteral("%1. %2").arg(h).arg(table.cell(0, h)), h);
        return hazards;
    }
    if (const QStringList* list = listOf(column)) {
        auto* choices = new QComboBox(parent);
        choices->addItems(*list);
        return choices;
    }
    if (isDateColumn(column))
        return createDateCellEditor(parent);
    // The cost is checked once the typing ends, not at every key as the texts are kept.
    if (column == plan::Cost)
        return Win1250CellDelegate::createEditor(parent, option, index);
    QWidget* editor = GridDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && column == plan::Measure)
        static_cast<Win1250Validator*>(const_cast<QValidator*>(line->validator()))->typingLimit = plan::MeasureLimit;
    return editor;
}

void PlanDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data().toString();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(index.column() == plan::HazardName
                                  ? list->findData(document_.plan().cell(plan::HazardRow, index.row()).toInt())
                                  : list->findText(text));
    } else if (auto* date = qobject_cast<QDateEdit*>(editor)) {
        setDateCellEditorData(date, text);
    } else {
        GridDelegate::setEditorData(editor, index);
    }
}

void PlanDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    Q_UNUSED(model);
    DocumentTable& table = document_.plan();
    const int row = index.row();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        if (list->currentIndex() < 0)
            return;
        if (index.column() == plan::HazardName) {
            table.setCell(plan::HazardRow, row, QString::number(list->currentData().toInt()));
            table.setCell(plan::HazardName, row, document_.hazards().cell(0, list->currentData().toInt()));
        } else {
            editPlanCell(table, index.column(), row, list->currentText());
        }
    } else if (auto* date = qobject_cast<QDateEdit*>(editor)) {
        if (const std::optional<QString> text = dateCellEditorText(date, index.data().toString()))
            editPlanCell(table, index.column(), row, *text);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        if (!editPlanCell(table, index.column(), row, line->text()))
            line->setText(index.data().toString());
    }
}
