// Speed of the main window's open and save commands on a risk assessment whose hazard table
// has many rows: the whole command as the user runs it (the window, the lock, reading or
// writing the file, the read or write pass over every control, the layout that follows).
// Run with 10,000 and 20,000 rows: the time must grow in proportion to the rows.
//
// Long texts: an assessment with a text of 1 MB without a blank in a hazard cell or in a memo
// is opened and shown, its table scrolled over the tall row, and a catalogue whose possible
// effects hold such a text has that hazard picked. Each must take well under a second.

#include "base/prompts.h"
#include "base/program_settings.h"
#include "base/win1250.h"
#include "documents/document_window.h"
#include "documents/hazard_picker.h"
#include "shell/file_commands.h"
#include "shell/main_window.h"
#include "storage/ini_dat.h"
#include "storage/ini_file.h"
#include "controls/string_grid_ini.h"
#include "model/document_model.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Nothing may ask or warn while the commands run; a message means the run is void.
class SilentPrompts : public Prompts {
public:
    void message(const QString& text, Icon, const QString&) override { shown.append(text); }
    bool question(const QString& text, const QString&, Icon) override
    {
        shown.append(text);
        return false;
    }
    Answer questionWithCancel(const QString& text, const QString&) override
    {
        shown.append(text);
        return Answer::Cancel;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString text(const QString&, const QString&, bool, bool* ok) override
    {
        *ok = false;
        return {};
    }

    QStringList shown;
};

// A program folder with its PROJEKTY and a RISK SCORE assessment of `rows` hazards.
class ProgramFolder {
public:
    // `longText`, when given, is the first hazard's source and the first workstation memo.
    explicit ProgramFolder(int rows, const QByteArray& longText = {})
    {
        QDir(dir_.path()).mkdir(QStringLiteral("PROJEKTY"));
        QFile settings(dir_.filePath(QStringLiteral("TARVEN.INI")));
        if (settings.open(QIODevice::WriteOnly))
            settings.write("[USTAWIENIA]\r\nPowitalny=0\r\n");

        TMemIniFile file(assessmentPath());
        const auto text = [](const QString& value) { return win1250::fromUnicode(value); };
        file.WriteValue("OPISOC", "Jednostka", text(QStringLiteral("Wydział obróbki")));
        file.WriteValue("OPISOC", "Zatrudnienie", "12");
        file.WriteValue("OPIS", "Stanowisko", text(QStringLiteral("Ślusarz")));
        file.WriteValue("OPIS", "Metoda", "RISK SCORE");
        const QStringList ratings{QStringLiteral("15=straty bardzo duże"), QStringLiteral("3=możliwe"),
                                  QStringLiteral("6=codziennie"), QStringLiteral("R = 270,0 Ryzyko duże - niedopuszczalne")};
        for (int row = 1; row <= rows; ++row) {
            for (int col = 0; col < 8; ++col) {
                const QString value = col < 4 ? QStringLiteral("Zagrożenie %1, kolumna %2: źródło i skutki").arg(row).arg(col)
                                              : ratings[col - 4];
                file.WriteValue("ZAGROZENIA", "TABELA" + QByteArray::number(col) + '/' + QByteArray::number(row),
                                text(value));
            }
        }
        if (!longText.isEmpty()) {
            file.WriteValue("ZAGROZENIA", "TABELA1/1", longText);
            file.WriteValue("OPIS", "OPISA1", longText);
            file.WriteValue("OPIS", "OPISA2", "@NUL@");
        }
        file.WriteValue("WARUNKI", "TABELA0/1", text(QStringLiteral("Czy osłony są sprawne?")));
        file.WriteValue("WARUNKI", "TABELA1/1", text(QStringLiteral("Naprawić")));
        file.WriteValue("WARUNKI", "TABELA2/1", "TAK");
        file.WriteToDisk();
    }

    QString root() const { return dir_.path(); }
    QString assessmentPath() const { return dir_.filePath(QStringLiteral("PROJEKTY/OCENA1.ron")); }

private:
    QTemporaryDir dir_;
};

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Program {
    explicit Program(int rows, const QByteArray& longText = {}) : folder(rows, longText)
    {
        setPrompts(&prompts);
        programSettings() = ProgramSettings{};
        form = std::make_unique<TForm1>(folder.root());
        form->resize(1024, 740);
        form->show();
        settle();
    }
    ~Program()
    {
        form.reset();
        setPrompts(nullptr);
    }

    DocumentWindow* document() const { return form->fileCommands()->activeDocument(); }

    SilentPrompts prompts;
    ProgramFolder folder;
    std::unique_ptr<TForm1> form;
};

void finish(benchmark::State& state, const Program& program)
{
    if (!program.prompts.shown.isEmpty())
        state.SkipWithError(program.prompts.shown.first().toStdString().c_str());
    state.counters["rows"] = static_cast<double>(state.range(0));
}

// OpenDocument through the recent-file command: a new assessment window filled from the file.
void BM_OpenAssessment(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        program.form->RecentFileClick(program.folder.assessmentPath());
        settle();
        state.PauseTiming();
        if (program.form->fileCommands()->documentWindows().size() != 1)
            state.SkipWithError("no window opened");
        program.form->mdiArea()->closeAllSubWindows();
        settle();
        state.ResumeTiming();
    }
    finish(state, program);
}

