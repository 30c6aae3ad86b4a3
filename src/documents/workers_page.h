#pragma once
// WorkersPage: the "Pracownicy" tab of the assessment window: the workers informed of the
// assessment's risk (the document's workers table, which the window builds into
// workersHolder() and hands over with setWorkers) with the buttons that add, insert and
// delete workers and add the names copied to the clipboard, one a line. A worker informed
// before the last change of risk, or never, is painted amber with the notice "do ponownego
// zapoznania".

#include <QWidget>

class DocumentModel;
class QPushButton;
class TStringGridIni;

// The help topic "Zapoznanie pracowników z ryzykiem".
constexpr int WorkersHelpContext = 5180;

class WorkersPage : public QWidget {
    Q_OBJECT
public:
    WorkersPage(DocumentModel& document, QWidget* parent);

    QPushButton* AddButton;
    QPushButton* InsertButton;
    QPushButton* DeleteButton;
    QPushButton* PasteButton;

    // Where the workers table goes, above the buttons.
    QWidget* workersHolder() const { return workersHolder_; }
    // Takes over the workers table (bound to the workers): its editors and its painting.
    // Called once.
    void setWorkers(TStringGridIni* workers);
    TStringGridIni* workers() const { return workers_; }

    // The workers to be informed again, and the notice of workers row `row` ("do ponownego
    // zapoznania"; empty for a worker informed since the last change of risk).
    int outdatedCount() const;
    QString outdatedNotice(int row) const;

    void addWorker();
    // Above the selected worker; nothing while none is selected.
    void insertWorker();
    // Asks first; nothing while no worker is selected.
    void deleteWorker();
    // One new worker for each line of the clipboard's text that holds a name.
    void pasteNames();

signals:
    // The number of workers to be informed again may have changed.
    void outdatedCountChanged(int count);

private:
    void editName(int row);

    DocumentModel& document_;
    QWidget* workersHolder_;
    TStringGridIni* workers_ = nullptr;
};
