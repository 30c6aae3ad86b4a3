#include "shell/recent_files.h"

#include "shell/settings_file.h"

void rememberRecentFile(QStringList& oldestFirst, const QString& path)
{
    oldestFirst.removeIf([&path](const QString& listed) { return listed.compare(path, Qt::CaseInsensitive) == 0; });
    oldestFirst.append(path);
    while (oldestFirst.size() > MaxRecentFiles)
        oldestFirst.removeFirst();
}
