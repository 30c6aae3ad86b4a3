// The program's entry: one instance at a time, the forced regional formats, the Polish
// standard buttons, then the main window, which reads the settings as it is created.

#include "base/program_paths.h"
#include "shell/instance_lock.h"
#include "shell/main_window.h"
#include "shell/message_box_prompts.h"
#include "shell/product.h"
#include "shell/program_application.h"
#include "shell/start_up.h"

int main(int argc, char* argv[])
{
    ProgramApplication app(argc, argv);
    // The name of the user's configuration folder of an installed program.
    QApplication::setApplicationName(QStringLiteral("ocena-ryzyka"));
    QApplication::setApplicationDisplayName(ProductName);
    MessageBoxPrompts messageBoxes;
    setPrompts(&messageBoxes);

    InstanceLock instance;
    if (!claimSingleInstance(instance))
        return 0;

    forceRegionalFormats();
    installPolishTranslations(app);

    TForm1 form(ProgramPaths::forProgramFolder(QCoreApplication::applicationDirPath()));
    form.showMaximized();
    return QApplication::exec();   // the instance lock goes when `instance` does
}
