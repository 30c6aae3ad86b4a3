#pragma once
// TForm3: the modal scale picker. The caller fills RadioGroup1 with the entries of one
// factor's scale; "O.K." (also Enter) chooses the entry and writes its whole text into the
// current cell of the table it was opened for (when it has one), unless it is the entry the
// cell already held;
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
    // Whether O.K. chose an entry other than the cell's own (and wrote it into the cell).
    bool changedCell() const { return changed_; }
    // The text of the entry chosen with O.K.; empty when none was.
    QString chosenText() const { return chosen_; }
    // For a picker without a target table: the text the picker treats as the cell's.
    void setCellText(const QString& text) { cellText_ = text; }

    void BitBtn1Click();
    void BitBtn2Click();
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TStringGridIni* target_;
    int cellEntry_ = -1;
    bool changed_ = false;
    QString cellText_;
    QString chosen_;
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
// The same picker for a value kept outside a document table: `current` is selected as a
// cell's text would be. The chosen entry's text, or empty when the user cancelled, chose
// the current entry again or a picker is already open.
QString ChooseScaleEntry(int mode, const QStringList& entries, const QString& current, QWidget* owner);
