#pragma once
// The least width a window must have for a window manager to show its whole title: the
// title in the bold face title bars use, beside an icon and three buttons about as wide as
// the bar is high.

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>

inline int titleRoom(const QString& title)
{
    QFont font = QGuiApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 4 * metrics.height();
}
