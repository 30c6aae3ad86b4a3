#pragma once
// BoundControl: what every control bound to a document file shares: the window's TIniDat,
// a section, a key (or the stem of several keys) and a default. ReadIni takes the control's
// value from IniDat->Ini(), WriteIni puts it back.
// REQUIRES for ReadIni/WriteIni: IniDat is set and its in-memory copy is loaded
// (between OpenIni and CloseIni).

#include <QByteArray>
#include <QString>
#include <functional>

class QObject;
class TIniDat;
class TMemIniFileU;

class BoundControl {
public:
    virtual ~BoundControl() = default;

    TIniDat* IniDat = nullptr;
    QString Sekcja;
    QString Identyfikator;
    QString Domyslna;

    virtual void ReadIni() = 0;
    virtual void WriteIni() = 0;
    // Calls `edited` each time the control's value changes (by the user or by ReadIni), as
    // long as `context` lives.
    virtual void connectEdits(QObject* context, const std::function<void()>& edited) = 0;

protected:
    // The loaded in-memory copy of the document.
    TMemIniFileU& ini() const;
    // Section, key and default as the file holds them: Windows-1250 bytes.
    QByteArray sectionBytes() const;
    QByteArray keyBytes() const;
    QByteArray defaultBytes() const;
};

// Binds `control` to a key of the document and returns it, so a window can create and bind
// a control in one expression.
template <class Control>
Control* bindTo(Control* control, TIniDat* iniDat, const QString& sekcja, const QString& identyfikator)
{
    control->IniDat = iniDat;
    control->Sekcja = sekcja;
    control->Identyfikator = identyfikator;
    return control;
}
