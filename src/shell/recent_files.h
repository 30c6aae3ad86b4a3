#pragma once
// The list of recently saved documents: full paths, oldest first, at most MaxRecentFiles
// (settings_file.h) entries. Only a save adds to it; opening a file does not.

#include <QString>
#include <QStringList>

// `path` becomes the newest entry (the last). A path already listed, whatever its letter
// case, moves there instead of appearing twice; beyond five entries the oldest drop off.
void rememberRecentFile(QStringList& oldestFirst, const QString& path);
