#pragma once
// The images drawn for the program, kept in the shell library's resource as
// :/icons/<name>.svg (the program, the two document kinds, the toolbar and welcome images).

#include <QIcon>
#include <QString>

inline QIcon drawnIcon(const char* name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}
