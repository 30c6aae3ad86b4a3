#include "documents/residual_table_model.h"

#include "model/action_plan.h"
#include "model/document_model.h"
#include "model/document_table.h"

namespace {

enum Column { Hazard, CurrentRisk, SAfter, PAfter, EAfter, RiskAfter };

} // namespace

ResidualTableModel::ResidualTableModel(DocumentModel& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document)
{
    // Only the hazard rows make rows here; any other change is a change of texts, which
    // keeps the user's place in the table.
    const DocumentTable& hazards = document_.hazards();
    connect(&hazards, &QAbstractItemModel::rowsInserted, this, &ResidualTableModel::refresh);
    connect(&hazards, &QAbstractItemModel::rowsRemoved, this, &ResidualTableModel::refresh);
    connect(&hazards, &QAbstractItemModel::modelReset, this, &ResidualTableModel::refresh);
    const auto textsChanged = [this] {
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    };
    connect(&hazards, &QAbstractItemModel::dataChanged, this, textsChanged);
    const DocumentTable& residual = document_.residual();
    connect(&residual, &QAbstractItemModel::dataChanged, this, textsChanged);
    connect(&residual, &QAbstractItemModel::rowsInserted, this, textsChanged);
    connect(&residual, &QAbstractItemModel::rowsRemoved, this, textsChanged);
    connect(&residual, &QAbstractItemModel::modelReset, this, textsChanged);
    connect(&document_, &DocumentModel::loaded, this, &ResidualTableModel::refresh);
    connect(&document_, &DocumentModel::fieldChanged, this, [this](Field field) {
        if (field == Field::Method)
            refresh();
    });
    refresh();
}

void ResidualTableModel::refresh()
{
    beginResetModel();
    exposure_ = risk::hazardColumns(document_.method()).e >= 0;
    endResetModel();
}

int ResidualTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : document_.hazards().rowCount() - 1;
}

int ResidualTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : (exposure_ ? 6 : 5);
}

std::optional<risk::Factor> ResidualTableModel::factorOf(int column) const
{
    if (column == SAfter)
        return risk::Factor::S;
    if (column == PAfter)
        return risk::Factor::P;
    if (column == EAfter && exposure_)
        return risk::Factor::E;
    return std::nullopt;
}

QString ResidualTableModel::rating(int hazardRow, risk::Factor factor) const
{
    const DocumentTable& residual = document_.residual();
    const int row = plan::residualRowOf(residual, hazardRow);
    const int column = factor == risk::Factor::S ? plan::ResidualS : factor == risk::Factor::P ? plan::ResidualP
                                                                                               : plan::ResidualE;
    return row < 0 ? QString() : residual.cell(column, row);
}

QVariant ResidualTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const int hazardRow = hazardRowOf(index);
    const DocumentTable& hazards = document_.hazards();
    if (index.column() == Hazard)
        return hazards.cell(0, hazardRow);
    if (index.column() == CurrentRisk)
        return hazards.cell(risk::hazardColumns(document_.method()).risk, hazardRow);
    if (const auto factor = factorOf(index.column()))
        return rating(hazardRow, *factor);
    const int row = plan::residualRowOf(document_.residual(), hazardRow);
    return row < 0 ? QString() : document_.residual().cell(plan::ResidualRisk, row);
}

QVariant ResidualTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    QStringList titles{QStringLiteral("Zagrożenie"), QStringLiteral("Ryzyko obecne"), QStringLiteral("S po działaniach"),
                       QStringLiteral("P po działaniach")};
    if (exposure_)
        titles.append(QStringLiteral("E po działaniach"));
    titles.append(QStringLiteral("Ryzyko po działaniach"));
    return titles.value(section);
}
