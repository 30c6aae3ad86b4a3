// The noise tool's library: the metadata that lists it in the program's tools menu, and its
// entry point, which shows the calculator as a modal dialog owned by the program's main window.

#include "noise_exposure_dialog.h"
#include "tool_library.h"

class NoiseToolMetadata : public QObject {
    Q_OBJECT
    TOOL_LIBRARY_METADATA("noise_tool.json")
};

void FExp(quintptr mainWindow)
{
    NoiseExposureDialog dialog(QWidget::find(static_cast<WId>(mainWindow)));
    dialog.exec();
}

#include "noise_tool.moc"
