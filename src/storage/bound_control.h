#pragma once
// BoundControl: what every control bound to a document file shares: the window's TIniDat,
// a section, a key (or the stem of several keys) and a default. ReadIni takes the control's
// value from IniDat->Ini(), WriteIni puts it back.
// REQUIRES for ReadIni/WriteIni: IniDat is set and its in-memory copy is loaded
// (between OpenIni and CloseIni).

#include <QString>

class TIniDat;

class BoundControl {
public:
    virtual ~BoundControl() = default;

    TIniDat* IniDat = nullptr;
    QString Sekcja;
    QString Identyfikator;
    QString Domyslna;

    virtual void ReadIni() = 0;
    virtual void WriteIni() = 0;
};
