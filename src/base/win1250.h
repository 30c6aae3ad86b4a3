#pragma once
// Windows-1250, the code page of every file the program reads and writes.
// Text inside the storage core stays in Windows-1250 bytes; these conversions are the
// boundary to QString. Upper-casing follows the code page's own letter mapping, so
// section names and keys with Polish letters compare without regard to case.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace win1250 {

QByteArray fromUnicode(const QString& text);
// The same into `out`, which keeps its room: a pass over many texts allocates once.
void fromUnicode(const QString& text, QByteArray& out);
QString toUnicode(QByteArrayView bytes);

// True when every character of `text` has a Windows-1250 byte.
bool canEncode(const QString& text);
bool canEncode(QChar c);

// The Windows-1250 upper-case byte of `byte` (itself when it has none).
char toUpper(char byte);
QByteArray toUpper(const QByteArray& bytes);

} // namespace win1250
