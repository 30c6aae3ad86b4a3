#include "model/hazard_copy.h"

#include "base/win1250.h"
#include "model/document_file_reader.h"
#include "model/document_model.h"
#include "model/document_table.h"

#include <QDir>
#include <QSet>

namespace {

constexpr int DescriptionColumns = 4;   // hazard, sources, effects, preventive actions
constexpr int ChecklistColumns = 2;     // question, corrective action

// The identity of a row, from its first `columns` cells: what the find would take as equal.
QByteArray keyOf(const QStringList& cells, int columns)
{
    QByteArray key;
    for (int c = 0; c < columns; ++c)
        key += win1250::toUpper(win1250::fromUnicode(cells.value(c))) + '\n';
    return key;
}

QList<OfferedRow> offered(const TableRows& rows, const DocumentTable& target, int keyColumns)
{
    QSet<QByteArray> present;
    for (const QStringList& row : target.dataRows())
        present.insert(keyOf(row, keyColumns));
    QList<OfferedRow> result;
    for (const QStringList& row : rows)
        result.append({row, present.contains(keyOf(row, keyColumns))});
    return result;
}

QString methodName(RiskMethod method)
{
    return risk::methodNames().value(int(method));
}

// Appends `rows` of `offer` to `table`, `columns` cells each; the numbers of the new rows.
QList<int> append(DocumentTable& table, const QList<OfferedRow>& offer, const QList<int>& rows, int columns)
{
    QList<int> added;
    for (int index : rows) {
        const int row = table.rowCount();
        table.setRowCount(row + 1);
        for (int c = 0; c < qMin(columns, table.columnCount()); ++c)
            table.setCell(c, row, offer[index].cells.value(c));
        added.append(row);
    }
    return added;
}

} // namespace

CopyOffer offerRowsFrom(const QString& sourceFile, const DocumentModel& target)
{
    const bool sourceRated = sourceFile.endsWith(QLatin1String(".ron"));
    const ProjectSnapshot source = sourceRated ? readAssessmentFile(sourceFile) : readProjectFile(sourceFile);
    CopyOffer offer;
    offer.hazards = offered(source.hazards, target.hazards(), 2);
    offer.checklist = offered(source.checklist, target.checklist(), 1);
    if (target.kind() != DocumentKind::Assessment)
        return offer;
    offer.withRatings = sourceRated && source.method == target.method();
    const QString name = QDir::toNativeSeparators(sourceFile);
    if (!sourceRated)
        offer.ratingsLeftOut = QStringLiteral("Plik „%1” jest projektem i nie ma ocen zagrożeń, więc oceny "
                                              "skopiowanych zagrożeń pozostały puste.")
                                   .arg(name);
    else if (!offer.withRatings)
        offer.ratingsLeftOut = QStringLiteral("Plik „%1” jest oceną ryzyka metodą %2, a ta ocena używa metody %3, "
                                              "więc oceny skopiowanych zagrożeń pozostały puste.")
                                   .arg(name, methodName(source.method), methodName(target.method()));
    return offer;
}

void appendOfferedRows(DocumentModel& target, const CopyOffer& offer, const QList<int>& hazards,
                       const QList<int>& checklist)
{
    const int hazardColumns = offer.withRatings ? target.hazards().columnCount() : DescriptionColumns;
    const QList<int> added = append(target.hazards(), offer.hazards, hazards, hazardColumns);
    append(target.checklist(), offer.checklist, checklist, ChecklistColumns);
    if (offer.withRatings) {
        for (int row : added)
            target.recomputeRow(row);
    }
}
