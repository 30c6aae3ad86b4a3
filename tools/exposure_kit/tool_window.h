#pragma once
// ToolWindow: the frame shared by the exposure calculators of the tools menu. Below the tool's
// introduction and its own inputs it shows the result, the verdict banner and the limits with
// their legal sources; its buttons calculate, copy the result as one line of text ("Kopiuj
// wynik", for a hazard cell of an assessment), write it as a one-page PDF ("Drukuj / PDF")
// and close. F1 opens the tool's help topic.
//
// It has no Q_OBJECT of its own and queues nothing, so the library that holds it can be
// unloaded as soon as the window is gone.

#include "result_sheet.h"
#include "risk_level.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QVBoxLayout;
class VerdictBanner;

class ToolWindow : public QDialog {
public:
    struct Description {
        QString title;
        QString intro;     // HTML
        QString formula;   // HTML, for the printout
        QString limitsTitle;
        QString limits;    // HTML table
        QString sources;   // plain text beside the table
        int helpContext = 0;
    };

    ToolWindow(const Description& description, QWidget* owner);

    // Reads the inputs and shows the result or what cannot be used.
    virtual void calculate() = 0;

    // The one-line summary "Kopiuj wynik" puts on the clipboard; empty without a result.
    QString summary() const { return summary_; }
    // Writes the current result as PDF; false without a result or when the file cannot be written.
    bool printTo(const QString& path) const;

protected:
    struct Result {
        QString details;   // HTML
        exposure::Severity severity = exposure::Severity::Good;
        QString verdict;
        QString summary;
        QString inputs;    // HTML, for the printout
    };

    // The tool's inputs go here, between the introduction and the result.
    QVBoxLayout* inputs() const { return inputs_; }
    void showResult(const Result& result);
    void showError(const QString& message);

private:
    void copy() const;
    void print();

    Description description_;
    QVBoxLayout* inputs_;
    QLabel* result_;
    VerdictBanner* banner_;
    QPushButton* copy_;
    QPushButton* print_;
    QString summary_;
    ResultSheet sheet_;
};
