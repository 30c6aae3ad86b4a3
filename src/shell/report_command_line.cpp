#include "shell/report_command_line.h"

#include "base/app_error.h"
#include "model/document_file_reader.h"
#include "report/checklist_report.h"
#include "report/document_writer.h"
#include "report/plan_appendix.h"
#include "report/plan_spreadsheet.h"
#include "report/risk_overview_appendix.h"
#include "report/register_export.h"
#include "report/risk_report.h"
#include "report/sheet_file.h"
#include "report/worker_statements.h"
#include "shell/start_up.h"
#include "storage/write_access.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>
#include <QTextStream>
#include <QtConcurrent/QtConcurrentMap>

#include <optional>

namespace {

const QString kRiskReport = QStringLiteral("--raport");
const QString kChecklistReport = QStringLiteral("--lista-kontrolna");
const QString kFolder = QStringLiteral("--folder-wyjściowy");
const QString kFormat = QStringLiteral("--format");
const QString kPlanSheet = QStringLiteral("--plan-arkusz");
const QString kStatements = QStringLiteral("--oswiadczenia");
const QString kOverview = QStringLiteral("--podsumowanie");
const QString kPlan = QStringLiteral("--plan");
const QString kRegister = QStringLiteral("--rejestr");
const QString kHelp = QStringLiteral("--help");
const QStringList kFormats = {QStringLiteral("docx"), QStringLiteral("odt"), QStringLiteral("pdf")};

constexpr int ExitAllWritten = 0;
constexpr int ExitSomeFailed = 1;
constexpr int ExitUsage = 2;

const QString kUsage = QStringLiteral(
    "Użycie:\n"
    "  OcenaRyzyka --raport [--podsumowanie] [--plan] OCENA.ron WYNIK.docx\n"
    "  OcenaRyzyka --lista-kontrolna DOKUMENT.ron|DOKUMENT.rpr WYNIK.docx\n"
    "  OcenaRyzyka --raport|--lista-kontrolna --folder-wyjściowy FOLDER [--format docx|odt|pdf] PLIK...\n"
    "  OcenaRyzyka --plan-arkusz OCENA.ron [OCENA2.ron ...] PLAN.xlsx|PLAN.csv\n"
    "  OcenaRyzyka --rejestr FOLDER REJESTR.xlsx|REJESTR.csv|REJESTR.pdf\n"
    "  OcenaRyzyka --oswiadczenia OCENA.ron WYNIK.pdf\n"
    "\n"
    "Tworzy raporty bez otwierania okna programu.\n"
    "\n"
    "Opcje:\n"
    "  --raport                   pełny raport oceny ryzyka zawodowego (z pliku oceny .ron)\n"
    "  --podsumowanie             dołącza do raportu --raport załącznik: podsumowanie ryzyka\n"
    "  --plan                     dołącza do raportu --raport plan działań i ryzyko po działaniach\n"
    "  --lista-kontrolna          lista kontrolna (z pliku oceny .ron albo projektu .rpr)\n"
    "  --folder-wyjściowy FOLDER  raport każdego podanego pliku w folderze FOLDER, nazwany jak plik\n"
    "  --format docx|odt|pdf      format raportów zapisywanych w folderze (domyślnie docx)\n"
    "  --plan-arkusz              plany działań podanych ocen w jednym arkuszu .xlsx albo .csv\n"
    "  --rejestr                  rejestr wszystkich ocen folderu i jego podfolderów (.xlsx, .csv, .pdf)\n"
    "                             (kilka ocen: w pierwszej kolumnie stanowisko)\n"
    "  --oswiadczenia             oświadczenia pracowników o zapoznaniu z ryzykiem zawodowym,\n"
    "                             strona dla każdego pracownika z listy oceny\n"
    "  --help                     wyświetla tę pomoc\n"
    "\n"
    "Format raportu wynika z rozszerzenia pliku wynikowego: .docx, .odt albo .pdf\n"
    "(arkusza planu: .xlsx albo .csv).\n"
    "Pliki dokumentów są tylko czytane, nigdy zmieniane.\n"
    "Kod wyjścia: 0 - zapisano wszystkie raporty, 1 - nie zapisano któregoś z nich\n"
    "(albo nie wczytano którejś z ocen arkusza planu),\n"
    "2 - błędne wywołanie.\n");

enum class ReportKind { Risk, Checklist, PlanSheet, Register, Statements };

struct Job {
    QString input;
    QString output;
};

struct CommandLine {
    ReportKind kind = ReportKind::Risk;
    bool overview = false;   // the risk report gets the risk overview appendix
    bool plan = false;       // the risk report gets the action plan appendix
    QString folder;   // the folder of the reports, made when missing; empty for one report
    QList<Job> jobs;
    // The plan sheet: the assessments it is made of and the file it is written to.
    QStringList sheetInputs;
    QString sheetOutput;
};

// The kind of report an option asks for; nullopt for any other argument.
std::optional<ReportKind> kindOption(const QString& argument)
{
    static const QList<std::pair<QString, ReportKind>> options{{kRiskReport, ReportKind::Risk},
                                                               {kChecklistReport, ReportKind::Checklist},
                                                               {kPlanSheet, ReportKind::PlanSheet},
                                                               {kRegister, ReportKind::Register},
                                                               {kStatements, ReportKind::Statements}};
    for (const auto& [option, kind] : options) {
        if (argument == option)
            return kind;
    }
    return std::nullopt;
}

// The command line as jobs, or nullopt after telling `err` what is wrong with it.
std::optional<CommandLine> parse(const QStringList& arguments, QTextStream& err)
{
    std::optional<ReportKind> kind;
    std::optional<QString> folder;
    bool overview = false;
    bool plan = false;
    std::optional<QString> format;
    QStringList files;
    const auto fail = [&err](const QString& why) {
        err << why << "\n\n" << kUsage;
        return std::nullopt;
    };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (const auto asked = kindOption(argument)) {
            if (kind && *kind != *asked)
                return fail(QStringLiteral("Podaj tylko jedno z: --raport, --lista-kontrolna, --plan-arkusz, "
                                           "--rejestr, --oswiadczenia."));
            kind = asked;
        } else if (argument == kOverview) {
            overview = true;
        } else if (argument == kPlan) {
            plan = true;
        } else if (argument == kFolder || argument == kFormat) {
            if (i + 1 == arguments.size())
                return fail(QStringLiteral("Po %1 brakuje wartości.").arg(argument));
            const QString& value = arguments[++i];
            if (argument == kFolder)
                folder = value;
            else
                format = value;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return fail(QStringLiteral("Nieznana opcja: %1").arg(argument));
        } else {
            files.append(argument);
        }
    }
    if (!kind)
        return fail(QStringLiteral("Podaj rodzaj raportu: --raport, --lista-kontrolna, --plan-arkusz, --rejestr albo "
                                   "--oswiadczenia."));
    if (overview && *kind != ReportKind::Risk)
        return fail(QStringLiteral("Podsumowanie ryzyka dołącza się tylko do raportu --raport."));
    if (plan && *kind != ReportKind::Risk)
        return fail(QStringLiteral("Plan działań dołącza się tylko do raportu --raport."));
    const QString extension = format.value_or(kFormats.first()).toLower();
    if (!kFormats.contains(extension))
        return fail(QStringLiteral("Nieznany format raportu: %1").arg(*format));

