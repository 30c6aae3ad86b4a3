#pragma once
// Help contexts of windows: a window (or a part of one, such as a document window inside the
// main window) names the help topic it belongs to; F1 opens the topic of the nearest such
// widget around the focus (see base/help_request.h for how a topic is asked for).

class QWidget;

void setHelpContext(QWidget* widget, int context);
// The context of `widget` or of the nearest widget around it within its window; 0 when none
// of them names one.
int helpContextOf(const QWidget* widget);
