#include "model/workstation_templates.h"

#include "base/app_error.h"
#include "base/win1250.h"
#include "model/document_file_reader.h"
#include "model/document_model.h"
#include "storage/ini_file.h"

#include <QCollator>
#include <QDir>

namespace {

const QString Extension = QStringLiteral(".rpr");

QList<WorkstationTemplate> templatesIn(const QString& folder, bool own)
{
    QList<WorkstationTemplate> found;
    const QDir dir(folder);
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.rpr")}, QDir::Files)) {
        try {
            const ProjectSnapshot content = readProjectFile(file.absoluteFilePath());
            const QString name = file.completeBaseName();
            const QString title = own || content.workstation.isEmpty() ? name : content.workstation;
            found.append({name, title, file.absoluteFilePath(), own, content});
        } catch (const AppError&) {
            // Not a project: nothing a new project could start from.
        }
    }
    QCollator collator{QLocale(QLocale::Polish)};
    std::sort(found.begin(), found.end(), [&](const WorkstationTemplate& a, const WorkstationTemplate& b) {
        return collator.compare(a.title, b.title) < 0;
    });
    return found;
}

} // namespace

QList<WorkstationTemplate> listTemplates(const QString& shippedFolder, const QString& userFolder)
{
    return templatesIn(shippedFolder, false) + templatesIn(userFolder, true);
}

bool isValidTemplateName(const QString& name)
{
    static const QString refused = QStringLiteral("\\/:*?\"<>|");
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name != name.trimmed() || name.endsWith(QLatin1Char('.')) || !win1250::canEncode(name))
        return false;
    return std::none_of(name.begin(), name.end(),
                        [](QChar c) { return c.unicode() < 0x20 || refused.contains(c); });
}

QString templatePath(const QString& userFolder, const QString& name)
{
    return QDir(userFolder).filePath(name + Extension);
}

void saveTemplate(const DocumentModel& model, const QString& path)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        throw AppError(QStringLiteral("Nie można utworzyć folderu „%1”.").arg(QDir::toNativeSeparators(QFileInfo(path).path())));
    TMemIniFile file(path);
    model.save(file);
    file.WriteToDisk();
}
