// The reports from the command line, run as the real program in a process with no display
// given: the files written (and nothing else), one line per file on standard output, one per
// bad file on standard error, and the exit code; --help and a command line that cannot be
// understood print the usage. A command line without a report option starts the window,
// which needs a display.

#include "base/win1250.h"
#include "support/real_reader.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

const QString Assessment = QStringLiteral(
    "[OPISOC]\r\nJednostka=Wydział mechaniczny\r\nStanowisko=Tokarz\r\nZatrudnienie=3\r\nUwagi1=Wniosek\r\n"
    "Uwagi2=@NUL@\r\n[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=PHA\r\n[ZAGROZENIA]\r\nTABELA0/1=Hałas\r\n"
    "TABELA4/1=3=duże\r\nTABELA5/1=2=średnie\r\nTABELA6/1=R = 6,0 Ryzyko średnie - dopuszczalne\r\n"
    "[WARUNKI]\r\nTABELA0/1=Czy są osłony?\r\nTABELA2/1=NIE\r\n"
    "[PLAN]\r\nTABELA0/1=1\r\nTABELA1/1=Hałas\r\nTABELA2/1=Ochronniki słuchu\r\nTABELA5/1=01.02.2020\r\n"
    "TABELA7/1=planowane\r\n");
const QString Project = QStringLiteral("[OPIS]\r\nStanowisko=Tokarz\r\n[WARUNKI]\r\nTABELA0/1=Czy są osłony?\r\n");

enum class Usage { None, OnOutput, OnError };

struct CommandCase {
    const char* name;
    QStringList arguments;        // "@" stands for the test's folder
    int exitCode;
    QStringList written;          // report (or plan sheet) files expected in the folder
    QStringList errorLines;       // what each line on standard error names (a bad input, a bad option)
    bool appendix;                // a written PDF holds the risk overview appendix
    Usage usage = Usage::None;    // where the usage is printed, after those lines
    bool plan = false;            // a written PDF holds the action plan appendix
};

