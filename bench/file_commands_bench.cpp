// Speed of the main window's open and save commands on a risk assessment whose hazard table
// has many rows: the whole command as the user runs it (the window, the lock, reading or
// writing the file, the read or write pass over every control, the layout that follows).

#include "base/prompts.h"
#include "base/program_settings.h"
#include "base/win1250.h"
#include "documents/document_window.h"
#include "shell/file_commands.h"
#include "shell/main_window.h"
#include "storage/ini_dat.h"
#include "storage/ini_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
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
    explicit ProgramFolder(int rows)
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
    explicit Program(int rows) : folder(rows)
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
    if (window->file().Modified())
        state.SkipWithError("the save did not complete");
    finish(state, program);
}

} // namespace

BENCHMARK(BM_OpenAssessment)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAssessment)->Arg(10000)->Unit(benchmark::kMillisecond);
