#include "model/document_fields.h"

#include "risk/risk_method.h"

#include <QHash>

namespace {

const QByteArray kDescription = QByteArrayLiteral("OPIS");
const QByteArray kCard = QByteArrayLiteral("OPISOC");
const QByteArray kTableStem = QByteArrayLiteral("TABELA");

StoredField field(Field id, const QByteArray& section, const char* key, FieldKind kind)
{
    return {id, section, QByteArray(key), kind, {}, {}};
}

// What a project holds; an assessment holds the same after its card. The description memo
// precedes the method, so a new file stores Uwagi before Metoda.
QList<StoredField> projectPart()
{
    StoredField method = field(Field::Method, kDescription, "Metoda", FieldKind::Choice);
    method.choices = risk::methodNames();
    return {
        field(Field::Workstation, kDescription, "Stanowisko", FieldKind::Line),
        field(Field::CreatedOn, kDescription, "DataUtw", FieldKind::Line),
        field(Field::PreparedBy, kDescription, "Opracowal", FieldKind::Line),
        field(Field::Description, kDescription, "Uwagi", FieldKind::Memo),
        method,
        field(Field::Location, kDescription, "OPISA", FieldKind::Memo),
        field(Field::Room, kDescription, "OPISB", FieldKind::Memo),
        field(Field::Process, kDescription, "OPISC", FieldKind::Memo),
        field(Field::Machines, kDescription, "OPISD", FieldKind::Memo),
        field(Field::ProtectiveEquipment, kDescription, "OPISE", FieldKind::Memo),
        field(Field::OtherRemarks, kDescription, "OPISF", FieldKind::Memo),
        {Field::Hazards, QByteArrayLiteral("ZAGROZENIA"), kTableStem, FieldKind::Table, {}, {}},
        {Field::Checklist, QByteArrayLiteral("WARUNKI"), kTableStem, FieldKind::Table, {}, {}},
    };
}

QList<StoredField> cardPart()
{
    return {
        field(Field::Unit, kCard, "Jednostka", FieldKind::Line),
        field(Field::CardWorkstation, kCard, "Stanowisko", FieldKind::Line),
        field(Field::Employees, kCard, "Zatrudnienie", FieldKind::Line),
        field(Field::CardNumber, kCard, "NrKarty", FieldKind::Line),
        field(Field::PreparedOnDate, kCard, "DataSp", FieldKind::Line),
        field(Field::CardPreparedBy, kCard, "Sporzodzil", FieldKind::Line),
        field(Field::Remarks, kCard, "Uwagi", FieldKind::Memo),
        {Field::ReviewDate, kCard, QByteArrayLiteral("DataPrzegladu"), FieldKind::Line, {}, {}, false},
        {Field::RiskChangeDate, kCard, QByteArrayLiteral("DataZmianyRyzyka"), FieldKind::Line, {}, {}, false},
    };
}

} // namespace

const QList<StoredField>& documentFields(DocumentKind kind)
{
    static const QList<StoredField> project = projectPart();
    static const QList<StoredField> assessment = cardPart() + projectPart() + QList<StoredField>{
        {Field::Plan, QByteArrayLiteral("PLAN"), kTableStem, FieldKind::Table, {}, {}},
        {Field::Residual, QByteArrayLiteral("RYZYKO_PO"), kTableStem, FieldKind::Table, {}, {}},
        {Field::Workers, QByteArrayLiteral("PRACOWNICY"), kTableStem, FieldKind::Table, {}, {}},
    };
    return kind == DocumentKind::Project ? project : assessment;
}

const StoredField& storedField(Field id)
{
    static const QHash<Field, StoredField> byId = [] {
        QHash<Field, StoredField> all;
        for (const StoredField& field : documentFields(DocumentKind::Assessment))
            all.insert(field.id, field);
        return all;
    }();
    return *byId.find(id);
}

const QList<Field>& workstationMemoFields()
{
    static const QList<Field> memos{Field::Location, Field::Room, Field::Process,
                                    Field::Machines, Field::ProtectiveEquipment, Field::OtherRemarks};
    return memos;
}
