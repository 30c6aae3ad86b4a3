#pragma once
// The tab control of a document window, found as the user sees it: the window's one set of
// tabs. Tests switch and inspect tabs through it.

#include <QTabWidget>

inline QTabWidget* pagesOf(const QWidget* window)
{
    return window->findChild<QTabWidget*>();
}