// "Zapisz" on a modified assessment: reload, write pass, write the file.
void BM_SaveAssessment(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)));
    program.form->RecentFileClick(program.folder.assessmentPath());
    settle();
    DocumentWindow* window = program.document();
    for (auto _ : state) {
        state.PauseTiming();
        window->setModified(true);
        state.ResumeTiming();
        program.form->Zapisz1Click();
        settle();
    }
    if (window->document().isModified())
        state.SkipWithError("the save did not complete");
    finish(state, program);
}

// --- long texts ------------------------------------------------------------------------

const QByteArray megabyteWord(1 << 20, 'x');

// Opens the assessment with the long texts and shows each page of its window in turn.
void BM_OpenAndShowLongText(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)), megabyteWord);
    for (auto _ : state) {
        program.form->RecentFileClick(program.folder.assessmentPath());
        settle();
        auto* pages = program.document() ? program.document()->findChild<QTabWidget*>() : nullptr;
        for (int page = 0; pages && page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            settle();
        }
        state.PauseTiming();
        if (!pages)
            state.SkipWithError("no window opened");
        program.form->mdiArea()->closeAllSubWindows();
        settle();
        state.ResumeTiming();
    }
    finish(state, program);
}

// Scrolls the hazard table from its top, over the tall row, to its end and back, by pixels.
void BM_ScrollLongCell(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)), megabyteWord);
    program.form->RecentFileClick(program.folder.assessmentPath());
    settle();
    TStringGridIni* table = nullptr;
    for (auto* grid : program.document()->findChildren<TStringGridIni*>())
        if (grid->cell(1, 1).size() == megabyteWord.size())
            table = grid;
    if (!table) {
        state.SkipWithError("no table holds the long text");
        return;
    }
    auto* pages = program.document()->findChild<QTabWidget*>();
    for (int page = 0; page < pages->count(); ++page)
        if (pages->widget(page)->isAncestorOf(table))
            pages->setCurrentIndex(page);
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    settle();
    settle(); // the rows grow after the painting that measured them
    QScrollBar* bar = table->verticalScrollBar();
    for (auto _ : state) {
        for (int step = 0; step <= 20; ++step) {
            bar->setValue(bar->maximum() * (step <= 10 ? step : 20 - step) / 10);
            settle();
        }
    }
    if (table->rowHeight(1) < 1000)
        state.SkipWithError("the long cell did not grow its row");
    finish(state, program);
}

// The catalogue picker: a group is chosen and its hazard whose possible effects are the long
// text is picked into the memos.
void BM_PickLongEffect(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)));
    program.form->RecentFileClick(program.folder.assessmentPath());
    settle();
    const QString catalogue = QDir(program.folder.root()).filePath(QStringLiteral("ZAGROZENIA.txt"));
    QFile file(catalogue);
    if (file.open(QIODevice::WriteOnly))
        file.write("[Halas]\r\nDlugi=" + megabyteWord + "\r\nKrotki=Gluchota\r\n");
    file.close();
    auto* target = program.document()->findChild<TStringGridIni*>();
    for (auto _ : state) {
        TForm4 picker(catalogue, target, program.form.get());
        picker.show();
        settle();
        picker.ComboBox1->setCurrentIndex(0);
        picker.StringGrid1->setCurrentCell(0, 0);
        picker.StringGrid1DblClick();
        settle();
        state.PauseTiming();
        if (picker.Memo2->toPlainText().size() != megabyteWord.size())
            state.SkipWithError("the effects were not picked whole");
        state.ResumeTiming();
    }
    finish(state, program);
}

} // namespace

BENCHMARK(BM_OpenAssessment)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAssessment)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
// The long texts in an assessment of 10 rows.
BENCHMARK(BM_OpenAndShowLongText)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollLongCell)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PickLongEffect)->Arg(10)->Unit(benchmark::kMillisecond);
