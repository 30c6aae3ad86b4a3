// Speed of loading and saving a document model whose hazard table has many rows: the model's
// passes alone on a loaded copy, and the open and save sequences with reading and writing the
// file. No window takes part.

#include "base/win1250.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "storage/ini_file.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The columns of a RISK SCORE assessment's hazard table.
constexpr int kColumns = 8;

QString cellText(int col, int row)
{
    return QStringLiteral("Zagrożenie %1 w wierszu %2: źródło, skutki, środki").arg(col).arg(row);
}

// An assessment file whose hazard table has `rows` rows, in a folder of its own.
class DocumentFile {
public:
    explicit DocumentFile(int rows)
    {
        TMemIniFile file(path());
        file.WriteValue("OPISOC", "Jednostka", "Wydzial B");
        file.WriteValue("OPIS", "Stanowisko", win1250::fromUnicode(QStringLiteral("Ślusarz")));
        file.WriteValue("OPIS", "Uwagi1", "Hala B");
        file.WriteValue("OPIS", "Uwagi2", "@NUL@");
        file.WriteValue("OPIS", "Metoda", "RISK SCORE");
        for (int row = 1; row <= rows; ++row) {
            for (int col = 0; col < kColumns; ++col) {
                const QByteArray key = "TABELA" + QByteArray::number(col) + '/' + QByteArray::number(row);
                file.WriteValue("ZAGROZENIA", key, win1250::fromUnicode(cellText(col, row)));
            }
        }
        file.WriteToDisk();
    }

    QString path() const { return dir_.filePath(QStringLiteral("dokument.ron")); }

private:
    QTemporaryDir dir_;
};

void finish(benchmark::State& state, const DocumentModel& model)
{
    if (model.hazards().rowCount() != state.range(0) + 1)
        state.SkipWithError("the table does not hold every row");
    state.SetComplexityN(state.range(0));
    state.counters["rows"] = static_cast<double>(state.range(0));
}

void BM_LoadModel(benchmark::State& state)
{
    const DocumentFile document(static_cast<int>(state.range(0)));
    TMemIniFile file(document.path());
    file.LoadFromFile();
    DocumentModel model(DocumentKind::Assessment);
    for (auto _ : state)
        model.load(file);
    finish(state, model);
}

void BM_SaveModel(benchmark::State& state)
{
    const DocumentFile document(static_cast<int>(state.range(0)));
    TMemIniFile file(document.path());
    file.LoadFromFile();
    DocumentModel model(DocumentKind::Assessment);
    model.load(file);
    for (auto _ : state)
        model.save(file);   // probe, delete and rewrite every cell
    finish(state, model);
}

void BM_OpenSequence(benchmark::State& state)
{
    const DocumentFile document(static_cast<int>(state.range(0)));
    DocumentModel model(DocumentKind::Assessment);
    for (auto _ : state) {
        TMemIniFile file(document.path());
        file.LoadFromFile();
        model.load(file);
    }
    finish(state, model);
}

void BM_SaveSequence(benchmark::State& state)
{
    const DocumentFile document(static_cast<int>(state.range(0)));
    DocumentModel model(DocumentKind::Assessment);
    {
        TMemIniFile file(document.path());
        file.LoadFromFile();
        model.load(file);
    }
    for (auto _ : state) {
        TMemIniFile file(document.path());
        file.LoadFromFile();
        model.save(file);
        file.WriteToDisk();
    }
    finish(state, model);
}

} // namespace

BENCHMARK(BM_LoadModel)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_SaveModel)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_OpenSequence)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_SaveSequence)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
