#pragma once
// CopyHazardsDialog: "Kopiuj zagrożenia z…". Shows what another document offers (hazard_copy.h)
// on two tabs, the hazards and the checklist questions, each row with a check box and each
// tab with "zaznacz wszystkie". A row already in the target starts unticked and is marked
// "już w tabeli"; every other row starts ticked. At most one exists at a time;
// copyHazardsDialog() is the process-wide reference to it.
//
// copyRowsInto runs the whole command on a document window.

#include "model/hazard_copy.h"

#include <QDialog>

class DocumentWindow;
class QCheckBox;
class QTabWidget;
class QTreeWidget;

class CopyHazardsDialog : public QDialog {
    Q_OBJECT
public:
    CopyHazardsDialog(const CopyOffer& offer, const QString& sourceFile, QWidget* parent = nullptr);
    ~CopyHazardsDialog() override;

    // The ticked rows of each list, as indexes into the offer's lists.
    QList<int> tickedHazards() const;
    QList<int> tickedChecklist() const;

    QTabWidget* tabs = nullptr;
    QTreeWidget* hazards = nullptr;
    QTreeWidget* checklist = nullptr;
    QCheckBox* allHazards = nullptr;
    QCheckBox* allChecklist = nullptr;

private:
    // A tab with "zaznacz wszystkie" over the list of `rows`, `columns` cells shown of each.
    QTreeWidget* addList(const QString& caption, const QStringList& titles, const QList<OfferedRow>& rows,
                         QCheckBox** all);
};

CopyHazardsDialog* copyHazardsDialog();

namespace copy_rows {

// Asks for a project or assessment file (starting in `folder`), offers its rows and appends
// the ticked ones to `window`'s document, telling the user once why ratings stayed empty.
// Does nothing without a window. Throws AppError when the file cannot be read.
void copyRowsInto(DocumentWindow* window, const QString& folder);

} // namespace copy_rows
