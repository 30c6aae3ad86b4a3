#pragma once
// The product's name and the maker's addresses, shown by the main window and its dialogs.

#include <QString>

inline const QString ProductName = QStringLiteral("Ocena Ryzyka Zawodowego");
inline const QString MakerWebAddress = QStringLiteral("https://www.ocena-ryzyka.example");
