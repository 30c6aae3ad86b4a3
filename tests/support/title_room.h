#pragma once
// The least width a window needs for a window manager to show its whole title: the title
// in bold, as title bars set it, beside an icon and three buttons as wide as the bar is high.

#include <QFontMetrics>
#include <QGuiApplication>

inline int titleRoom(const QString& title)
{
    QFont font = QGuiApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 4 * metrics.height();
}
