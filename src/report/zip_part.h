#pragma once
// One file of a zip package (.docx, .odt), written whole.

#include <QByteArray>
#include <QString>

class QuaZip;

// Adds `bytes` as the file `name` of the open `zip`, deflated or, for a part that must be
// read without unpacking (the .odt mimetype), stored; false when it fails.
bool addZipPart(QuaZip& zip, const QString& name, const QByteArray& bytes, bool deflated = true);
