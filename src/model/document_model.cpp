#include "model/document_model.h"

#include "base/win1250.h"
#include "model/action_plan.h"
#include "model/document_table.h"
#include "model/workers.h"
#include "storage/ini_file.h"
#include "storage/stored_values.h"

namespace {

constexpr int ProjectHazardColumns = 5;
// Until its method is known an assessment's hazard table has the columns of the widest one.
constexpr int AssessmentHazardColumnsBeforeLoad = 8;
constexpr int ProjectChecklistColumns = 2;
constexpr int AssessmentChecklistColumns = 3;

void saveMemo(TMemIniFile& file, const StoredField& field, const QStringList& lines, int linesLoaded)
{
    const int count = lines.size();
    for (int n = 1; n <= count; ++n)
        file.WriteValue(field.section, stored::memoLineKey(field.key, n), stored::memoLineBytes(lines[n - 1]));
    // Lines the document had beyond the new end go, and so does the old end marker.
    if (count < linesLoaded) {
        for (int n = count + 1; n <= linesLoaded + 1; ++n)
            file.DeleteValue(field.section, stored::memoLineKey(field.key, n));
    }
    file.WriteValue(field.section, stored::memoLineKey(field.key, count + 1), stored::MemoEnd);
}

// Whether the file has the field's key: a missing key gives back either default.
bool holdsKey(const TMemIniFile& file, const StoredField& field)
{
    return file.ReadValue(field.section, field.key, "0") != "0" || file.ReadValue(field.section, field.key, "1") != "1";
}

} // namespace

DocumentModel::DocumentModel(DocumentKind kind, QObject* parent) : QObject(parent), kind_(kind)
{
    const bool project = kind == DocumentKind::Project;
    const int hazardColumns = project ? ProjectHazardColumns : AssessmentHazardColumnsBeforeLoad;
    tables_.insert(Field::Hazards, new DocumentTable(hazardColumns, this));
    tables_.insert(Field::Checklist,
                   new DocumentTable(project ? ProjectChecklistColumns : AssessmentChecklistColumns, this));
    if (!project) {
        tables_.insert(Field::Plan, new DocumentTable(plan::ColumnCount, this));
        tables_.insert(Field::Residual, new DocumentTable(plan::ResidualColumnCount, this));
        tables_.insert(Field::Workers, new DocumentTable(workers::ColumnCount, this));
        // The plan and the residual ratings follow their hazards' rows.
        connect(&hazards(), &DocumentTable::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
            plan::followInsertedHazards(plan(), first, last - first + 1);
            plan::followInsertedHazards(residual(), first, last - first + 1);
        });
        connect(&hazards(), &DocumentTable::rowsRemoved, this, [this](const QModelIndex&, int first, int last) {
            plan::followRemovedHazards(plan(), first, last - first + 1, true);
            plan::followRemovedHazards(residual(), first, last - first + 1, false);
        });
    }
    for (const Field field : tables_.keys())
        connect(tables_.value(field), &DocumentTable::edited, this, [this, field] { edited(field); });
    for (const StoredField& field : fields()) {
        if (field.kind == FieldKind::Choice)
            choices_.insert(field.id, -1);
    }
}

QString DocumentModel::text(Field field) const
{
    return texts_.value(field);
}

void DocumentModel::setText(Field field, const QString& text)
{
    if (texts_.value(field) == text)
        return;
    texts_.insert(field, text);
    edited(field);
}

QStringList DocumentModel::lines(Field field) const
{
    return memos_.value(field);
}

void DocumentModel::setLines(Field field, const QStringList& lines)
{
    if (memos_.value(field) == lines)
        return;
    memos_.insert(field, lines);
    edited(field);
}

int DocumentModel::choice(Field field) const
{
    return choices_.value(field, -1);
}

void DocumentModel::setChoice(Field field, int index)
{
    if (index < 0 || index >= storedField(field).choices.size())
        index = -1;
    if (choice(field) == index)
        return;
    choices_.insert(field, index);
    edited(field);
}

DocumentTable& DocumentModel::table(Field field) const
{
    return *tables_.value(field);
}

RiskMethod DocumentModel::method() const
{
    return risk::methodFromIndex(choice(Field::Method));
}

bool DocumentModel::isOffScale(int column, int row) const
{
    const std::optional<risk::Factor> factor = risk::factorOfColumn(method(), column);
    const QString text = row >= 1 ? hazards().cell(column, row) : QString();
    return factor && !text.isEmpty() && !risk::scaleValue(method(), *factor, text);
}

void DocumentModel::recomputeRow(int row)
{
    const RiskMethod current = method();
    DocumentTable& table = hazards();
    QStringList cells;
    for (int c = 0; c < table.columnCount(); ++c)
        cells.append(table.cell(c, row));
    const std::optional<QString> risk = risk::ObliczWiersz(current, cells, text(Field::Employees));
    table.setCell(risk::hazardColumns(current).risk, row, risk.value_or(QString()));
}

void DocumentModel::recomputeAllRows()
{
    for (int r = 1; r < hazards().rowCount(); ++r)
        recomputeRow(r);
}

void DocumentModel::setResidualRating(int hazardRow, risk::Factor factor, const QString& text)
{
    DocumentTable& ratings = residual();
    int row = plan::residualRowOf(ratings, hazardRow);
    if (row < 0) {
        row = ratings.rowCount();
        ratings.setRowCount(row + 1);
        ratings.setCell(plan::ResidualRow, row, QString::number(hazardRow));
        ratings.setCell(plan::ResidualName, row, hazards().cell(0, hazardRow));
    }
    const int column = factor == risk::Factor::S ? plan::ResidualS : factor == risk::Factor::P ? plan::ResidualP
                                                                                               : plan::ResidualE;
    ratings.setCell(column, row, text);
    recomputeResidual(row);
}

