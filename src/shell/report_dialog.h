#pragma once
// TForm7: the report dialog ("Utwórz raport."). It writes a report of the document window it
// was opened for into the file the user chose: the checklist report for a project; for an
// assessment the checklist report or the full risk assessment report, as RadioGroup1 says
// (the group is hidden for a project). The report is built from a snapshot of the window
// taken when "Utwórz" is pressed, unsaved edits included, while TForm8 shows the progress.
// After each report the user is offered to open it; the dialog stays open for more.
// CheckBox1 adds the risk overview appendix to the full risk report, CheckBox2 the action
// plan appendix after it; both are shown with the group and can be ticked only while the
// risk report is chosen. The workers' statements are of every listed worker or of the one
// ComboBox1 names, chosen while the statements are.
//
// Edit1 starts with the default name of the chosen report ("<dokument> – raport.docx",
// "<dokument> – lista kontrolna.docx", "<dokument> – oświadczenia.docx"), so the reports of one
// document never replace each other; it can be typed into or chosen with SpeedButton1. A report
// that cannot be written shows why (the file and the cause) and leaves no file; an existing
// file is replaced only after the user agreed, in the save dialog or when the report is written.

#include <QDialog>

class DocumentWindow;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 5060;
    // RadioGroup1's ids of the assessment's own reports (0 is the checklist report).
    static constexpr int RiskReport = 1;
    static constexpr int WorkerStatements = 2;

    // REQUIRES: `document` is a project or an assessment window that outlives the dialog.
    explicit TForm7(DocumentWindow* document, QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Edit1;          // the file to write
    QToolButton* SpeedButton1;
    QGroupBox* RadioGroup1;
    QButtonGroup* RadioGroup1Buttons;   // 0 checklist report, 1 risk assessment report, 2 statements
    QCheckBox* CheckBox1;               // "Dołącz podsumowanie ryzyka", off at creation
    QCheckBox* CheckBox2;               // "Dołącz plan działań", off at creation
    QComboBox* ComboBox1;               // "Wszyscy pracownicy z listy", then each listed worker
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;

    // Lets the user choose the file: "Dokument Word (*.docx)", "Dokument OpenDocument
    // (*.odt)" or "Dokument PDF (*.pdf)"; a name typed with one of the three extensions
    // keeps it whatever filter is chosen.
    void SpeedButton1Click();
    // Writes the report; "Podaj nazwę pliku." without a file name.
    void SpeedButton2Click();
    void SpeedButton3Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The proposed file of report `kind` (RadioGroup1's id), beside the document.
    QString defaultFileName(int kind) const;
    void createReport(const QString& fileName);
    // Opens the written report with the desktop's application for its kind.
    void openReport(const QString& fileName);

    DocumentWindow* document_;
    // The file the user agreed to replace, as Edit1 shows it.
    QString agreedToReplace_;
};
