#pragma once
// ResidualTableModel: the risk left after the action plan, read-only, one row per hazard
// row of the assessment: the hazard, its current risk (the hazard table's risk cell), the
// S, P and E ratings after the measures (E only for a method with exposure) and the risk
// they give. It reads the document's hazard and residual tables and follows their changes.

#include "risk/risk_method.h"

#include <QAbstractTableModel>
#include <optional>

class DocumentModel;

class ResidualTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResidualTableModel(DocumentModel& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The hazard row a model row shows (row 0 shows hazard row 1).
    static int hazardRowOf(const QModelIndex& index) { return index.row() + 1; }
    // The factor rated in `column`, or nullopt for the other columns.
    std::optional<risk::Factor> factorOf(int column) const;
    // The residual text of `factor` for hazard row `hazardRow`; empty while unrated.
    QString rating(int hazardRow, risk::Factor factor) const;

private:
    void refresh();

    DocumentModel& document_;
    bool exposure_ = false;
};
