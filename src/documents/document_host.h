#pragma once
// DocumentHost: what a document window needs of the main window, without depending on it:
// its save command and the enabled state of the commands that act on the active document.
// The main window implements it and outlives every document window it hands it to.

class QWidget;

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    // Runs the main window's "&Zapisz" for `documentWindow` (the window asking, which need
    // not be the active one while it closes). Shows its own errors. True when it wrote the
    // document, which is then no longer modified; one it could not write stays modified.
    virtual bool Save(QWidget* documentWindow) = 0;
    // "Dodaj wiersz do projektu", "Wstaw wiersz do projektu", "Usuń wiersz z projektu":
    // menu items and toolbar buttons together.
    virtual void setRowCommandsEnabled(bool enabled) = 0;
    // "Przenieś do Worda": menu item and toolbar button together.
    virtual void setReportEnabled(bool enabled) = 0;
};
