#pragma once
// The stored fields of both kinds of document, each declared once: its section, its key (a
// memo's and a table's key stem), its kind and its default. The loading, the saving, the
// windows' controls and the reports all take a field's section and key from here.
//
// A kind's fields are listed in placing order: the order in which a newly written file gets
// their keys (the order the window shows them in, page after page).

#include <QByteArray>
#include <QList>
#include <QStringList>

enum class DocumentKind { Project, Assessment };

enum class FieldKind {
    Line,     // one line of text under one key
    Memo,     // paragraphs under stem1, stem2, ... and an end marker
    Table,    // cells under stem + column + "/" + row; row 0 is a title row, never stored
    Choice,   // the text of the entry chosen from a fixed list
};

enum class Field {
    // A project's description, section OPIS.
    Workstation,
    CreatedOn,
    PreparedBy,
    Description,
    Method,
    // The workstation's characteristics, section OPIS, keys OPISA to OPISF.
    Location,
    Room,
    Process,
    Machines,
    ProtectiveEquipment,
    OtherRemarks,
    Hazards,     // section ZAGROZENIA
    Checklist,   // section WARUNKI
    // An assessment's action plan (section PLAN) and residual ratings (section RYZYKO_PO).
    Plan,
    Residual,
    // The workers informed of the risk, section PRACOWNICY (workers.h).
    Workers,
    // The assessment card, section OPISOC.
    Unit,
    CardWorkstation,
    Employees,
    CardNumber,
    PreparedOnDate,
    CardPreparedBy,
    Remarks,
    ReviewDate,   // the next review of the assessment, dd.MM.yyyy
    RiskChangeDate,   // the last save that changed the risk, dd.MM.yyyy
};

struct StoredField {
    Field id;
    QByteArray section;
    QByteArray key;
    FieldKind kind;
    QByteArray defaultValue;   // as stored; what a missing key (a missing cell) reads as
    QStringList choices;       // a Choice's entries, each stored as its text
    // False for a Line that a file gets only once it holds a value (or had the key): files
    // without it stay as they were.
    bool writtenWhenEmpty = true;
};

// Every field of `kind`, in placing order.
const QList<StoredField>& documentFields(DocumentKind kind);
// The declaration of `id`, whichever kind holds it.
const StoredField& storedField(Field id);
// The workstation memos OPISA to OPISF, in order.
const QList<Field>& workstationMemoFields();
