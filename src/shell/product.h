#pragma once
// The product and its maker, as the main window, the about box and the help show them. The
// one place that names them.

#include <QString>

inline const QString ProductName = QStringLiteral("Ocena Ryzyka Zawodowego");
inline const QString ProgramVersion = QStringLiteral("1.1");
inline const QString MakerName = QStringLiteral("Pracownia Oprogramowania BHP");
inline const QString MakerStreet = QStringLiteral("ul. Bezpieczna 1");
inline const QString MakerTown = QStringLiteral("00-950 Warszawa");
inline const QString MakerEmail = QStringLiteral("kontakt@ocena-ryzyka.example");
// Given at build time (-DMAKER_WEB_ADDRESS=...); empty when the build names none, and then
// the program offers no web page at all.
inline const QString MakerWebAddress = QString::fromUtf8(MAKER_WEB_ADDRESS);
