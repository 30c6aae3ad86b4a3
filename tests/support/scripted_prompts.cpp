#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

void ScriptedPrompts::message(const QString& text, Icon icon, const QString& caption)
{
    messages.append({text, icon});
    captions.append(caption);
}

bool ScriptedPrompts::question(const QString& text, const QString& caption, Icon)
{
    questions.append(text);
    captions.append(caption);
    if (answers.isEmpty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return false;
    }
    return answers.dequeue();
}

Prompts::Answer ScriptedPrompts::questionWithCancel(const QString& text, const QString& caption)
{
    if (choices.isEmpty())
        return question(text, caption, Icon::Warning) ? Answer::Yes : Answer::No;
    questions.append(text);
    captions.append(caption);
    return choices.dequeue();
}

QString ScriptedPrompts::openFileName(const QString& caption, const QString&, const QString& filter)
{
    dialogFilters.append(filter);
    if (fileNames.isEmpty()) {
        ADD_FAILURE() << "unscripted open dialog: " << caption.toStdString();
        return {};
    }
    return fileNames.dequeue();
}

QString ScriptedPrompts::saveFileName(const QString& caption, const QString& proposedPath, const QString& filter)
{
    dialogFilters.append(filter);
    proposedPaths.append(proposedPath);
    if (fileNames.isEmpty()) {
        ADD_FAILURE() << "unscripted save dialog: " << caption.toStdString();
        return {};
    }
    return fileNames.dequeue();
}

QString ScriptedPrompts::text(const QString& caption, const QString&, bool, bool* ok)
{
    if (texts.isEmpty()) {
        ADD_FAILURE() << "unscripted text dialog: " << caption.toStdString();
        if (ok)
            *ok = false;
        return {};
    }
    const QString answer = texts.dequeue();
    if (ok)
        *ok = !answer.isNull();
    return answer;
}
