// Speed of writing a report: the commands on the document writer and the whole file, for a
// snapshot of many rows (no window: the builders read the snapshot only), to .docx and to
// .pdf, whose pages are laid out; and the overview's PDF export of the same assessment.
//   checklist report: n checklist rows and n hazard rows;
//   risk report and overview: n hazards (written three times) and n / 10 checklist rows.
//   plan spreadsheet: n measures of n hazards, each with a residual rating, to .xlsx and .csv
//   (10 000 measures must take under a second).
// CPU time is what counts: compare each .pdf with the .docx of the same size, and the time of
// 10 000 rows with that of 1 000.

#include "model/document_snapshot.h"
#include "model/risk_overview.h"
#include "documents/risk_overview_view.h"
#include "report/checklist_report.h"
#include "report/plan_spreadsheet.h"
#include "report/document_writer.h"
#include "report/risk_report.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

AssessmentSnapshot assessment(int hazards, int questions)
{
    AssessmentSnapshot a;
    a.method = RiskMethod::FiveSteps;
    a.employees = QStringLiteral("20");
    a.unit = QStringLiteral("Wydział obróbki skrawaniem");
    a.workstationMemos[0] = {QStringLiteral("Hala nr 2, stanowisko przy oknie.")};
    for (int i = 0; i < hazards; ++i)
        a.hazards.append({QStringLiteral("Hałas nr %1").arg(i), QStringLiteral("Tokarka uniwersalna"),
                          QStringLiteral("Uszkodzenie słuchu, zmęczenie"), QStringLiteral("Ochronniki słuchu"),
                          QStringLiteral("2=proste złamania"), QStringLiteral("2,5=raz dziennie"),
                          QStringLiteral("5=równa szansa"), QStringLiteral("R = 400,0 Ryzyko duże - niedopuszczalne")});
    for (int i = 0; i < questions; ++i)
        a.checklist.append({QStringLiteral("Czy osłony maszyny nr %1 są sprawne?").arg(i),
                            QStringLiteral("Naprawić osłony"), i % 3 ? QStringLiteral("TAK") : QStringLiteral("NIE")});
    return a;
}

enum class Report { Checklist, Risk };

// The report of `rows` written to a file of the extension given as the benchmark's label.
void reportToFile(benchmark::State& state, Report report, const char* extension)
{
    const int rows = static_cast<int>(state.range(0));
    const AssessmentSnapshot document = report == Report::Checklist ? assessment(rows, rows) : assessment(rows, rows / 10);
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("raport.") + QLatin1String(extension));
    for (auto _ : state) {
        DocumentWriter word;
        if (report == Report::Checklist)
            BuildChecklistReport(word, document, ChecklistVariant::Assessment);
        else
            BuildRiskReport(word, document);
        word.FileSaveAs(fileName);
    }
    state.SetComplexityN(rows);
}

void ChecklistReportToDocx(benchmark::State& state) { reportToFile(state, Report::Checklist, "docx"); }
void ChecklistReportToPdf(benchmark::State& state) { reportToFile(state, Report::Checklist, "pdf"); }
void RiskReportToDocx(benchmark::State& state) { reportToFile(state, Report::Risk, "docx"); }
void RiskReportToPdf(benchmark::State& state) { reportToFile(state, Report::Risk, "pdf"); }

// The overview's PDF export of the risk report's assessment.
void OverviewToPdf(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    RiskOverviewView view;
    view.setOverview(riskOverview(assessment(rows, rows / 10)));
    for (auto _ : state)
        benchmark::DoNotOptimize(view.pdf());
    state.SetComplexityN(rows);
}

// The plan of `rows` measures written to a spreadsheet file of `extension`.
void planToFile(benchmark::State& state, const char* extension)
{
    const int rows = static_cast<int>(state.range(0));
    AssessmentSnapshot document = assessment(rows, 0);
    for (int i = 0; i < rows; ++i) {
        const QString row = QString::number(i + 1);
        document.plan.append({row, QStringLiteral("Hałas nr %1").arg(i), QStringLiteral("Wymiana osłon i ochronniki słuchu"),
                              QStringLiteral("techniczne"), QStringLiteral("Jan Kowalski"),
                              QStringLiteral("%1.03.2026").arg(i % 28 + 1, 2, 10, QLatin1Char('0')),
                              QStringLiteral("1234,50"), i % 2 ? QStringLiteral("planowane") : QStringLiteral("wykonane"),
                              i % 2 ? QString() : QStringLiteral("02.03.2026"), QStringLiteral("Uwagi")});
        document.residual.append({row, QStringLiteral("Hałas nr %1").arg(i), QStringLiteral("1=małe"),
                                  QStringLiteral("1=mało"), QString(), QStringLiteral("R = 1,0 Ryzyko bardzo małe")});
    }
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("plan.") + QLatin1String(extension));
    for (auto _ : state)
        WritePlanSpreadsheet({document}, fileName);
    state.SetComplexityN(rows);
}

void PlanToXlsx(benchmark::State& state) { planToFile(state, "xlsx"); }
void PlanToCsv(benchmark::State& state) { planToFile(state, "csv"); }

BENCHMARK(ChecklistReportToDocx)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(ChecklistReportToPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(RiskReportToDocx)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(RiskReportToPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(OverviewToPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(PlanToXlsx)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(PlanToCsv)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
