#include "documents/document_file_reader.h"

#include "base/app_error.h"
#include "base/win1250.h"
#include "storage/ini_file.h"
#include "storage/stored_values.h"

#include <QFileInfo>

namespace {

// The windows' table widths: a project's hazard table has the damage column S besides the
// four descriptions, its checklist no answer column; an assessment's hazard table has the
// columns of its method.
constexpr int ProjectHazardColumns = 5;
constexpr int ProjectChecklistColumns = 2;
constexpr int AssessmentChecklistColumns = 3;

const QByteArray kProjectSection = QByteArrayLiteral("OPIS");
const QByteArray kCardSection = QByteArrayLiteral("OPISOC");

// Reads the file into `file`, which must hold `section`.
void load(TMemIniFile& file, const QByteArray& section, const QString& kind)
{
    const QFileInfo info(file.FileName());
    if (!info.exists())
        throw AppError(QStringLiteral("plik nie istnieje"));
    if (!info.isFile())
        throw AppError(QStringLiteral("to nie jest plik"));
    file.LoadFromFile();
    if (file.SectionKeys(section).isEmpty())
        throw AppError(QStringLiteral("to nie jest plik %1 (brak sekcji [%2])").arg(kind, QString::fromLatin1(section)));
}

QString text(const TMemIniFile& file, const QByteArray& section, const char* key)
{
    return win1250::toUnicode(file.ReadValue(section, key, {}));
}

TableRows table(const TMemIniFile& file, const QByteArray& section, int columns)
{
    const QByteArray stem = QByteArrayLiteral("TABELA");
    const int end = stored::tableEnd(file, section, stem, 1);   // row 0 is the title row
    TableRows rows;
    rows.reserve(end - 1);
    for (int row = 1; row < end; ++row)
        rows.append(stored::readTableRow(file, section, stem, row, columns, {}));
    return rows;
}

void fillProject(ProjectSnapshot& snapshot, const TMemIniFile& file)
{
    snapshot.fileName = QFileInfo(file.FileName()).absoluteFilePath();
    snapshot.workstation = text(file, kProjectSection, "Stanowisko");
    snapshot.createdOn = text(file, kProjectSection, "DataUtw");
    snapshot.preparedBy = text(file, kProjectSection, "Opracowal");
    snapshot.description = stored::readMemo(file, kProjectSection, "Uwagi");
    snapshot.method = risk::methodFromIndex(
        stored::matchingValue(file.ReadValue(kProjectSection, "Metoda", {}), risk::methodNames()));
    for (size_t i = 0; i < snapshot.workstationMemos.size(); ++i)
        snapshot.workstationMemos[i] = stored::readMemo(file, kProjectSection, "OPIS" + QByteArray(1, char('A' + i)));
}

} // namespace

ProjectSnapshot readProjectFile(const QString& fileName)
{
    TMemIniFile file(fileName);
    load(file, kProjectSection, QStringLiteral("projektu"));
    ProjectSnapshot snapshot;
    fillProject(snapshot, file);
    snapshot.hazards = table(file, "ZAGROZENIA", ProjectHazardColumns);
    snapshot.checklist = table(file, "WARUNKI", ProjectChecklistColumns);
    return snapshot;
}

AssessmentSnapshot readAssessmentFile(const QString& fileName)
{
    TMemIniFile file(fileName);
    load(file, kCardSection, QStringLiteral("oceny ryzyka"));
    AssessmentSnapshot snapshot;
    fillProject(snapshot, file);
    snapshot.hazards = table(file, "ZAGROZENIA", risk::hazardColumns(snapshot.method).count);
    snapshot.checklist = table(file, "WARUNKI", AssessmentChecklistColumns);
    snapshot.unit = text(file, kCardSection, "Jednostka");
    snapshot.cardWorkstation = text(file, kCardSection, "Stanowisko");
    snapshot.employees = text(file, kCardSection, "Zatrudnienie");
    snapshot.cardNumber = text(file, kCardSection, "NrKarty");
    snapshot.preparedOnDate = text(file, kCardSection, "DataSp");
    snapshot.cardPreparedBy = text(file, kCardSection, "Sporzodzil");
    snapshot.remarks = stored::readMemo(file, kCardSection, "Uwagi");
    return snapshot;
}
