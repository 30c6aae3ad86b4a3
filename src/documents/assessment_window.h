#pragma once
// TForm5: the risk-assessment window. The user fills the assessment card, rates every
// hazard with the S, P and E pickers (each rating recomputes the row's risk) and answers
// the checklist with "TAK" or "NIE". The project's description and method are read-only.
// From the keyboard, F2 or Alt+Down opens the picker of the current S, P or E cell or the
// answer list; "T" and "N" answer the current checklist question.
//
// Painting: GridDelegate paints both tables (StringGridIni1DrawCell and
// StringGridIni2DrawCell are what remains to do after the focused cell has been painted:
// putting the picker button or the answer list over it).

#include "documents/document_window.h"

class PlanPage;
class QLabel;
class WorkersPage;
class QComboBox;
class QPushButton;
class RiskOverviewPage;

class TForm5 : public DocumentWindow {
    Q_OBJECT
public:
    // The tabs of the action plan and of the workers, whose lists the row commands change.
    static constexpr int PlanTabIndex = 5;
    static constexpr int WorkersTabIndex = 6;

    explicit TForm5(DocumentHost* host, QWidget* parent = nullptr);


    // The assessment card, section OPISOC.
    TEditIni* EditIni4;   // Jednostka
    TEditIni* EditIni5;   // Stanowisko
    TEditIni* EditIni6;   // Zatrudnienie: the employee count, FIVE STEPS factor I
    TEditIni* EditIni7;   // NrKarty
    TEditIni* EditIni8;   // DataSp
    TEditIni* EditIni9;   // Sporzodzil
    TMemoIni* MemoIni8;   // Uwagi
    TEditIni* ReviewEdit;           // DataPrzegladu: the next review, dd.MM.yyyy
    QPushButton* NextYearButton;    // proposes a year after the date of preparation
    // The "..." pickers of the S, P and E columns, hidden until a matching cell is selected.
    QToolButton* BitBtn1;
    QToolButton* BitBtn2;
    QToolButton* BitBtn3;
    // The answer list ("TAK", "NIE") over column 2 of the checklist.
    QComboBox* ComboBox1;
    // The tab "Plan działań": the measures (section PLAN) and the residual risk.
    PlanPage* PlanTab;
    TStringGridIni* PlanGrid;
    // Beside Zatrudnienie: "na liście: N" while the workers listed are not as many.
    QLabel* ListedLabel;
    // The tab "Pracownicy": the workers informed of the risk (section PRACOWNICY).
    WorkersPage* WorkersTab;
    TStringGridIni* WorkersGrid;
    // The last tab, "Podsumowanie": where the risk lies, computed from the tables.
    RiskOverviewPage* OverviewPage;

    // Reads the controls from the project `projectPath` without taking its lock or writing
    // to it; the window stays bound to its own file, which the read leaves unmodified.
    // False, with nothing read, when the project is not a document. Throws AppError when it
    // cannot be read (the user has been told).
    bool readProject(const QString& projectPath);
    // After the document has been loaded: the titles of the method's hazard columns (8 for
    // RISK SCORE and FIVE STEPS, 7 otherwise), their hints and the column widths. Computes
    // no risk.
    void ShowPoCzytaniu();
    // A rating cell (S, P or E) of hazard row `row` took a new text other than through its
    // picker: the row's risk is computed again, as after a picker, and an error is shown.
    // Any other cell changes nothing.
    void ratingChanged(int column, int row);

    void FormCreate();
    void FormResize() override;
    bool PageControl1Changing() override;
    bool takesRowCommands(int tab) const override;
    void StringGridIni1SelectCell(int column, int row);
    void StringGridIni1TopLeftChanged();
    void StringGridIni1DrawCell(int column, int row);
    void StringGridIni2SelectCell(int column, int row);
    void StringGridIni2TopLeftChanged();
    void StringGridIni2DrawCell(int column, int row);
    void StringGridIni2DblClick();
    void ComboBox1Change();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    // False when `key` is a typed character other than a digit or "."; it is then
    // discarded with a beep.
    bool EditIni6KeyPress(QChar key);
    void EditIni6Change();

signals:
    // The user asked for the plan's spreadsheet export.
    void exportPlanRequested();

protected:
    void documentLoaded() override;
    QToolButton* pickerOfCell(int column, int row) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCard(QWidget* page);
    // The next review a year after the date of preparation; a message when that date is
    // not one.
    void proposeReview();
    // A review date typed that is no date is told (the register shows no review for it).
    void checkReview();
    void buildHazardTab(QWidget* page);
    void buildChecklistTab(QWidget* page);
    void buildPlanTab(QWidget* page);
    // The plan tab's caption with the count of overdue measures.
    void showOverdueCount(int count);
    void buildWorkersTab(QWidget* page);
    // The workers tab's caption with the count of workers to be informed again.
    void showOutdatedCount(int count);
    // Shows ListedLabel while the listed workers are not as many as Zatrudnienie says.
    void showListedCount();
    void buildOverviewTab(QWidget* page);
    void setColumnWidths();
    void pick(int mode, risk::Factor factor);
    // The document's recomputeRow, showing its error.
    void recomputeRow(int row);
    // On a checklist answer cell "T" answers "TAK" and "N" answers "NIE", as the list does;
    // F2 or Alt+Down opens the list. False for any other key or cell.
    bool answerFromKey(const QKeyEvent* event);
    // The document's recomputeAllRows, showing its error.
    void recomputeAllRows();
};
