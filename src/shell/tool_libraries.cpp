#include "shell/tool_libraries.h"

#include "base/app_error.h"
#include "tool_library.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <exception>

QList<ToolLibrary> findToolLibraries(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.isReadable())
        throw AppError(QStringLiteral("Nie można odczytać zawartości folderu %1.").arg(QDir::toNativeSeparators(folder)));
    QList<ToolLibrary> tools;
    const QStringList names = dir.entryList({QStringLiteral("*.so")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) {
        // The metadata is read from the file; a file without readable metadata gives none.
        const QJsonObject metadata = QPluginLoader(dir.filePath(name)).metaData().value(QLatin1String("MetaData")).toObject();
        if (metadata.value(QLatin1String("InternalName")).toString() == QLatin1String("Tools"))
            tools.append({name, metadata.value(QLatin1String("FileDescription")).toString()});
    }
    return tools;
}

void runToolLibrary(const QString& path, quintptr mainWindow)
{
    QLibrary library(path);
    if (!library.load())
        return;
    QString failure;
    if (const auto entry = reinterpret_cast<FExpFunction>(library.resolve("FExp"))) {
        // The exception is gone before its library is.
        try {
            entry(mainWindow);
        } catch (const std::exception& error) {
            failure = QString::fromLocal8Bit(error.what());
        } catch (...) {
            failure = QStringLiteral("nieznany błąd");
        }
    }
    library.unload();
    if (!failure.isEmpty())
        throw AppError(QStringLiteral("Narzędzie %1 zakończyło pracę błędem: %2").arg(QFileInfo(path).fileName(), failure));
}
