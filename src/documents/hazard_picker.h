#pragma once
// TForm4: the modal hazard catalogue picker. It lists the groups of the catalogue file
// ZAGROZENIA.txt (read without a lock, never written), lists the hazards of the chosen
// group, brings a double-clicked hazard's name and possible effects into its memos and, on
// "O.K.", writes hazard, sources, effects, preventive actions and the chosen degree of harm
// S into the current row of the table it was opened for. "Anuluj" changes nothing.
// The catalogue's in-memory copy lives as long as the picker.
// At most one picker exists at a time; Form4() is the process-wide reference to it.

#include "documents/find_dialog.h"

#include <QDialog>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class TIniDat;
class TRadioGroupIni;
class TStringGridIni;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // Reads the catalogue at `cataloguePath`; a missing file gives no groups.
    // REQUIRES: no picker exists (Form4() is null); `target` outlives the picker.
    // Throws AppError when the file exists but cannot be read, after showing
    // "Problem z otwarciem pliku. Sprawdź nazwę zbioru."; no picker exists then.
    TForm4(const QString& cataloguePath, TStringGridIni* target, QWidget* parent = nullptr);
    ~TForm4() override;

    QComboBox* ComboBox1;        // groups
    QTableWidget* StringGrid1;   // the hazards of the chosen group
    QPlainTextEdit* Memo1;       // hazard
    QPlainTextEdit* Memo3;       // sources
    QPlainTextEdit* Memo2;       // possible effects
    TRadioGroupIni* RadioGroup1; // degree of harm S, filled by the caller
    QPlainTextEdit* Memo4;       // preventive actions
    QPushButton* SpeedButton1;   // "O.K."
    QPushButton* SpeedButton4;   // "Znajdź": in the chosen group, or in every group when none is chosen
    QPushButton* SpeedButton3;   // "Pomoc"
    QPushButton* SpeedButton2;   // "Anuluj"
    TIniDat* IniDat1;

    void ComboBox1Change();
    void StringGrid1DblClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // What "Znajdź" searches: the chosen group's list, or with no group chosen every group.
    SearchedRows chosenGroup();
    SearchedRows wholeCatalogue();
    // Chooses `group` (unless it is the chosen one) and selects its hazard `row`.
    void showHazard(int group, int row);

    TStringGridIni* target_;
    // The catalogue's group names and the chosen group's keys, as the file holds them, in
    // the order of ComboBox1's items and StringGrid1's rows.
    QList<QByteArray> groups_;
    QList<QByteArray> hazards_;
};

// The picker that exists now, or nullptr.
TForm4* Form4();

// Opens the picker for the current row of `target` (a project's hazard table) with
// `degreesOfHarm` in its S list, shows it modally and destroys it, also when an error
// leaves the modal loop. Does nothing while a picker exists. Throws AppError as TForm4's
// constructor does.
void ShowHazardPicker(const QString& cataloguePath, const QStringList& degreesOfHarm, TStringGridIni* target,
                      QWidget* owner);
