// Speed of the INI document file on an assessment's hazard table: 8 columns of N rows,
// stored as TABELA<c>/<r> in one section. One benchmark loads the document and reads every
// cell as the table's read pass does; the other rewrites the table as a save does
// (probe, delete every cell key, write every cell) and writes the file to disk.
// Run with 10,000 and 20,000 rows: the time must grow in proportion to the rows.
// Cell keys and texts are built once, outside the timing: what is measured is the file.

#include "base/win1250.h"
#include "storage/ini_file.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int columns = 8;
const QByteArray section = "ZAGROZENIA";
const QByteArray endOfTable = "@Koniec@";

// The cells of a table of `rows` rows: keys and texts, row after row, column after column.
struct Table {
    explicit Table(int rows)
    {
        for (int row = 1; row <= rows; ++row)
            for (int column = 0; column < columns; ++column) {
                keys.append("TABELA" + QByteArray::number(column) + '/' + QByteArray::number(row));
                texts.append(win1250::fromUnicode(
                    QStringLiteral("Zagrożenie hałasem %1, źródło w kolumnie %2").arg(row).arg(column)));
            }
    }
    QList<QByteArray> keys;
    QList<QByteArray> texts;
};

// Writes a document holding `table` and returns its path.
QString writeDocument(const QTemporaryDir& folder, const Table& table)
{
    TMemIniFile ini(folder.filePath("ocena.ron"));
    ini.WriteValue("OPIS", "Stanowisko", "Spawacz");
    for (qsizetype i = 0; i < table.keys.size(); ++i)
        ini.WriteValue(section, table.keys[i], table.texts[i]);
    ini.WriteValue("WARUNKI", "TABELA0/1", "Czy stanowisko jest oświetlone?");
    ini.WriteToDisk();
    return ini.FileName();
}

// The number of stored rows: the probe reads column 0 of each row until one is missing.
int storedRows(const TMemIniFile& ini, const Table& table)
{
    int rows = 0;
    const qsizetype tableRows = table.keys.size() / columns;
    while (rows < tableRows && ini.ReadValue(section, table.keys[rows * columns], endOfTable) != endOfTable)
        ++rows;
    return rows;
}

void BM_LoadAndReadTable(benchmark::State& state)
{
    const Table table(static_cast<int>(state.range(0)));
    QTemporaryDir folder;
    const QString path = writeDocument(folder, table);
    for (auto _ : state) {
        TMemIniFile ini(path);
        ini.LoadFromFile();
        const int rows = storedRows(ini, table);
        for (qsizetype i = 0; i < rows * columns; ++i)
            benchmark::DoNotOptimize(ini.ReadValue(section, table.keys[i], {}));
        if (rows != state.range(0))
            state.SkipWithError("the table was not read whole");
    }
    state.counters["keys"] = double(table.keys.size());
}

void BM_RewriteAndSaveTable(benchmark::State& state)
{
    const Table table(static_cast<int>(state.range(0)));
    QTemporaryDir folder;
    const QString path = writeDocument(folder, table);
    for (auto _ : state) {
        state.PauseTiming();
        TMemIniFileU ini(path);
        ini.WriteAllowed = true;
        ini.LoadFromFile();
        state.ResumeTiming();

        const int rows = storedRows(ini, table);
        for (qsizetype i = 0; i < rows * columns; ++i)
            ini.DeleteValue(section, table.keys[i]);
        for (qsizetype i = 0; i < table.keys.size(); ++i)
            ini.WriteValue(section, table.keys[i], table.texts[i]);
        ini.WriteToDisk();
    }
    state.counters["keys"] = double(table.keys.size());
}

} // namespace

BENCHMARK(BM_LoadAndReadTable)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RewriteAndSaveTable)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
