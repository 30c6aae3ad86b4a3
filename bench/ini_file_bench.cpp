// Speed of the INI document file on an assessment's hazard table: 8 columns of N rows,
// stored as TABELA<c>/<r> in one section. One benchmark loads the document and reads every
// cell as the table's read pass does (one walk over the section); the other rewrites the
// table as a save does (the rows counted, every cell compared and the changed ones replaced
// in one pass) and writes the file to disk. BM_LookUpTable reads every cell by a lookup of
// its key, as a file of any other layout is read. Run with 10,000 and 20,000 rows: the time
// must grow in proportion to the rows. Cell texts are built once, outside the timing: what
// is measured is the file.
//
// Hostile files: 65,536 keys (and as many section names) crafted to share one FNV-1a hash
// load against as many ordinary names of the same length; the colliding ones must stay
// within 3 times the ordinary ones. BM_HeapOfTheCopy reports the heap the in-memory copy
// takes per byte of the file, for many empty sections, millions of "[]" lines, many small
// sections of one line each (as loaded, for the program reads only its own sections) and
// the ordinary 10,000-row document with every section read; run each alone under
// /usr/bin/time -v for the peak.

#include "base/win1250.h"
#include "storage/ini_file.h"
#include "storage/stored_values.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <random>
#include <unordered_map>

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

// Loads the document and reads its table with `read`, which returns the rows it read.
template <typename Read>
void loadAndRead(benchmark::State& state, Read read)
{
    const Table table(static_cast<int>(state.range(0)));
    QTemporaryDir folder;
    const QString path = writeDocument(folder, table);
    for (auto _ : state) {
        TMemIniFile ini(path);
        ini.LoadFromFile();
        if (read(ini, table) != state.range(0))
            state.SkipWithError("the table was not read whole");
    }
    state.counters["keys"] = double(table.keys.size());
}

void BM_LoadAndReadTable(benchmark::State& state)
{
    loadAndRead(state, [](const TMemIniFile& ini, const Table&) {
        return stored::readTable(ini, section, "TABELA", columns, {}).size();
    });
}

void BM_LookUpTable(benchmark::State& state)
{
    loadAndRead(state, [](const TMemIniFile& ini, const Table& table) {
        const int rows = storedRows(ini, table);
        for (qsizetype i = 0; i < rows * columns; ++i)
            benchmark::DoNotOptimize(ini.ReadValue(section, table.keys[i], {}));
        return rows;
    });
}

void BM_RewriteAndSaveTable(benchmark::State& state)
{
    const Table table(static_cast<int>(state.range(0)));
    QTemporaryDir folder;
    const QString path = writeDocument(folder, table);
    // Every tenth cell changed, as after a day's editing.
    QList<QByteArray> texts = table.texts;
    for (qsizetype i = 0; i < texts.size(); i += 10)
        texts[i] += " (zmienione)";
    const auto key = [](qsizetype i, QByteArray& out) { stored::cellKey("TABELA", int(i % columns), int(i / columns) + 1, out); };
    const auto value = [&texts](qsizetype i, QByteArray& out) { out = texts[i]; };
    for (auto _ : state) {
        state.PauseTiming();
        TMemIniFileU ini(path);
        ini.WriteAllowed = true;
        ini.LoadFromFile();
        state.ResumeTiming();

        const qsizetype stored = qsizetype(stored::tableRows(ini, section, "TABELA")) * columns;
        if (!ini.ReplaceTail(section, stored, texts.size(), key, value))
            state.SkipWithError("the table was not replaced in one pass");
        ini.WriteToDisk();
    }
    state.counters["keys"] = double(table.keys.size());
}

// --- names crafted to collide -------------------------------------------------------------

constexpr int collidingBits = 16; // 2^16 names
constexpr int blockSize = 5;

std::uint32_t fnv1a(std::uint32_t hash, QByteArrayView bytes)
{
    for (const char byte : bytes)
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619u;
    return hash;
}

