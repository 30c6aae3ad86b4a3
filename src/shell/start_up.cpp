#include "shell/start_up.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <memory>

bool graphicalSessionGiven(int argc, char* argv[])
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0)
            return true;
    }
    return false;
}

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
