#include "base/prompts.h"

#include <QDir>
#include <QFile>
#include <cassert>

namespace {
Prompts* current = nullptr;
}

Prompts& prompts()
{
    assert(current && "setPrompts() must be called first");
    return *current;
}

void setPrompts(Prompts* p)
{
    current = p;
}

QString Prompts::saveFileNameReplacing(const QString& caption, const QString& proposedPath, const QString& filter,
                                       const QString& extension)
{
    QString proposed = proposedPath;
    for (;;) {
        const QString chosen = saveFileName(caption, proposed, filter);
        if (chosen.isEmpty())
            return {};
        const QString name = chosen.endsWith(extension) ? chosen : chosen + extension;
        if (!QFile::exists(name) ||
            question(QStringLiteral("Plik „%1” już istnieje.\rCzy chcesz go zastąpić?").arg(QDir::toNativeSeparators(name)),
                     caption))
            return name;
        proposed = name;
    }
}
