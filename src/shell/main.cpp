// The program's entry. A command line that asks for reports writes them without a window;
// any other needs a display and gets one instance at a time, the forced regional formats,
// the Polish standard buttons, then the main window, which reads the settings as it is
// created. The documents named on the command line are opened by this run or, when another
// one runs, handed to it.

#include "base/program_paths.h"
#include "shell/document_channel.h"
#include "shell/instance_lock.h"
#include "shell/main_window.h"
#include "shell/message_box_prompts.h"
#include "shell/program_application.h"
#include "shell/report_command_line.h"
#include "shell/start_up.h"

#include <QFileInfo>
#include <QTextStream>

// The arguments that name documents (all but options), as full paths: the run that opens
// them may have another working folder.
static QStringList documentArguments(const QStringList& arguments)
{
    QStringList documents;
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-')))
            documents.append(QFileInfo(argument).absoluteFilePath());
    }
    return documents;
}

int main(int argc, char* argv[])
{
    if (isReportCommandLine(argc, argv))
        return runReportCommandLine(argc, argv);
    // Without a display Qt would end the process with a note in English.
    if (!graphicalSessionGiven(argc, argv)) {
        QTextStream(stderr) << QStringLiteral(
            "Program wymaga sesji graficznej: nie wskazano ekranu (brak zmiennej DISPLAY i WAYLAND_DISPLAY). "
            "Raporty można utworzyć bez okna programu, zob. OcenaRyzyka --help.")
                            << Qt::endl;
        return 1;
    }

    ProgramApplication app(argc, argv);
    // The name of the user's configuration folder of an installed program.
    QApplication::setApplicationName(QStringLiteral("ocena-ryzyka"));
    // The menu entry of an install, by which the desktop gives the windows their icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ocena-ryzyka"));
    // No display name: Qt would append it to every window's title, while only the main
    // window carries the product's name.
    MessageBoxPrompts messageBoxes;
    setPrompts(&messageBoxes);

    const QStringList documents = documentArguments(QCoreApplication::arguments());
    InstanceLock instance;
    if (!claimSingleInstance(instance, documents))
        return 0;
    DocumentChannel channel(instance.channelName());
    channel.listen();

    forceRegionalFormats();
    installPolishTranslations(app);

    TForm1 form(ProgramPaths::forProgramFolder(QCoreApplication::applicationDirPath()));
    form.offerRecoveryCopiesAtStart();
    form.showMaximized();
    // Once the start is over (a refused password has closed the window by then), the
    // documents of the command line and those handed over meanwhile are opened.
    QMetaObject::invokeMethod(&form, [&form, &channel, &documents] {
        if (!documents.isEmpty())
            form.OpenFromOutside(documents);
        channel.setReceiver([&form](const QStringList& paths) { form.OpenFromOutside(paths); });
    }, Qt::QueuedConnection);
    return QApplication::exec();   // the instance lock goes when `instance` does
}
