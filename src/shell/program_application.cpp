#include "shell/program_application.h"

#include "base/error_boundary.h"

bool ProgramApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    runCommand([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
