#pragma once
// HelpKey: F1 anywhere in the program asks for the help topic of the window (or document
// window) that has the focus, as named by setHelpContext(). A window that names no topic
// gets the key itself. Installed on the application by the main window.

#include <QObject>

class HelpKey : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
