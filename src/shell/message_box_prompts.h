#pragma once
// MessageBoxPrompts: the prompts of the running program, shown as Qt's message boxes, file
// dialogs and input dialog, each modal over the active window. A message without a
// caption carries the application's name. A name chosen in a save dialog without one of the
// dialog's extensions gets the chosen filter's first one.

#include "base/prompts.h"

class MessageBoxPrompts : public Prompts {
public:
    void message(const QString& text, Icon icon, const QString& caption) override;
    bool question(const QString& text, const QString& caption, Icon icon) override;
    Answer questionWithCancel(const QString& text, const QString& caption) override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& proposedPath, const QString& filter) override;
    QString text(const QString& caption, const QString& label, bool secret, bool* ok) override;
};

// `name` ending with one of the extensions of `filters` ("Dokument Word (*.docx);;Dokument
// PDF (*.pdf)"), letter case aside: the name typed says the format, whichever filter is
// chosen. Otherwise `name` with the first extension of the chosen `nameFilter` added; a
// filter without an extension ("Wszystkie (*.*)") leaves the name as it is.
QString withFilterExtension(const QString& name, const QString& nameFilter, const QString& filters);
