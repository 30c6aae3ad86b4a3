#include "shell/report_command_line.h"

#include "base/app_error.h"
#include "model/document_file_reader.h"
#include "report/checklist_report.h"
#include "report/document_writer.h"
#include "report/risk_overview_appendix.h"
#include "report/risk_report.h"
#include "shell/start_up.h"
#include "storage/write_access.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>
#include <QTextStream>

#include <optional>

namespace {

const QString kRiskReport = QStringLiteral("--raport");
const QString kChecklistReport = QStringLiteral("--lista-kontrolna");
const QString kFolder = QStringLiteral("--folder-wyjściowy");
const QString kFormat = QStringLiteral("--format");
const QString kOverview = QStringLiteral("--podsumowanie");
const QString kHelp = QStringLiteral("--help");
const QStringList kFormats = {QStringLiteral("docx"), QStringLiteral("odt"), QStringLiteral("pdf")};

constexpr int ExitAllWritten = 0;
constexpr int ExitSomeFailed = 1;
constexpr int ExitUsage = 2;

const QString kUsage = QStringLiteral(
    "Użycie:\n"
    "  OcenaRyzyka --raport [--podsumowanie] OCENA.ron WYNIK.docx\n"
    "  OcenaRyzyka --lista-kontrolna DOKUMENT.ron|DOKUMENT.rpr WYNIK.docx\n"
    "  OcenaRyzyka --raport|--lista-kontrolna --folder-wyjściowy FOLDER [--format docx|odt|pdf] PLIK...\n"
    "\n"
    "Tworzy raporty bez otwierania okna programu.\n"
    "\n"
    "Opcje:\n"
    "  --raport                   pełny raport oceny ryzyka zawodowego (z pliku oceny .ron)\n"
    "  --podsumowanie             dołącza do raportu --raport załącznik: podsumowanie ryzyka\n"
    "  --lista-kontrolna          lista kontrolna (z pliku oceny .ron albo projektu .rpr)\n"
    "  --folder-wyjściowy FOLDER  raport każdego podanego pliku w folderze FOLDER, nazwany jak plik\n"
    "  --format docx|odt|pdf      format raportów zapisywanych w folderze (domyślnie docx)\n"
    "  --help                     wyświetla tę pomoc\n"
    "\n"
    "Format raportu wynika z rozszerzenia pliku wynikowego: .docx, .odt albo .pdf.\n"
    "Pliki dokumentów są tylko czytane, nigdy zmieniane.\n"
    "Kod wyjścia: 0 - zapisano wszystkie raporty, 1 - nie zapisano któregoś z nich,\n"
    "2 - błędne wywołanie.\n");

enum class ReportKind { Risk, Checklist };

struct Job {
    QString input;
    QString output;
};

struct CommandLine {
    ReportKind kind = ReportKind::Risk;
    bool overview = false;   // the risk report gets the risk overview appendix
    QString folder;   // the folder of the reports, made when missing; empty for one report
    QList<Job> jobs;
};

// The command line as jobs, or nullopt after telling `err` what is wrong with it.
std::optional<CommandLine> parse(const QStringList& arguments, QTextStream& err)
{
    std::optional<ReportKind> kind;
    std::optional<QString> folder;
    bool overview = false;
    QString format = kFormats.first();
    QStringList files;
    const auto fail = [&err](const QString& why) {
        err << why << "\n\n" << kUsage;
        return std::nullopt;
    };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == kRiskReport || argument == kChecklistReport) {
            const ReportKind asked = argument == kRiskReport ? ReportKind::Risk : ReportKind::Checklist;
            if (kind && *kind != asked)
                return fail(QStringLiteral("Podaj tylko jedno z: --raport, --lista-kontrolna."));
            kind = asked;
        } else if (argument == kOverview) {
            overview = true;
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
        return fail(QStringLiteral("Podaj rodzaj raportu: --raport albo --lista-kontrolna."));
    if (overview && *kind != ReportKind::Risk)
        return fail(QStringLiteral("Podsumowanie ryzyka dołącza się tylko do raportu --raport."));
    if (!kFormats.contains(format.toLower()))
        return fail(QStringLiteral("Nieznany format raportu: %1").arg(format));

    CommandLine line{.kind = *kind, .overview = overview, .folder = folder.value_or(QString()), .jobs = {}};
    if (folder) {
        if (files.isEmpty())
            return fail(QStringLiteral("Podaj co najmniej jeden plik dokumentu."));
        const QDir dir(*folder);
        for (const QString& file : files)
            line.jobs.append({file, dir.filePath(QFileInfo(file).completeBaseName() + QLatin1Char('.') + format.toLower())});
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
    } else if (QFileInfo(job.input).suffix().compare(QLatin1String("rpr"), Qt::CaseInsensitive) == 0) {
        AssessmentSnapshot project;
        static_cast<ProjectSnapshot&>(project) = readProjectFile(job.input);
        BuildChecklistReport(word, project, ChecklistVariant::Project);
    } else
        BuildChecklistReport(word, readAssessmentFile(job.input), ChecklistVariant::Assessment);
    word.FileSaveAs(job.output);
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
