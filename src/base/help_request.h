#pragma once
// Help requests: how a window or dialog asks for the help topic of a context number (F1, a
// "Pomoc" button). The main window installs the handler that shows the help window; tests
// install their own to see which topic was asked for. Without a handler a request does nothing.
//
// A window (or a part of one, such as a document window inside the main window) names its
// topic with setHelpContext(); F1 opens the topic of the nearest such widget around the focus.

#include <functional>

class QWidget;

void requestHelp(int context);
void setHelpHandler(std::function<void(int)> handler);

void setHelpContext(QWidget* widget, int context);
// The context of `widget` or of the nearest widget around it within its window; 0 when none
// of them names one.
int helpContextOf(const QWidget* widget);
