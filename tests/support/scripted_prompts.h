#pragma once
// ScriptedPrompts: the prompts of a test. It records every message and question asked
// and answers from queues the test fills; an unscripted question or dialog fails the test.

#include "base/prompts.h"

#include <QQueue>
#include <QStringList>

class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        QString text;
        Icon icon;
    };

    void message(const QString& text, Icon icon, const QString& caption) override;
    bool question(const QString& text, const QString& caption, Icon icon) override;
    Answer questionWithCancel(const QString& text, const QString& caption) override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& proposedPath, const QString& filter) override;
    QString text(const QString& caption, const QString& label, bool secret, bool* ok) override;

    // What was shown, in order.
    QList<Shown> messages;
    QStringList questions;
    QStringList captions;        // the title of every message and question; empty: the program's name
    QStringList dialogFilters;   // the filter of every open/save dialog
    QStringList proposedPaths;   // the proposed path of every save dialog

    // Answers, taken front first.
    QQueue<bool> answers;
    // Answers of the questions with "Anuluj"; while none is queued they take from
    // `answers` (true for "Tak", false for "Nie").
    QQueue<Answer> choices;
    QQueue<QString> fileNames;   // "" means the user cancelled
    QQueue<QString> texts;       // a null QString means the dialog was closed
};

// Installs a ScriptedPrompts for the lifetime of the object.
class PromptsScope {
public:
    PromptsScope() { setPrompts(&prompts); }
    ~PromptsScope() { setPrompts(nullptr); }
    ScriptedPrompts prompts;
};
