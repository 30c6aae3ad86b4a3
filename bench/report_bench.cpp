// Speed of writing a report to .docx: the commands on the document writer and the whole
// file, for a snapshot of many rows (no window: the builders read the snapshot only).
//   checklist report: n checklist rows and n hazard rows;
//   risk report: n hazards (written three times) and n / 10 checklist rows.

#include "documents/document_snapshot.h"
#include "report/checklist_report.h"
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

void ChecklistReportToDocx(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const AssessmentSnapshot document = assessment(rows, rows);
    QTemporaryDir folder;
    for (auto _ : state) {
        DocumentWriter word;
        BuildChecklistReport(word, document, ChecklistVariant::Assessment);
        word.FileSaveAs(folder.filePath(QStringLiteral("lista.docx")));
    }
    state.SetComplexityN(rows);
}
BENCHMARK(ChecklistReportToDocx)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

void RiskReportToDocx(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const AssessmentSnapshot document = assessment(rows, rows / 10);
    QTemporaryDir folder;
    for (auto _ : state) {
        DocumentWriter word;
        BuildRiskReport(word, document);
        word.FileSaveAs(folder.filePath(QStringLiteral("raport.docx")));
    }
    state.SetComplexityN(rows);
}
BENCHMARK(RiskReportToDocx)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
