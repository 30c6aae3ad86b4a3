#include "shell/mdi_arrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void tileHorizontally(QMdiArea* area)
{
    QList<QMdiSubWindow*> tiled;
    int iconRowHeight = 0;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder)) {
        if (window->isMinimized())
            iconRowHeight = qMax(iconRowHeight, window->height());
        else
            tiled.append(window);
    }
    const QRect free = area->viewport()->rect().adjusted(0, 0, 0, -iconRowHeight);
    const qsizetype count = tiled.size();
    for (qsizetype i = 0; i < count; ++i) {
        QMdiSubWindow* window = tiled[i];
        if (window->isMaximized())
            window->showNormal();
        const int top = free.top() + int(free.height() * i / count);
        const int bottom = free.top() + int(free.height() * (i + 1) / count);
        window->setGeometry(free.left(), top, free.width(), bottom - top);
    }
}

void arrangeIcons(QMdiArea* area)
{
    const QRect bounds = area->viewport()->rect();
    int left = 0;
    int top = -1;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (top < 0)
            top = bounds.bottom() + 1 - size.height();
        else if (left + size.width() > bounds.width()) {
            left = 0;
            top -= size.height();
        }
        window->move(left, top);
        left += size.width();
    }
}

void minimizeAll(QMdiArea* area)
{
    const QList<QMdiSubWindow*> bottomFirst = area->subWindowList(QMdiArea::StackingOrder);
    for (auto window = bottomFirst.rbegin(); window != bottomFirst.rend(); ++window)
        (*window)->showMinimized();
}
