#pragma once
// The bytes of a document file written out in a test.

#include "base/win1250.h"

#include <QByteArray>
#include <QStringList>

// Every line (given here in UTF-8) in Windows-1250, ending in CR LF.
inline QByteArray crlf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += win1250::fromUnicode(line) + "\r\n";
    return bytes;
}
