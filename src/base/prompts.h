#pragma once
// Prompts: the one way code reaches a modal system dialog (message boxes, questions, file
// dialogs). The program installs the widget implementation at start; tests install a
// scripted fake, so every command runs without a human.
//
// Message texts follow the program's convention: a line break inside a message is a bare
// carriage return ("\r"); implementations show it as a line break.

#include <QString>

class Prompts {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompts() = default;

    // A message box with one OK button.
    virtual void message(const QString& text, Icon icon = Icon::None, const QString& caption = {}) = 0;
    // A question with "Tak" and "Nie"; true for "Tak". A warning unless another icon is given
    // (a question mark for an offer that risks nothing).
    virtual bool question(const QString& text, const QString& caption = {}, Icon icon = Icon::Warning) = 0;
    // A question with "Tak", "Nie" and "Anuluj"; Esc and the close box answer Cancel.
    virtual Answer questionWithCancel(const QString& text, const QString& caption = {}) = 0;
    // The open / save dialogs; an empty result means the user cancelled.
    // `filter` uses Qt's syntax ("Projekt (*.rpr);;Wszystkie (*.*)").
    virtual QString openFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& proposedPath, const QString& filter) = 0;
    // The save dialog for a file that must end with `extension` (".rpr"): the extension is
    // appended to a chosen name that lacks it, and when that file exists the user is asked
    // whether to replace it; "Nie" shows the dialog again. Empty when the user cancelled.
    QString saveFileNameReplacing(const QString& caption, const QString& proposedPath, const QString& filter,
                                  const QString& extension);
    // A line of text (password and similar); `ok` is false when the user closed the dialog.
    virtual QString text(const QString& caption, const QString& label, bool secret, bool* ok) = 0;
};

// The process-wide prompts. REQUIRES: setPrompts() has been called with an object that
// outlives every caller (the program's entry or a test fixture).
Prompts& prompts();
void setPrompts(Prompts* p);