QByteArray randomBlock(std::mt19937& random)
{
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray block(blockSize, Qt::Uninitialized);
    for (char& c : block)
        c = alphabet[random() % (sizeof alphabet - 1)];
    return block;
}

// 2^16 names of 16 blocks each. Colliding: at every block two choices that lead from the same
// FNV-1a state to the same state (found by a birthday search), so every name has one hash.
// Ordinary: random blocks.
QList<QByteArray> names(bool colliding)
{
    std::mt19937 random(7);
    QList<QByteArray> result(1 << collidingBits);
    if (!colliding) {
        for (QByteArray& name : result)
            for (int block = 0; block < collidingBits; ++block)
                name += randomBlock(random);
        return result;
    }
    std::uint32_t state = 2166136261u;
    for (int bit = 0; bit < collidingBits; ++bit) {
        std::unordered_map<std::uint32_t, QByteArray> seen;
        QByteArray first, second;
        while (first.isEmpty()) {
            const QByteArray block = randomBlock(random);
            const auto [found, added] = seen.emplace(fnv1a(state, block), block);
            if (!added && found->second != block) {
                first = found->second;
                second = block;
            }
        }
        state = fnv1a(state, first);
        for (qsizetype i = 0; i < result.size(); ++i)
            result[i] += (i >> bit) & 1 ? second : first;
    }
    return result;
}

// Loads a file of the names as keys of one section (or as section names, each section with
// one key) and reads every one of them.
void BM_LoadNames(benchmark::State& state)
{
    const bool asSections = state.range(0);
    const QList<QByteArray> all = names(state.range(1));
    QByteArray text = asSections ? "" : "[S]\r\n";
    for (const QByteArray& name : all)
        text += asSections ? "[" + name + "]\r\nA=1\r\n" : name + "=1\r\n";
    for (auto _ : state) {
        TMemIniFile ini;
        ini.LoadFromBytes(text);
        for (const QByteArray& name : all)
            benchmark::DoNotOptimize(asSections ? ini.ReadValue(name, "A", {}) : ini.ReadValue("S", name, {}));
    }
    state.counters["names"] = double(all.size());
    state.counters["MB"] = double(text.size()) / 1e6;
}

// --- memory of the copy ------------------------------------------------------------------

std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// 0: 400,000 empty sections; 1: 3,000,000 lines "[]"; 2: the ordinary 10,000-row document;
// 3: 400,000 sections of one line each.
QByteArray memoryInput(int kind)
{
    QByteArray text;
    if (kind == 0) {
        for (int i = 0; i < 400000; ++i)
            text += "[Sekcja" + QByteArray::number(100000 + i) + "]\r\n";
    } else if (kind == 1) {
        text = QByteArray("[]\n").repeated(3000000);
    } else if (kind == 3) {
        for (int i = 0; i < 400000; ++i)
            text += "[Sekcja" + QByteArray::number(100000 + i) + "]\r\nKlucz=Wartosc\r\n";
    } else {
        QTemporaryDir folder;
        QFile file(writeDocument(folder, Table(10000)));
        if (file.open(QIODevice::ReadOnly))
            text = file.readAll();
    }
    return text;
}

void BM_HeapOfTheCopy(benchmark::State& state)
{
    const int kind = int(state.range(0));
    const QByteArray text = memoryInput(kind);
    double perFileByte = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        TMemIniFile ini;
        // A copy of its own, as a file read from disk: what the copy keeps of it counts.
        ini.LoadFromBytes(QByteArray(text.constData(), text.size()));
        if (kind == 2)
            for (const QByteArray& name : ini.SectionNames())
                benchmark::DoNotOptimize(ini.SectionKeys(name));
        perFileByte = double(heapInUse() - before) / double(text.size());
    }
    state.counters["file_MB"] = double(text.size()) / 1e6;
    state.counters["heap_per_file_byte"] = perFileByte;
}

} // namespace

BENCHMARK(BM_LoadNames)
    ->ArgNames({"sections", "colliding"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeapOfTheCopy)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadAndReadTable)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookUpTable)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RewriteAndSaveTable)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
