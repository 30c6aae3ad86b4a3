#pragma once
// The font of the shell's small dialogs (options, password, welcome, about, exit): Arial,
// given in pixels so that it looks the same at every screen resolution.

#include <QFont>

inline QFont dialogFont(int pixels = 12, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
