#pragma once
// TForm9: the modal find dialog of the hazard catalogue picker. Every "Szukaj" / "Dalej"
// selects the next of the searched rows whose text contains the searched text, letter case
// ignored by the Windows-1250 case folding (so "łańcuch" finds "Łańcuch"). When no row
// after the last match holds it, "Wyszukiwanie zakończone." is shown, or "Nie znaleziono:
// „…”." when no row holds it at all, and the next search starts again at the first row.
// At most one find dialog exists at a time; Form9() is the process-wide reference to it.

#include <QDialog>
#include <QStringList>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The rows a find dialog searches, in order, and how a match is shown (selected in the
// picker's list); the picker decides which rows they are.
struct SearchedRows {
    QStringList texts;
    std::function<void(int row)> select;
};

class TForm9 : public QDialog {
    Q_OBJECT
public:
    // REQUIRES: no find dialog exists (Form9() is null); what `rows.select` changes
    // outlives the dialog.
    TForm9(SearchedRows rows, QWidget* parent = nullptr);

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
    SearchedRows rows_;
    int position_ = -1;
};

// The find dialog that exists now, or nullptr.
TForm9* Form9();

// Creates the find dialog over `rows` unless one exists, shows it modally and destroys it.
void ShowFindDialog(SearchedRows rows, QWidget* owner);
