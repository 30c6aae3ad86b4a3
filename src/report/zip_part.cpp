#include "report/zip_part.h"

#include <quazip.h>
#include <quazipfile.h>
#include <zlib.h>

bool addZipPart(QuaZip& zip, const QString& name, const QByteArray& bytes, bool deflated)
{
    QuaZipFile part(&zip);
    if (!part.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, deflated ? Z_DEFLATED : 0,
                   deflated ? Z_DEFAULT_COMPRESSION : 0))
        return false;
    const bool written = part.write(bytes) == bytes.size();
    part.close();
    return written && part.getZipError() == 0;
}
