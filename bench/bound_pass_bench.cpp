// Speed of the read pass and the write pass of a document window whose table has many rows:
// the INI lookups and the widget work on the grid's cells together. The passes alone run on
// a loaded copy; the open and save sequences add reading and writing the file.

#include "base/win1250.h"
#include "storage/bound_pass.h"
#include "controls/edit_ini.h"
#include "storage/ini_dat.h"
#include "storage/ini_file.h"
#include "controls/memo_ini.h"
#include "controls/string_grid_ini.h"

#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>

namespace {

constexpr int kColumns = 8;

QString cellText(int col, int row)
{
    return QStringLiteral("Zagrożenie %1 w wierszu %2: źródło, skutki, środki").arg(col).arg(row);
}

// An assessment window in miniature: a description page and a page with the hazard table.
class BenchWindow : public QWidget {
public:
    BenchWindow()
    {
        auto* layout = new QVBoxLayout(this);
        PageControl1 = new QTabWidget(this);
        layout->addWidget(PageControl1);
        auto* opis = new QWidget(PageControl1);
        PageControl1->addTab(opis, QStringLiteral("Opis"));
        bind(new TEditIni(opis), "OPIS", "Stanowisko");
        bind(new TMemoIni(opis), "OPIS", "Uwagi");
        auto* tabela = new QWidget(PageControl1);
        PageControl1->addTab(tabela, QStringLiteral("Zagrożenia"));
        auto* tableLayout = new QVBoxLayout(tabela);
        StringGridIni1 = bind(new TStringGridIni(tabela), "ZAGROZENIA", "TABELA");
        tableLayout->addWidget(StringGridIni1);
        StringGridIni1->Tytul = true;
        StringGridIni1->setColumnCount(kColumns);
        StringGridIni1->setRowCount(1);
        PageControl1->setCurrentIndex(1);
        resize(1000, 700);
        show();
    }

    template <typename Control>
    Control* bind(Control* control, const char* section, const char* key)
    {
        Controls.append(control);
        return bindTo(control, IniDat1, QString::fromUtf8(section), QString::fromUtf8(key));
    }

    void fillTable(int rows)
    {
        StringGridIni1->setRowCount(rows + 1);
        for (int row = 1; row <= rows; ++row) {
            for (int col = 0; col < kColumns; ++col)
                StringGridIni1->setCell(col, row, cellText(col, row));
        }
    }

    TIniDat* IniDat1 = new TIniDat(this);
    QList<BoundControl*> Controls;   // in placing order
    QTabWidget* PageControl1;
    TStringGridIni* StringGridIni1;
};

// A document file whose table has `rows` rows, in a folder of its own.
class DocumentFile {
public:
    explicit DocumentFile(int rows)
    {
        TMemIniFile file(path());
        file.WriteValue("OPIS", "Stanowisko", win1250::fromUnicode(QStringLiteral("Ślusarz")));
        file.WriteValue("OPIS", "Uwagi1", "Hala B");
        file.WriteValue("OPIS", "Uwagi2", "@NUL@");
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

// Lets the window do what the pass left to the event loop (layout, painting).
void settle()
{
    QApplication::processEvents();
}

void finish(benchmark::State& state)
{
    state.SetComplexityN(state.range(0));
    state.counters["rows"] = static_cast<double>(state.range(0));
}

void BM_ReadPass(benchmark::State& state)
{
    const DocumentFile document(static_cast<int>(state.range(0)));
    BenchWindow w;
    w.IniDat1->OpenIniFile(document.path());
    for (auto _ : state) {
        state.PauseTiming(); // every read starts from an empty table, as in a new window
        w.StringGridIni1->setRowCount(1);
        settle();
        state.ResumeTiming();
        ReadPass(w.Controls);
        settle();
    }
    w.IniDat1->CloseIni();
    finish(state);
}

void BM_WritePass(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const DocumentFile document(rows);
    BenchWindow w;
    w.fillTable(rows);
    settle();
    w.IniDat1->OpenIniFile(document.path());
    for (auto _ : state) {
        WritePass(w.Controls); // probe, delete and rewrite every cell
        settle();
    }
    w.IniDat1->CloseIni();
    finish(state);
}

void BM_OpenSequence(benchmark::State& state)
{
    const DocumentFile document(static_cast<int>(state.range(0)));
    BenchWindow w;
    for (auto _ : state) {
        state.PauseTiming();
        w.StringGridIni1->setRowCount(1);
        settle();
        state.ResumeTiming();
        w.IniDat1->OpenIniFile(document.path());
        w.IniDat1->Ini()->WriteToDisk();
        ReadPass(w.Controls);
        w.IniDat1->ClearModified();
        w.IniDat1->CloseIni();
        settle();
    }
    finish(state);
}

void BM_SaveSequence(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const DocumentFile document(rows);
    BenchWindow w;
    w.fillTable(rows);
    settle();
    w.IniDat1->SetFileName(document.path());
    for (auto _ : state) {
        w.IniDat1->OpenIni();
        WritePass(w.Controls);
        w.IniDat1->Ini()->WriteToDisk();
        w.IniDat1->CloseIni();
        w.IniDat1->ClearModified();
    }
    finish(state);
}

} // namespace

BENCHMARK(BM_ReadPass)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_WritePass)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_OpenSequence)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_SaveSequence)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
