#include "model/document_file_reader.h"

#include "base/app_error.h"
#include "model/document_model.h"
#include "storage/ini_file.h"

#include <QFileInfo>

namespace {

// The model of the file, which must hold the section of `identifying`.
void load(DocumentModel& model, const QString& fileName, Field identifying, const QString& kind)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        throw AppError(QStringLiteral("plik nie istnieje"));
    if (!info.isFile())
        throw AppError(QStringLiteral("to nie jest plik"));
    TMemIniFile file(fileName);
    file.LoadFromFile();
    const QByteArray& section = storedField(identifying).section;
    if (file.SectionKeys(section).isEmpty())
        throw AppError(QStringLiteral("to nie jest plik %1 (brak sekcji [%2])").arg(kind, QString::fromLatin1(section)));
    model.load(file);
    model.setFileName(info.absoluteFilePath());
}

} // namespace

ProjectSnapshot readProjectFile(const QString& fileName)
{
    DocumentModel model(DocumentKind::Project);
    load(model, fileName, Field::Workstation, QStringLiteral("projektu"));
    return model.projectValue();
}

AssessmentSnapshot readAssessmentFile(const QString& fileName)
{
    DocumentModel model(DocumentKind::Assessment);
    load(model, fileName, Field::Unit, QStringLiteral("oceny ryzyka"));
    return model.assessmentValue();
}
