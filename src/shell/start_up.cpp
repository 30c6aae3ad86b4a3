#include "shell/start_up.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <memory>

void forceRegionalFormats()
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    std::setlocale(LC_NUMERIC, "C");
}

bool installPolishTranslations(QCoreApplication& app)
{
    bool all = true;
    for (const QString& module : {QStringLiteral("qtbase"), QStringLiteral("qt_help")}) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QLocale(QLocale::Polish, QLocale::Poland), module, QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            all = false;
            continue;
        }
        translator->setParent(&app);
        QCoreApplication::installTranslator(translator.release());
    }
    return all;
}
