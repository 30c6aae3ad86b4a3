#pragma once
// TForm9: the modal find dialog of the hazard catalogue picker. Every "Szukaj" / "Dalej"
// selects the next row of the picker's list whose text contains the searched text, letter
// case ignored by the Windows-1250 case folding (so "łańcuch" finds "Łańcuch"); when no
// row below the last match holds it, "Wyszukiwanie zakończone." is shown and the next
// search starts again at the top. It searches only that list.
// At most one find dialog exists at a time; Form9() is the process-wide reference to it.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TForm9 : public QDialog {
    Q_OBJECT
public:
    // REQUIRES: no find dialog exists (Form9() is null); `list` outlives the dialog.
    TForm9(QTableWidget* list, QWidget* parent = nullptr);

    QLabel* Label2;
    QLineEdit* Edit1;
    QPushButton* SpeedButton2;   // "Szukaj" or "Dalej"
    QPushButton* SpeedButton1;   // "Zamknij"

    // The row of the last match, -1 for none.
    int searchPosition() const { return position_; }

    void Edit1Change();
    void SpeedButton2Click();
    void SpeedButton1Click();
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTableWidget* list_;
    int position_ = -1;
};

// The find dialog that exists now, or nullptr.
TForm9* Form9();

// Creates the find dialog over `list` unless one exists, shows it modally and destroys it.
void ShowFindDialog(QTableWidget* list, QWidget* owner);