void DocumentModel::recomputeResidual(int row)
{
    const RiskMethod current = method();
    DocumentTable& ratings = residual();
    const int hazardRow = ratings.cell(plan::ResidualRow, row).toInt();
    QStringList cells;
    for (int c = 0; c < hazards().columnCount(); ++c)
        cells.append(hazards().cell(c, hazardRow));
    QStringList rating;
    for (int c = 0; c < plan::ResidualColumnCount; ++c)
        rating.append(ratings.cell(c, row));
    const std::optional<QString> risk =
        hazardRow >= 1 ? risk::ObliczWiersz(current, plan::residualCells(current, cells, rating), text(Field::Employees))
                       : std::nullopt;
    ratings.setCell(plan::ResidualRisk, row, risk.value_or(QString()));
}

void DocumentModel::load(const TMemIniFile& file)
{
    loading_ = true;
    for (const StoredField& field : fields()) {
        switch (field.kind) {
        case FieldKind::Line:
            texts_.insert(field.id, win1250::toUnicode(file.ReadValue(field.section, field.key, field.defaultValue)));
            break;
        case FieldKind::Memo: {
            const QStringList read = stored::readMemo(file, field.section, field.key);
            memos_.insert(field.id, read);
            memoLinesLoaded_.insert(field.id, read.size());
            break;
        }
        case FieldKind::Choice:
            choices_.insert(field.id, stored::matchingValue(file.ReadValue(field.section, field.key, field.defaultValue),
                                                            field.choices));
            break;
        case FieldKind::Table:
            // An assessment's hazard table takes the columns of the method just read.
            if (field.id == Field::Hazards && kind_ == DocumentKind::Assessment)
                hazards().setColumnCount(risk::hazardColumns(method()).count);
            table(field.id).load(file, field);
            break;
        }
    }
    if (kind_ == DocumentKind::Assessment) {
        plan::relink(plan(), hazards(), true);
        plan::relink(residual(), hazards(), false);
        const int riskColumn = risk::hazardColumns(method()).risk;
        for (int r = 1; r < hazards().rowCount(); ++r) {
            for (int c = 0; c < riskColumn; ++c) {
                if (isOffScale(c, r)) {
                    hazards().setCell(riskColumn, r, QString());
                    break;
                }
            }
        }
    }
    loading_ = false;
    setModified(false);
    emit loaded();
}

void DocumentModel::save(TMemIniFile& file) const
{
    for (const StoredField& field : fields()) {
        switch (field.kind) {
        case FieldKind::Line:
            if (field.writtenWhenEmpty || !text(field.id).isEmpty() || holdsKey(file, field))
                file.WriteValue(field.section, field.key, win1250::fromUnicode(text(field.id)));
            break;
        case FieldKind::Memo:
            saveMemo(file, field, lines(field.id), memoLinesLoaded_.value(field.id));
            break;
        case FieldKind::Choice:
            // With no entry chosen the key keeps whatever the document holds.
            if (const int index = choice(field.id); index >= 0)
                file.WriteValue(field.section, field.key, win1250::fromUnicode(field.choices[index]));
            break;
        case FieldKind::Table:
            table(field.id).save(file, field);
            break;
        }
    }
}

void DocumentModel::stampRiskChange(QDate today)
{
    if (riskChanged_ && kind_ == DocumentKind::Assessment)
        setText(Field::RiskChangeDate, plan::dateText(today));
}

void DocumentModel::setModified(bool modified)
{
    if (!modified)
        riskChanged_ = false;
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void DocumentModel::edited(Field field)
{
    if (loading_)
        return;
    if (field == Field::Hazards || field == Field::Plan || field == Field::Residual)
        riskChanged_ = true;
    setModified(true);
    emit fieldChanged(field);
}

ProjectSnapshot DocumentModel::projectValue() const
{
    ProjectSnapshot value;
    value.fileName = fileName_;
    value.workstation = text(Field::Workstation);
    value.createdOn = text(Field::CreatedOn);
    value.preparedBy = text(Field::PreparedBy);
    value.description = lines(Field::Description);
    value.method = method();
    for (size_t i = 0; i < value.workstationMemos.size(); ++i)
        value.workstationMemos[i] = lines(workstationMemoFields()[i]);
    value.hazards = hazards().dataRows();
    value.checklist = checklist().dataRows();
    return value;
}

AssessmentSnapshot DocumentModel::assessmentValue() const
{
    AssessmentSnapshot value;
    static_cast<ProjectSnapshot&>(value) = projectValue();
    value.unit = text(Field::Unit);
    value.cardWorkstation = text(Field::CardWorkstation);
    value.employees = text(Field::Employees);
    value.cardNumber = text(Field::CardNumber);
    value.preparedOnDate = text(Field::PreparedOnDate);
    value.cardPreparedBy = text(Field::CardPreparedBy);
    value.remarks = lines(Field::Remarks);
    value.reviewDate = text(Field::ReviewDate);
    value.riskChangeDate = text(Field::RiskChangeDate);
    value.plan = plan().dataRows();
    value.residual = residual().dataRows();
    value.workers = workers().dataRows();
    return value;
}
