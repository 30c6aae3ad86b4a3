#pragma once
// RecoveryDialog: the question of the program's start about the recovery copies that
// ended runs left: the list of their documents with the time of each copy, and the
// buttons "Przywróć" and "Odrzuć", which act on the selected documents (at first all of
// them) and take them off the list. The dialog closes once every document is decided; the
// close box and Esc leave the rest undecided.

#include "storage/recovery_store.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QTreeWidget;

class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Undecided, Restore, Discard };

    RecoveryDialog(const QList<RecoveryCopy>& copies, QWidget* parent);

    // One per copy, in the order given.
    const QList<Choice>& choices() const { return choices_; }

    QTreeWidget* list() const { return list_; }
    QPushButton* restoreButton() const { return restore_; }
    QPushButton* discardButton() const { return discard_; }

private:
    void decide(Choice choice);
    void selectionChanged();
    // Selects every document still on the list.
    void selectShown();

    QList<Choice> choices_;
    QTreeWidget* list_;
    QPushButton* restore_;
    QPushButton* discard_;
};
