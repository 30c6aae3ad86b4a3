#include "shell/window_title_width.h"

#include <QFontMetrics>
#include <QGuiApplication>

int windowTitleWidth(const QString& title)
{
    // Title bars set their text in bold, commonly no larger than the program's own font.
    QFont font = QGuiApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    // The icon and three buttons, each about as wide as the bar is high, with their margins.
    constexpr int FrameParts = 6;
    return metrics.horizontalAdvance(title) + FrameParts * metrics.height();
}
