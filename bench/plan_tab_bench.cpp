// Speed of the assessment window's "Plan działań" tab with 1,000 measures, a third of them
// overdue: opening the assessment and showing the tab (the plan loaded, counted, laid out
// and painted), and scrolling the measures from top to bottom a page at a time.

#include "base/win1250.h"
#include "controls/string_grid_ini.h"
#include "documents/assessment_window.h"
#include "documents/document_host.h"
#include "model/action_plan.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int PlanTab = 5;

class NoHost : public DocumentHost {
public:
    bool Save(QWidget*) override { return false; }
    void setRowCommandsEnabled(bool) override {}
    void setReportEnabled(bool) override {}
};

void settle()
{
    QApplication::processEvents();
}

// An assessment of 50 hazards and `measures` measures, every third one overdue.
QString assessment(int measures)
{
    QString text = QStringLiteral("[OPIS]\r\nMetoda=RISK SCORE\r\n[ZAGROZENIA]\r\n");
    for (int h = 1; h <= 50; ++h)
        text += QStringLiteral("TABELA0/%1=Hałas przy szlifowaniu %1\r\nTABELA3/%1=Ochronniki słuchu\r\n").arg(h);
    text += QStringLiteral("[PLAN]\r\n");
    const QDate today = QDate::currentDate();
    for (int m = 1; m <= measures; ++m) {
        const int hazard = (m - 1) % 50 + 1;
        const QStringList cells{QString::number(hazard), QStringLiteral("Hałas przy szlifowaniu %1").arg(hazard),
                                QStringLiteral("Ekrany akustyczne przy stanowisku %1, pomiary hałasu po montażu").arg(m),
                                plan::kinds()[m % 4], QStringLiteral("Jan Kowalski"),
                                plan::dateText(today.addDays(m % 3 == 0 ? -m : m)), QStringLiteral("1250,00"),
                                plan::statuses()[m % 2], QString(), QStringLiteral("uwagi %1").arg(m)};
        for (int c = 0; c < cells.size(); ++c)
            text += QStringLiteral("TABELA%1/%2=%3\r\n").arg(c).arg(m).arg(cells[c]);
    }
    return text;
}

class PlanFile {
public:
    explicit PlanFile(int measures)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(win1250::fromUnicode(assessment(measures)));
    }

private:
    QTemporaryDir dir_;

public:
    const QString path = dir_.filePath(QStringLiteral("ocena.ron"));
};

// A new window opens the assessment and shows its plan.
void openPlan(TForm5& window, const QString& path)
{
    window.resize(1000, 700);
    window.show();
    window.openFile(path);
    window.findChild<QTabWidget*>()->setCurrentIndex(PlanTab);
    settle();
}

void BM_OpenAssessmentShowingThePlan(benchmark::State& state)
{
    const int measures = int(state.range(0));
    const PlanFile file(measures);
    NoHost host;
    int rows = 0;
    for (auto _ : state) {
        TForm5 window(&host);
        openPlan(window, file.path);
        rows = window.PlanGrid->rowCount() - 1;
        state.PauseTiming();
        window.releaseFile();
        state.ResumeTiming();
    }
    if (rows != measures)
        state.SkipWithError("the plan does not hold every measure");
    state.counters["measures"] = measures;
}

void BM_ScrollThePlan(benchmark::State& state)
{
    const int measures = int(state.range(0));
    const PlanFile file(measures);
    NoHost host;
    TForm5 window(&host);
    openPlan(window, file.path);
    QScrollBar* bar = window.PlanGrid->verticalScrollBar();
    for (auto _ : state) {
        for (int value = 0; value <= bar->maximum(); value += bar->pageStep()) {
            bar->setValue(value);
            window.PlanGrid->viewport()->repaint();
            settle();
        }
        state.PauseTiming();
        bar->setValue(0);
        settle();
        state.ResumeTiming();
    }
    if (bar->maximum() == 0)
        state.SkipWithError("the plan does not scroll");
    state.counters["measures"] = measures;
    state.counters["pages"] = bar->maximum() / bar->pageStep() + 1;
    window.releaseFile();
}

} // namespace

BENCHMARK(BM_OpenAssessmentShowingThePlan)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollThePlan)->Arg(1000)->Unit(benchmark::kMillisecond);
