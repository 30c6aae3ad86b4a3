#include "storage/bound_control.h"

#include "base/win1250.h"
#include "storage/ini_dat.h"

TMemIniFileU& BoundControl::ini() const
{
    Q_ASSERT(IniDat && IniDat->Ini());
    return *IniDat->Ini();
}

QByteArray BoundControl::sectionBytes() const
{
    return win1250::fromUnicode(Sekcja);
}

QByteArray BoundControl::keyBytes() const
{
    return win1250::fromUnicode(Identyfikator);
}

QByteArray BoundControl::defaultBytes() const
{
    return win1250::fromUnicode(Domyslna);
}
