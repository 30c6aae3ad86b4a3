// A run of the program that ends without closing its documents, for the recovery tests. In
// the main window of a program folder it opens a document (a new project when none is
// named), types a text into its first field and then either runs the first tool of
// "Użyteczne", which takes the process down, or waits to be killed while its recovery copies
// are written every few milliseconds.
//
//   recovery_child <application name> <program folder> narzedzie|czekaj <text> [document]
//
// The application's name is the test's own: it finds the recovery folder.

#include "documents/document_window.h"
#include "shell/file_commands.h"
#include "shell/main_window.h"
#include "shell/message_box_prompts.h"
#include "shell/recovery_copies.h"
#include "controls/edit_ini.h"

#include <QApplication>
#include <QMenu>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 5)
        return 2;
    QCoreApplication::setApplicationName(arguments[1]);
    MessageBoxPrompts messageBoxes;
    setPrompts(&messageBoxes);

    TForm1 form(arguments[2]);
    form.show();
    FileCommands* files = form.fileCommands();
    if (arguments.size() > 5)
        files->OpenDocument(arguments[5]);
    else
        files->NewProject();
    files->activeDocument()->EditIni1->setText(arguments[4]);

    if (arguments[3] == QLatin1String("narzedzie")) {
        QMetaObject::invokeMethod(
            &form, [&form] { form.findChild<QMenu*>(QStringLiteral("Uzyteczne"))->actions().value(0)->trigger(); },
            Qt::QueuedConnection);
    } else {
        form.recoveryCopies()->setInterval(std::chrono::milliseconds(10));
    }
    return QApplication::exec();
}
