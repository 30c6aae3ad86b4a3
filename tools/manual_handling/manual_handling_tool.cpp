// The manual handling tool's library: the metadata that lists it in the program's tools menu,
// and its entry point, which shows the calculator as a modal dialog owned by the main window.

#include "manual_handling_dialog.h"
#include "tool_library.h"

class ManualHandlingToolMetadata : public QObject {
    Q_OBJECT
    TOOL_LIBRARY_METADATA("manual_handling_tool.json")
};

void FExp(quintptr mainWindow)
{
    ManualHandlingDialog dialog(QWidget::find(static_cast<WId>(mainWindow)));
    dialog.exec();
}

#include "manual_handling_tool.moc"
