#pragma once
// PlanPage: the "Plan działań" tab of the assessment window. Above, the measures (the
// document's plan, a table the window builds into measuresHolder() and hands over with
// setMeasures) with the buttons that add, insert and delete measures, take them from the
// hazard table and ask for the spreadsheet export; a measure past its date while still
// planned or in progress is painted red with how many days it is late. Below, the risk
// left after the measures, one row per hazard: its S, P and E after them are chosen with
// the method's scale pickers (double-click, F2 or Enter on the cell).

#include <QWidget>

class DocumentModel;
class QPushButton;
class QTableView;
class ResidualTableModel;
class TStringGridIni;

// The help topic "Plan działań i ryzyko resztkowe".
constexpr int PlanHelpContext = 5055;

class PlanPage : public QWidget {
    Q_OBJECT
public:
    PlanPage(DocumentModel& document, QWidget* parent);

    QPushButton* AddButton;
    QPushButton* InsertButton;
    QPushButton* DeleteButton;
    QPushButton* FromHazardsButton;
    QPushButton* SortButton;
    QPushButton* ExportButton;

    // Where the measures table goes, above the buttons.
    QWidget* measuresHolder() const { return measuresHolder_; }
    // Takes over the measures table (bound to the plan): its editors, its painting, its
    // hidden column of hazard numbers. Called once.
    void setMeasures(TStringGridIni* measures);
    TStringGridIni* measures() const { return measures_; }
    QTableView* residualView() const { return residualView_; }
    ResidualTableModel* residualModel() const { return residualModel_; }

    // The measures overdue today, and the warning of plan row `row` ("Termin minął N dni
    // temu"; empty when it is not overdue).
    int overdueCount() const;
    QString overdueWarning(int row) const;

    void addMeasure();
    // Above the selected measure; nothing while none is selected.
    void insertMeasure();
    // Asks first; nothing while no measure is selected.
    void deleteMeasure();
    // One planned measure per hazard with preventive actions and no measure yet; tells the
    // user how many were added.
    void addMeasuresFromHazards();
    // The measures by their due date, the earliest first (plan::sortByDue).
    void sortByDue();
    // Lets the user choose the rating of the residual table's cell with the method's scale
    // picker; other cells change nothing.
    void pickResidual(int row, int column);

signals:
    // "Eksportuj plan do arkusza…" was chosen.
    void exportPlanRequested();
    // The number of overdue measures may have changed.
    void overdueCountChanged(int count);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startMeasure(int row);

    DocumentModel& document_;
    QWidget* measuresHolder_;
    TStringGridIni* measures_ = nullptr;
    QTableView* residualView_;
    ResidualTableModel* residualModel_;
};
