#include "shell/ask_password.h"

#include "base/prompts.h"

QString AskPassword()
{
    bool confirmed = false;
    const QString typed = prompts().text(QStringLiteral("Hasło."), QStringLiteral("Wprowadź hasło:"), true, &confirmed);
    return confirmed ? typed : QString();
}