const CommandCase Cases[] = {
    {"FolderOfAssessmentsWithABrokenOne",
     {"--raport", "--folder-wyjściowy", "@/raporty", "@/a.ron", "@/zepsuta.ron", "@/b.ron"},
     1, {"raporty/a.docx", "raporty/b.docx"}, {"zepsuta.ron"}, false},
    {"ChecklistOfAProjectAsPdf", {"--lista-kontrolna", "@/projekt.rpr", "@/lista.pdf"}, 0, {"lista.pdf"}, {}, false},
    {"RiskReportAsPdf", {"--raport", "@/a.ron", "@/raport.pdf"}, 0, {"raport.pdf"}, {}, false},
    {"RiskReportWithOverview", {"--raport", "--podsumowanie", "@/a.ron", "@/raport.pdf"}, 0, {"raport.pdf"}, {}, true},
    {"MissingInput", {"--raport", "@/brak.ron", "@/wynik.odt"}, 1, {}, {"brak.ron"}, false},
    {"Help", {"--help"}, 0, {}, {}, false, Usage::OnOutput},
    {"UnknownOption", {"--raport", "--nieznana", "@/a.ron", "@/wynik.docx"}, 2, {}, {"--nieznana"}, false, Usage::OnError},
    {"NoReportFile", {"--lista-kontrolna", "@/a.ron"}, 2, {}, {"Podaj plik dokumentu"}, false, Usage::OnError},
    {"ReportOverItsInput", {"--raport", "@/a.ron", "@/a.ron"}, 1, {}, {"tym samym plikiem co dokument"}, false},
    {"ReportThroughALinkToItsInput", {"--raport", "@/a.ron", "@/skrót.pdf"}, 1, {}, {"tym samym plikiem"}, false},
    {"FolderOfTheInputsOwnFolder", {"--raport", "--folder-wyjściowy", "@", "--format", "odt", "@/ocena.odt", "@/b.ron"},
     1, {"b.odt"}, {"tym samym plikiem"}, false},
    {"OverviewOfAChecklist", {"--lista-kontrolna", "--podsumowanie", "@/a.ron", "@/lista.pdf"}, 2, {},
     {"tylko do raportu --raport"}, false, Usage::OnError},
    {"StatementsWithoutWorkers", {"--oswiadczenia", "@/a.ron", "@/oswiadczenia.pdf"}, 1, {}, {"nie ma pracowników"}, false},
    {"MistypedReportOption", {"--raprot", "@/a.ron", "@/x.docx"}, 2, {}, {"--raprot"}, false, Usage::OnError},
    {"UnknownOptionAfterADocument", {"@/x.docx", "--nowy"}, 2, {}, {"--nowy"}, false, Usage::OnError},
    {"WindowWithoutADisplay", {"@/x.docx"}, 1, {}, {"wymaga sesji graficznej"}, false},
    {"RiskReportWithPlan", {"--raport", "--plan", "@/a.ron", "@/raport.pdf"}, 0, {"raport.pdf"}, {}, false, Usage::None, true},
    {"RiskReportWithOverviewAndPlan", {"--raport", "--plan", "--podsumowanie", "@/a.ron", "@/raport.pdf"}, 0,
     {"raport.pdf"}, {}, true, Usage::None, true},
    {"PlanOfAChecklist", {"--lista-kontrolna", "--plan", "@/a.ron", "@/lista.pdf"}, 2, {}, {"tylko do raportu --raport"},
     false, Usage::OnError},
    {"PlanSheetOfTwoAssessments", {"--plan-arkusz", "@/a.ron", "@/b.ron", "@/plan.xlsx"}, 0, {"plan.xlsx"}, {}, false},
    {"PlanSheetWithABrokenAssessment", {"--plan-arkusz", "@/zepsuta.ron", "@/a.ron", "@/plan.xlsx"}, 1, {"plan.xlsx"},
     {"zepsuta.ron"}, false},
    {"PlanSheetOfNoReadableAssessment", {"--plan-arkusz", "@/brak.ron", "@/plan.csv"}, 1, {},
     {"brak.ron", "nie wczytano żadnej oceny"}, false},
    {"PlanSheetOfAnotherKind", {"--plan-arkusz", "@/a.ron", "@/plan.docx"}, 2, {}, {".xlsx albo .csv"}, false,
     Usage::OnError},
    {"PlanSheetWithoutAssessment", {"--plan-arkusz", "@/plan.xlsx"}, 2, {}, {"Podaj co najmniej jeden plik oceny"}, false,
     Usage::OnError},
    {"PlanSheetInAFolder", {"--plan-arkusz", "--folder-wyjściowy", "@/x", "@/a.ron", "@/plan.xlsx"}, 2, {},
     {"bez --folder-wyjściowy"}, false, Usage::OnError},
    {"PlanSheetAndReport", {"--plan-arkusz", "--raport", "@/a.ron", "@/plan.xlsx"}, 2, {}, {"Podaj tylko jedno z"}, false,
     Usage::OnError},
    {"RegisterOfAFolderWithABrokenAssessment", {"--rejestr", "@", "@/rejestr.xlsx"}, 1, {"rejestr.xlsx"}, {"zepsuta.ron"},
     false},
    {"RegisterAsPdf", {"--rejestr", "@", "@/rejestr.pdf"}, 1, {"rejestr.pdf"}, {"zepsuta.ron"}, false},
    {"RegisterOfNoFolder", {"--rejestr", "@/brak", "@/rejestr.csv"}, 2, {}, {"To nie jest folder"}, false, Usage::OnError},
    {"RegisterOfAnotherKind", {"--rejestr", "@", "@/rejestr.docx"}, 2, {}, {".xlsx, .csv albo .pdf"}, false,
     Usage::OnError},
};

// The lines before the usage, if the usage is printed whole, else all lines.
QStringList linesBeforeUsage(const QString& text, bool* usagePrinted)
{
    const qsizetype usage = text.indexOf(QStringLiteral("Użycie:\n  OcenaRyzyka --raport"));
    *usagePrinted = usage >= 0 && text.endsWith(QStringLiteral("2 - błędne wywołanie.\n"));
    return text.left(usage < 0 ? text.size() : usage).split('\n', Qt::SkipEmptyParts);
}

class ReportCommandLineTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(ReportCommandLineTest, WritesEveryGoodFileAndNamesEveryBadOne)
{
    const CommandCase& c = GetParam();
    TempFolder folder;
    for (const char* name : {"a.ron", "b.ron", "ocena.odt"})
        folder.write(name, win1250::fromUnicode(Assessment));
    folder.write("projekt.rpr", win1250::fromUnicode(Project));
    folder.write("zepsuta.ron", QByteArray("\x89PNG\r\n\x1a\n\0\0garbage", 18));
    ASSERT_TRUE(QFile::link(folder.path("a.ron"), folder.path("skrót.pdf")));
    const QByteArray original = folder.read("a.ron");

    QStringList arguments;
    for (const QString& argument : c.arguments)
        arguments.append(QString(argument).replace(QLatin1Char('@'), folder.root()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(display));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PROGRAM_EXECUTABLE), arguments);
    ASSERT_TRUE(program.waitForFinished(60000));

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), c.exitCode);
    bool usageOnOutput = false;
    bool usageOnError = false;
    const QStringList out = linesBeforeUsage(QString::fromUtf8(program.readAllStandardOutput()), &usageOnOutput);
    const QStringList err = linesBeforeUsage(QString::fromUtf8(program.readAllStandardError()), &usageOnError);
    EXPECT_EQ(usageOnOutput, c.usage == Usage::OnOutput);
    EXPECT_EQ(usageOnError, c.usage == Usage::OnError);
    ASSERT_EQ(out.size(), c.written.size()) << out.join('\n').toStdString();
    for (int i = 0; i < c.written.size(); ++i) {
        const bool sheet = c.written[i].endsWith(QLatin1String(".xlsx"));
        const QString written = c.arguments.first() == QLatin1String("--rejestr") ? QStringLiteral("Zapisano rejestr: ")
                                : sheet                                          ? QStringLiteral("Zapisano arkusz: ")
                                                                                 : QStringLiteral("Zapisano raport: ");
        EXPECT_TRUE(out[i].startsWith(written))
            << out[i].toStdString();
        EXPECT_TRUE(out[i].endsWith(c.written[i])) << out[i].toStdString();
        EXPECT_GT(QFileInfo(folder.path(c.written[i])).size(), 1000) << c.written[i].toStdString();
        if (c.written[i].endsWith(QLatin1String(".pdf"))) {
            const QString text = pdfText(folder.path(c.written[i]));
            EXPECT_EQ(text.contains(QStringLiteral("ZAŁĄCZNIK: PODSUMOWANIE RYZYKA")), c.appendix);
            EXPECT_EQ(text.contains(QStringLiteral("PLAN DZIAŁAŃ KORYGUJĄCYCH I ZAPOBIEGAWCZYCH")), c.plan);
            EXPECT_EQ(text.contains(QStringLiteral("Ochronniki słuchu")), c.plan);
        }
    }
    ASSERT_EQ(err.size(), c.errorLines.size()) << err.join('\n').toStdString();
    for (int i = 0; i < c.errorLines.size(); ++i)
        EXPECT_TRUE(err[i].contains(c.errorLines[i])) << err[i].toStdString();
    QStringList made;
    for (QDirIterator file(folder.root(), QDir::Files, QDirIterator::Subdirectories); file.hasNext();)
        made.append(QDir(folder.root()).relativeFilePath(file.next()));
    made.sort();
    QStringList expected = QStringList{"a.ron", "b.ron", "ocena.odt", "projekt.rpr", "skrót.pdf", "zepsuta.ron"} + c.written;
    expected.sort();
    EXPECT_EQ(made.join(' ').toStdString(), expected.join(' ').toStdString()) << "only the reports are made";
    for (const char* name : {"a.ron", "ocena.odt"})
        EXPECT_EQ(folder.read(name), original) << "documents are only read";
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportCommandLineTest, ::testing::ValuesIn(Cases),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