    CommandLine line;
    line.kind = *kind;
    line.overview = overview;
    line.plan = plan;
    line.folder = folder.value_or(QString());
    if (*kind == ReportKind::Register) {
        if (folder || format || files.size() != 2)
            return fail(QStringLiteral("Podaj folder z ocenami i plik rejestru (.xlsx, .csv albo .pdf)."));
        if (!QFileInfo(files[0]).isDir())
            return fail(QStringLiteral("To nie jest folder: %1").arg(files[0]));
        if (!isSheetFileName(files[1]) && QFileInfo(files[1]).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
            return fail(QStringLiteral("Plik rejestru musi mieć rozszerzenie .xlsx, .csv albo .pdf: %1").arg(files[1]));
        line.sheetInputs = {files[0]};
        line.sheetOutput = files[1];
        return line;
    }
    if (*kind == ReportKind::PlanSheet) {
        if (folder || format)
            return fail(QStringLiteral("Arkusz planu zapisuje się do jednego pliku: podaj go na końcu, "
                                       "bez --folder-wyjściowy i --format."));
        if (files.size() < 2)
            return fail(QStringLiteral("Podaj co najmniej jeden plik oceny i plik arkusza."));
        line.sheetOutput = files.takeLast();
        if (!isPlanSpreadsheetName(line.sheetOutput))
            return fail(QStringLiteral("Plik arkusza musi mieć rozszerzenie .xlsx albo .csv: %1").arg(line.sheetOutput));
        line.sheetInputs = files;
        return line;
    }
    if (folder) {
        if (files.isEmpty())
            return fail(QStringLiteral("Podaj co najmniej jeden plik dokumentu."));
        const QDir dir(*folder);
        for (const QString& file : files)
            line.jobs.append({file, dir.filePath(QFileInfo(file).completeBaseName() + QLatin1Char('.') + extension)});
    } else {
        if (files.size() != 2)
            return fail(QStringLiteral("Podaj plik dokumentu i plik raportu (albo --folder-wyjściowy)."));
        line.jobs.append({files[0], files[1]});
    }
    return line;
}

// Throws AppError when the report would be written over the document it is made from:
// the same file once links are resolved.
void refuseOutputOverInput(const Job& job)
{
    if (write_access::sameFile(job.input, job.output))
        throw AppError(QStringLiteral("plik raportu \"%1\" jest tym samym plikiem co dokument; dokument pozostał bez zmian")
                           .arg(QDir::toNativeSeparators(job.output)));
}

// Writes the report of one job; throws AppError with the cause.
void writeReport(const CommandLine& line, const Job& job)
{
    DocumentWriter word;
    word.AppShow();
    word.FileNew(QStringLiteral("Normal"));
    if (line.kind == ReportKind::Risk) {
        const AssessmentSnapshot assessment = readAssessmentFile(job.input);
        BuildRiskReport(word, assessment);
        if (line.overview)
            WriteRiskOverviewAppendix(word, assessment);
        if (line.plan)
            WritePlanAppendix(word, assessment);
    } else if (line.kind == ReportKind::Statements) {
        BuildWorkerStatements(word, readAssessmentFile(job.input));
    } else if (QFileInfo(job.input).suffix().compare(QLatin1String("rpr"), Qt::CaseInsensitive) == 0) {
        AssessmentSnapshot project;
        static_cast<ProjectSnapshot&>(project) = readProjectFile(job.input);
        BuildChecklistReport(word, project, ChecklistVariant::Project);
    } else
        BuildChecklistReport(word, readAssessmentFile(job.input), ChecklistVariant::Assessment);
    word.FileSaveAs(job.output);
}

// The plan sheet of the assessments that could be read; each that cannot is named on `err`
// and the sheet is written of the others.
int writePlanSheet(const CommandLine& line, QTextStream& out, QTextStream& err)
{
    QList<AssessmentSnapshot> assessments;
    for (const QString& input : line.sheetInputs) {
        try {
            refuseOutputOverInput({input, line.sheetOutput});
            assessments.append(readAssessmentFile(input));
        } catch (const AppError& error) {
            err << QStringLiteral("Nie wczytano pliku %1: %2").arg(QDir::toNativeSeparators(input), error.text()) << Qt::endl;
        }
    }
    const QString output = QDir::toNativeSeparators(line.sheetOutput);
    try {
        if (assessments.isEmpty())
            throw AppError(QStringLiteral("nie wczytano żadnej oceny"));
        WritePlanSpreadsheet(assessments, line.sheetOutput);
        out << QStringLiteral("Zapisano arkusz: %1").arg(output) << Qt::endl;
    } catch (const AppError& error) {
        err << QStringLiteral("Nie utworzono arkusza %1: %2").arg(output, error.text()) << Qt::endl;
        return ExitSomeFailed;
    }
    return assessments.size() == line.sheetInputs.size() ? ExitAllWritten : ExitSomeFailed;
}

// The register of every assessment of the folder; each file that cannot be read is named
// on `err`, and the register lists it all the same.
int writeRegisterFile(const CommandLine& line, QTextStream& out, QTextStream& err)
{
    const QDate today = QDate::currentDate();
    const QList<RegisterEntry> entries = QtConcurrent::blockingMapped(
        assessmentFiles(line.sheetInputs.first()), [today](const QString& path) { return registerEntry(path, today); });
    int unreadable = 0;
    for (const RegisterEntry& entry : entries) {
        if (entry.failure.isEmpty())
            continue;
        ++unreadable;
        err << QStringLiteral("Nie wczytano pliku %1: %2").arg(QDir::toNativeSeparators(entry.path), entry.failure)
            << Qt::endl;
    }
    const QString output = QDir::toNativeSeparators(line.sheetOutput);
    try {
        writeRegister(entries, line.sheetOutput, today);
    } catch (const AppError& error) {
        err << QStringLiteral("Nie utworzono rejestru %1: %2").arg(output, error.text()) << Qt::endl;
        return ExitSomeFailed;
    }
    out << QStringLiteral("Zapisano rejestr: %1").arg(output) << Qt::endl;
    return unreadable ? ExitSomeFailed : ExitAllWritten;
}

// The reports of `arguments` (the program's name first). REQUIRES: a QGuiApplication.
int writeReports(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.contains(kHelp)) {
        out << kUsage;
        return ExitAllWritten;
    }
    const std::optional<CommandLine> line = parse(arguments, err);
    if (!line)
        return ExitUsage;
    if (line->kind == ReportKind::PlanSheet)
        return writePlanSheet(*line, out, err);
    if (line->kind == ReportKind::Register)
        return writeRegisterFile(*line, out, err);

