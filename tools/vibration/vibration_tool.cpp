// The vibration tool's library: the metadata that lists it in the program's tools menu, and its
// entry point, which shows the calculator as a modal dialog owned by the program's main window.

#include "tool_library.h"
#include "vibration_dialog.h"

class VibrationToolMetadata : public QObject {
    Q_OBJECT
    TOOL_LIBRARY_METADATA("vibration_tool.json")
};

void FExp(quintptr mainWindow)
{
    VibrationDialog dialog(QWidget::find(static_cast<WId>(mainWindow)));
    dialog.exec();
}

#include "vibration_tool.moc"
