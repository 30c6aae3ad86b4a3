#pragma once
// TForm3: the modal scale picker. The caller fills RadioGroup1 with the entries of one
// factor's scale; "O.K." (also Enter) writes the chosen entry's whole text into the current
// cell of the table it was opened for, unless it is the entry the cell already held;
// "Anuluj", Esc and the close box change nothing.
// At most one picker exists at a time; Form3() is the process-wide reference to it.

#include <QDialog>
#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QVBoxLayout;
class TStringGridIni;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    // Mode 1 S, 2 P, 3 E sets the caption; any other mode keeps the S caption.
    // REQUIRES: no picker exists (Form3() is null). Destroying the picker empties the
    // process-wide reference again.
    TForm3(int mode, TStringGridIni* target, QWidget* parent = nullptr);

    QGroupBox* RadioGroup1;
    QPushButton* BitBtn1;   // "O.K."
    QPushButton* BitBtn2;   // "Anuluj"

    // One radio button per entry, after those already there, in the given order.
    void addEntries(const QStringList& entries);
    QStringList entries() const;
    // The selected entry's position, -1 when none is selected.
    int ItemIndex() const;
    void setItemIndex(int index);
    // Selects the entry the target cell holds (same text, or the same number in front of
    // "="), the first entry for an empty cell, none for a text off the scale; O.K. on the
    // cell's own entry leaves the cell as it is.
    void selectCellEntry();
    // Whether O.K. wrote a new text into the cell.
    bool changedCell() const { return changed_; }

    void BitBtn1Click();
    void BitBtn2Click();
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TStringGridIni* target_;
    int cellEntry_ = -1;
    bool changed_ = false;
    QButtonGroup* group_;
    QVBoxLayout* entriesLayout_;
};

// The picker that exists now, or nullptr.
TForm3* Form3();

// Opens the picker for the current cell of `target` (a document's hazard table): creates
// it in `mode` unless one exists already (then nothing happens), adds `entries`, selects
// the cell's entry (selectCellEntry), shows it modally and destroys it, also when an error
// leaves the modal loop. True when the cell took a new text.
bool ShowScalePicker(int mode, const QStringList& entries, TStringGridIni* target, QWidget* owner);
