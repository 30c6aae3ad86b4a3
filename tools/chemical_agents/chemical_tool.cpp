// The chemical agents tool's library: the metadata that lists it in the program's tools menu,
// and its entry point, which shows the calculator as a modal dialog owned by the main window.

#include "chemical_dialog.h"
#include "tool_library.h"

class ChemicalToolMetadata : public QObject {
    Q_OBJECT
    TOOL_LIBRARY_METADATA("chemical_tool.json")
};

void FExp(quintptr mainWindow)
{
    ChemicalDialog dialog(QWidget::find(static_cast<WId>(mainWindow)));
    dialog.exec();
}

#include "chemical_tool.moc"
