#pragma once
// ProgramApplication: the program's QApplication with the last-resort net of the error
// boundary: an exception that escapes the handling of an event (a slot, an event handler)
// is shown through the prompts interface and the event counts as unhandled, so it never
// reaches Qt's event loop and the program keeps running.
// REQUIRES: setPrompts() has been called before the event loop runs.

#include <QApplication>

class ProgramApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;
};
