#pragma once
// TemplateDialog: "Nowy projekt z szablonu…". Lists the workstation templates in two groups,
// the program's and the user's own ("Moje szablony"), and previews the chosen one: its
// workstation description and its hazards. O.K. (also Enter or a double click) accepts the
// chosen template; a template of the user's may be deleted after a question, a shipped one
// never. At most one exists at a time; templateDialog() is the process-wide reference to it.

#include "base/program_paths.h"
#include "model/workstation_templates.h"

#include <QDialog>

class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit TemplateDialog(const ProgramPaths& paths, QWidget* parent = nullptr);
    ~TemplateDialog() override;

    // The template chosen, nullptr while a group's title is chosen.
    const WorkstationTemplate* chosen() const;
    // Chooses the template whose file is `name`.rpr; false when none such is listed.
    bool choose(const QString& name);
    // Asks "Usunąć szablon …?" and deletes the chosen template of the user's on Yes.
    void deleteChosen();

    QTreeWidget* list = nullptr;
    QTextBrowser* preview = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* deleteButton = nullptr;

private:
    // Lists the templates again, choosing the first one.
    void fill();
    void chosenChanged();

    ProgramPaths paths_;
    QList<WorkstationTemplate> templates_;
};

TemplateDialog* templateDialog();