    if (!line->folder.isEmpty())
        QDir().mkpath(line->folder);   // when it cannot be made, every save says so
    int failed = 0;
    QSet<QString> written;
    for (const Job& job : line->jobs) {
        const QString output = QFileInfo(job.output).absoluteFilePath();
        try {
            // Two inputs of one name in different folders would give one report file.
            if (written.contains(output))
                throw AppError(QStringLiteral("raport o nazwie \"%1\" zapisano już z innego pliku")
                                   .arg(QDir::toNativeSeparators(job.output)));
            refuseOutputOverInput(job);
            writeReport(*line, job);
            written.insert(output);
            out << QStringLiteral("Zapisano raport: %1").arg(QDir::toNativeSeparators(job.output)) << Qt::endl;
        } catch (const AppError& error) {
            ++failed;
            err << QStringLiteral("Nie utworzono raportu z pliku %1: %2")
                       .arg(QDir::toNativeSeparators(job.input), error.text())
                << Qt::endl;
        }
    }
    return failed == 0 ? ExitAllWritten : ExitSomeFailed;
}

} // namespace

bool isReportCommandLine(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrncmp(argv[i], "--", 2) == 0)
            return true;
    }
    return false;
}

int runReportCommandLine(int argc, char* argv[])
{
    bool platformGiven = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    for (int i = 1; i < argc && !platformGiven; ++i)
        platformGiven = qstrcmp(argv[i], "-platform") == 0;
    if (!platformGiven)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Standard error carries the lines of the files that failed; Qt's notes about the
    // platform (no runtime folder, no display) are not for the user of a command.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            QTextStream(stderr) << message << Qt::endl;
    });
    QGuiApplication app(argc, argv);
    forceRegionalFormats();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return writeReports(QCoreApplication::arguments(), out, err);
}
