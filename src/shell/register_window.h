#pragma once
// RegisterWindow: "Rejestr ocen ryzyka", every assessment of a folder and its subfolders at a
// glance. The folder is read in the background, in parallel, with a progress bar and a
// cancel button; the window stays responsive meanwhile. The rows sort by any column and are
// filtered by a text and by quick filters; a line of totals sums up the rows shown.
// Double-click or Enter opens an assessment; F5 reads the folder again.

#include "model/assessment_register.h"

#include <QFutureWatcher>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class RegisterFilter;
class RegisterTable;

class RegisterWindow : public QWidget {
    Q_OBJECT
public:
    explicit RegisterWindow(QWidget* parent = nullptr);
    ~RegisterWindow() override;

    const QString& folder() const { return folder_; }
    // Reads every assessment of `folder` anew, in the background.
    void readFolder(const QString& folder);
    // Reads the assessment `path` again when it lies in the folder: a save made in the
    // program.
    void refreshFile(const QString& path);
    // Whether a reading of the folder is under way.
    bool reading() const { return watcher_.isRunning(); }

    RegisterTable* table() const { return table_; }
    RegisterFilter* filter() const { return filter_; }
    QTableView* view() const { return view_; }
    // "Ocen: 12 · ..." of the rows shown.
    QString totals() const;
    // The rows shown, in the order shown.
    QList<RegisterEntry> shownEntries() const;

signals:
    void openRequested(const QString& path);
    // The user chose another folder (to be remembered).
    void folderChosen(const QString& folder);
    // The user asked to export the rows shown.
    void exportRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Enter in the table opens the current row.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void chooseFolder();
    void readingFinished();
    void updateQuickFilters();
    void updateTotals();
    void openCurrent();

    QString folder_;
    QDate readOn_;
    RegisterTable* table_;
    RegisterFilter* filter_;
    QLabel* folderLabel_;
    QLineEdit* search_;
    QCheckBox* unacceptableOnly_;
    QCheckBox* overdueOnly_;
    QCheckBox* reviewOnly_;
    QTableView* view_;
    QLabel* totals_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QFutureWatcher<RegisterEntry> watcher_;
};
