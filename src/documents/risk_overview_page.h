#pragma once
// RiskOverviewPage: the assessment window's "Podsumowanie" tab. It shows the overview of the
// window's data in a scroll area and exports it as a PNG picture or as PDF pages. The
// overview is computed again each time the tab is shown and, while it is shown, after the
// watched tables change (once per burst of changes); a hidden tab computes nothing. The tab
// holds no bound control: looking at it never changes the document.

#include "model/document_snapshot.h"

#include <QWidget>
#include <functional>

class QAbstractItemModel;
class QPushButton;
class QTimer;
class RiskOverviewView;

class RiskOverviewPage : public QWidget {
    Q_OBJECT
public:
    // `snapshot` gives the window's data as it stands; its file name proposes the names of
    // the exported files.
    RiskOverviewPage(std::function<AssessmentSnapshot()> snapshot, QWidget* parent);

    // Changes of `model` bring the overview up to date while the tab is shown.
    void watch(QAbstractItemModel* model);

    RiskOverviewView* view() const { return view_; }
    QPushButton* PngButton;   // "Eksportuj do PNG…"
    QPushButton* PdfButton;   // "Eksportuj do PDF…"

    // Ask for a file name (with the replace question) and write the overview there in one
    // step; errors are shown and leave an existing file as it was.
    void exportPng();
    void exportPdf();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    // The save dialog for `extension` (".png"), then `bytes` of the overview brought up to
    // date, written to the chosen file.
    void exportAs(const QString& caption, const QString& filter, const QString& extension,
                  const std::function<QByteArray()>& bytes);
    // What an exported overview is headed with: the workstation, the unit, the card's number,
    // the file and the date of the assessment.
    QStringList exportHeading() const;

    std::function<AssessmentSnapshot()> snapshot_;
    RiskOverviewView* view_;
    QTimer* pending_;
};
