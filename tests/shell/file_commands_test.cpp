// The file commands of the main window: new documents and their provisional names, open,
// save, save as, the recent files, close and close all, and what happens when a save cannot
// write.

#include "file_commands_fixture.h"

#include "documents/assessment_window.h"
#include "documents/project_window.h"
#include "shell/settings_file.h"
#include "storage/file_lock.h"
#include "storage/lock_owner.h"
#include "storage/regular_file.h"
#include "support/crashed_lock.h"
#include "support/failing_writer.h"
#include "support/pages_of.h"

#include <QTabWidget>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const QString OpenFilter = QStringLiteral("Plik projektu (*.rpr);;Plik oceny ryzyka (*.ron)");
const QString ReadOnlyWarningStart = QStringLiteral("Plik przeznaczony tylko do odczytu.");

const QString ProjectText = QStringLiteral(
    "[OPIS]\r\nStanowisko=Tokarz\r\nDataUtw=01.02.2024\r\nOpracowal=Jan Kowalski\r\nUwagi1=Toczenie wałków\r\n"
    "Uwagi2=@NUL@\r\nMetoda=PHA\r\n[ZAGROZENIA]\r\nTABELA0/1=Hałas\r\nTABELA1/1=Tokarka\r\nTABELA2/1=Niedosłuch\r\n"
    "TABELA3/1=Ochronniki słuchu\r\nTABELA4/1=1=małe\r\n[WARUNKI]\r\nTABELA0/1=Czy osłony są sprawne?\r\n"
    "TABELA1/1=Naprawić osłony\r\n");

const QString AssessmentText = QStringLiteral(
    "[OPISOC]\r\nJednostka=Wydział obróbki\r\nStanowisko=Tokarz\r\nNrKarty=7\r\n[OPIS]\r\nStanowisko=Tokarz\r\n"
    "Metoda=PHA\r\n[ZAGROZENIA]\r\nTABELA0/1=Hałas\r\nTABELA1/1=Tokarka\r\nTABELA2/1=Niedosłuch\r\n"
    "TABELA3/1=Ochronniki\r\nTABELA4/1=1=małe\r\nTABELA5/1=2=możliwe\r\nTABELA6/1=R = 2,0 Ryzyko małe\r\n"
    "[WARUNKI]\r\nTABELA0/1=Czy osłony są sprawne?\r\nTABELA1/1=Naprawić\r\nTABELA2/1=TAK\r\n");

// --- new documents and their provisional names -----------------------------------------

TEST_F(FileCommandsTest, NewProjectWithNoWindowOpenIsProjekt1InProjektyAndWritesNothing)
{
    start();
    run("Projekt1");
    ASSERT_EQ(windows().size(), 1);
    auto* window = qobject_cast<TForm2*>(active());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->file().FileName(), projekty("PROJEKT1.rpr"));
    EXPECT_EQ(window->windowTitle(), projekty("PROJEKT1.rpr"));
    EXPECT_EQ(frameOf(window)->windowTitle(), projekty("PROJEKT1.rpr"));
    EXPECT_FALSE(window->document().isModified());
    EXPECT_FALSE(QFile::exists(projekty("PROJEKT1.rpr")));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(FileCommandsTest, DocumentWindowsOpenFillingTheDocumentArea)
{
    writeDocument(projekty("tokarz.rpr"), ProjectText);
    start();
    const QRect area = form->mdiArea()->viewport()->rect();
    run("Projekt1");
    EXPECT_EQ(frameOf(active())->geometry(), area);
    prompts.fileNames.enqueue(projekty("tokarz.rpr"));
    run("Ocenaryzyka1");
    EXPECT_EQ(frameOf(active())->geometry(), area);
    form->OpenDocument(projekty("tokarz.rpr"));
    EXPECT_EQ(frameOf(active())->geometry(), area);
}

TEST_F(FileCommandsTest, SecondNewProjectWithOneWindowOpenIsProjekt2)
{
    start();
    run("ToolButton9");
    run("ToolButton9");
    ASSERT_EQ(windows().size(), 2);
    EXPECT_EQ(windows()[1]->file().FileName(), projekty("PROJEKT2.rpr"));
    EXPECT_EQ(active(), windows()[1]);
}

TEST_F(FileCommandsTest, ExistingProjekt1IsPassedOverAndKeptAsItWas)
{
    writeDocument(projekty("PROJEKT1.rpr"), ProjectText);
    start();
    run("Projekt1");
    EXPECT_EQ(active()->file().FileName(), projekty("PROJEKT2.rpr"));
    EXPECT_EQ(bytesOf(projekty("PROJEKT1.rpr")), win1250::fromUnicode(ProjectText));
}

TEST_F(FileCommandsTest, WhenOneToEightAreTakenTheNextNumberAboveEightIsUsed)
{
    for (int n = 1; n <= 8; ++n)
        writeDocument(projekty(QStringLiteral("PROJEKT%1.rpr").arg(n)), ProjectText);
    start();
    run("Projekt1");
    EXPECT_EQ(active()->file().FileName(), projekty("PROJEKT9.rpr"));
    writeDocument(projekty("PROJEKT9.rpr"), ProjectText);
    run("Projekt1");
    EXPECT_EQ(active()->file().FileName(), projekty("PROJEKT10.rpr"));
}

TEST_F(FileCommandsTest, SearchGoesBackToAFreeOneBeforeGoingAboveEight)
{
    for (int n = 2; n <= 8; ++n)
        writeDocument(projekty(QStringLiteral("PROJEKT%1.rpr").arg(n)), ProjectText);
    start();
    form->OpenDocument(writeDocument(projekty("karta.ron"), AssessmentText));
    run("Projekt1");
    EXPECT_EQ(active()->file().FileName(), projekty("PROJEKT1.rpr"));
}

TEST_F(FileCommandsTest, WithMoreThanEightWindowsOpenTheSearchStartsAtOne)
{
    start();
    for (int i = 1; i <= 9; ++i)
        form->OpenDocument(writeDocument(projekty(QStringLiteral("karta%1.ron").arg(i)), AssessmentText));
    ASSERT_EQ(windows().size(), 9);
    run("Projekt1");
    EXPECT_EQ(active()->file().FileName(), projekty("PROJEKT1.rpr"));
}

TEST_F(FileCommandsTest, NameHeldByAnOpenWindowIsNotGivenAgain)
{
    start();
    run("Projekt1");
    run("Projekt1");
    DocumentWindow* first = windows()[0];
    frameOf(first)->close();
    deleteClosed();
    ASSERT_EQ(windows().size(), 1);   // PROJEKT2, not yet written
    run("Projekt1");
    EXPECT_EQ(active()->file().FileName(), projekty("PROJEKT3.rpr"));
}

TEST_F(FileCommandsTest, NewAssessmentIsFilledFromTheChosenProjectWhichStaysUntouched)
{
    const QString project = writeDocument(projekty("tokarz.rpr"), ProjectText);
    start();
    prompts.fileNames.enqueue(project);
    run("ToolButton15");
    EXPECT_EQ(prompts.dialogFilters, QStringList{QStringLiteral("Nowy plik oceny ryzyka (*.rpr)")});
    EXPECT_EQ(prompts.openFolders, QStringList{projekty()});
    auto* window = qobject_cast<TForm5*>(active());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->file().FileName(), projekty("OCENA1.ron"));
    EXPECT_EQ(window->windowTitle(), projekty("OCENA1.ron"));
    EXPECT_FALSE(window->file().ReadTylko());
    EXPECT_FALSE(window->document().isModified());
    EXPECT_EQ(window->EditIni1->text(), "Tokarz");
    EXPECT_EQ(window->StringGridIni1->columnCount(), 7) << "PHA";
    EXPECT_EQ(window->StringGridIni1->cell(4, 1), "1=małe");
    EXPECT_EQ(window->StringGridIni2->cell(1, 1), "Naprawić osłony");
    EXPECT_EQ(bytesOf(project), win1250::fromUnicode(ProjectText));
    EXPECT_FALSE(locked(project)) << "the project is read without the lock";
    EXPECT_FALSE(QFile::exists(projekty("OCENA1.ron")));
}

// With the chosen project open and modified, Tak saves it and the assessment has its new
// hazard, Nie builds from the file as it is on disk, Anuluj builds nothing.
TEST_F(FileCommandsTest, NewAssessmentFromAModifiedOpenProjectAsksToSaveItFirst)
{
    using Answer = Prompts::Answer;
    const struct {
        Answer answer;
        const char* hazard;   // of the assessment; none when it was not made
        bool saved;
    } cases[] = {{Answer::Yes, "Wibracje", true}, {Answer::No, "Hałas", false}, {Answer::Cancel, nullptr, false}};
    start();
    for (const auto& c : cases) {
        const QString project = writeDocument(projekty(QStringLiteral("tokarz%1.rpr").arg(int(c.answer))), ProjectText);
        DocumentWindow* open = form->fileCommands()->OpenDocument(project);
        open->StringGridIni1->setCell(0, 1, QStringLiteral("Wibracje"));
        open->setModified(true);
        prompts.questions.clear();
        prompts.fileNames.enqueue(project);
        prompts.choices.enqueue(c.answer);
        run("Ocenaryzyka1");
        ASSERT_EQ(prompts.questions.size(), 1);
        EXPECT_TRUE(prompts.questions[0].startsWith(
            QStringLiteral("Projekt „%1” jest otwarty i ma niezapisane zmiany.").arg(QDir::toNativeSeparators(project))));
        auto* assessment = qobject_cast<TForm5*>(active());
        EXPECT_EQ(assessment ? assessment->StringGridIni1->cell(0, 1) : QString(), QString::fromUtf8(c.hazard));
        EXPECT_EQ(bytesOf(project).contains("Wibracje"), c.saved);
        EXPECT_EQ(open->document().isModified(), !c.saved);
        for (DocumentWindow* window : windows())
            window->setModified(false);
        ASSERT_TRUE(form->fileCommands()->CloseAll());
        deleteClosed();
    }
}

TEST_F(FileCommandsTest, CancelledProjectChoiceCreatesNoAssessment)
{
    start();
    prompts.fileNames.enqueue(QString());
    run("Ocenaryzyka1");
    EXPECT_TRUE(windows().isEmpty());
}

// --- opening -------------------------------------------------------------------------

TEST_F(FileCommandsTest, OpenStartsInProjektyAndFillsAProjectWindowWithTheLockTaken)
{
    const QString path = writeDocument(projekty("tokarz.rpr"), ProjectText);
    start();
    prompts.fileNames.enqueue(path);
    run("FileOpenItem");
    EXPECT_EQ(prompts.dialogFilters, QStringList{OpenFilter});
    EXPECT_EQ(prompts.openFolders, QStringList{projekty()});
    auto* window = qobject_cast<TForm2*>(active());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), path);
    EXPECT_EQ(window->EditIni3->text(), "Jan Kowalski");
    EXPECT_EQ(window->RadioGroupIni1->ItemIndex(), 0);
    EXPECT_EQ(window->StringGridIni1->cell(0, 1), "Hałas");
    EXPECT_FALSE(window->document().isModified());
    EXPECT_EQ(window->file().Ini(), nullptr) << "the copy lives only while loading";
    EXPECT_TRUE(locked(path));
}

TEST_F(FileCommandsTest, OpeningAnOpenFileActivatesAndRestoresItsWindow)
{
    const QString first = writeDocument(projekty("karta.ron"), AssessmentText);
    const QString second = writeDocument(projekty("tokarz.rpr"), ProjectText);
    start();
    prompts.fileNames.append({first, second, first});
    run("FileOpenItem");
    DocumentWindow* assessment = active();
    run("ToolButton1");
    DocumentWindow* project = active();
    frameOf(assessment)->showMinimized();
    form->mdiArea()->setActiveSubWindow(frameOf(project));
    ASSERT_NE(active(), assessment);
    ASSERT_TRUE(frameOf(assessment)->isMinimized());
    run("FileOpenItem");
    EXPECT_EQ(windows().size(), 2);
    EXPECT_EQ(active(), assessment);
    EXPECT_FALSE(frameOf(assessment)->isMinimized());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(FileCommandsTest, UpperCaseRprGivesAnAssessmentWindowWhoseControlsAreNotRead)
{
    const QString path = writeDocument(projekty("TOKARZ.RPR"), ProjectText);
    start();
    prompts.fileNames.enqueue(path);
    run("FileOpenItem");
    auto* window = qobject_cast<TForm5*>(active());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), path);
    EXPECT_EQ(window->EditIni1->text(), "");
    EXPECT_EQ(window->RadioGroupIni1->ItemIndex(), -1);
    EXPECT_EQ(window->StringGridIni1->rowCount(), 1);
    EXPECT_EQ(window->StringGridIni1->columnCount(), 8) << "no ShowPoCzytaniu either";
}

TEST_F(FileCommandsTest, RonFileGivesAnAssessmentWindowFilledFromTheFile)
{
    const QString path = writeDocument(projekty("karta.ron"), AssessmentText);
    start();
    prompts.fileNames.enqueue(path);
    run("FileOpenItem");
    auto* window = qobject_cast<TForm5*>(active());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->EditIni4->text(), "Wydział obróbki");
    EXPECT_EQ(window->EditIni7->text(), "7");
    EXPECT_EQ(window->StringGridIni1->columnCount(), 7);
    EXPECT_EQ(window->StringGridIni1->cell(6, 0), "Ryzyko R");
    EXPECT_EQ(window->StringGridIni1->cell(6, 1), "R = 2,0 Ryzyko małe");
    EXPECT_EQ(window->StringGridIni2->cell(2, 1), "TAK");
    EXPECT_FALSE(window->document().isModified());
}

TEST_F(FileCommandsTest, CancelledOpenDialogChangesNothing)
{
    start();
    prompts.fileNames.enqueue(QString());
    run("FileOpenItem");
    EXPECT_TRUE(windows().isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

// An open that fails leaves no window bound to the file, so no later save can write empty
// fields over the document; the file keeps its text and its write bits. What is no regular
// file or is too large is refused before anything is locked or read (a FIFO would block the
// program, a device never ends), with one message naming it.
struct FailedOpen {
    const char* cause;
    QString name;
    enum { Folder, Missing, NoMethod, Fifo, Device, Large } what;
    int messages;                  // a read failure is reported twice, a refusal once
    const char* says;              // in the last message
    const char* command = nullptr; // picks the file; none: the file is a recent file clicked
};

class FailedOpenTest : public FileCommandsTest, public ::testing::WithParamInterface<FailedOpen> {};

TEST_P(FailedOpenTest, IsReportedAndLeavesNoWindowBoundToTheFile)
{
    const FailedOpen& c = GetParam();
    const QString path = projekty(c.name);
    const QByteArray name = QFile::encodeName(path);
    switch (c.what) {
    case FailedOpen::Folder:
        QDir(projekty()).mkdir(c.name);
        break;
    case FailedOpen::Fifo:
        ASSERT_EQ(::mkfifo(name.constData(), 0644), 0);
        break;
    case FailedOpen::Device:
        // A device of its own where the test may make one, else a link to one (which a
        // user who is not root cannot change).
        if (::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 5)) != 0) {
            if (::geteuid() == 0)
                GTEST_SKIP() << "no device can be made here";
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
        }
        break;
    case FailedOpen::Large: {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(regular_file::MaxDocumentBytes + 1));
        break;
    }
    case FailedOpen::NoMethod:
        writeDocument(path, QStringLiteral("[OPIS]\r\nStanowisko=Tokarz\r\n[ZAGROZENIA]\r\nTABELA0/1=Hałas\r\n"));
        break;
    case FailedOpen::Missing:
        break;
    }
    const QFile::Permissions before = QFile::permissions(path);
    start();
    if (c.command) {
        prompts.fileNames.enqueue(path);
        run(c.command);
    } else {
        form->RecentFileClick(path);
    }
    ASSERT_EQ(prompts.messages.size(), c.messages) << c.cause;
    EXPECT_EQ(prompts.messages.back().icon, Prompts::Icon::Error);
    EXPECT_TRUE(prompts.messages.back().text.contains(QString::fromUtf8(c.says))) << prompts.messages.back().text.toStdString();
    deleteClosed();
    EXPECT_TRUE(windows().isEmpty()) << c.cause;
    EXPECT_EQ(QFile::permissions(path), before) << c.cause;
    EXPECT_EQ(QFileInfo(path).isDir(), c.what == FailedOpen::Folder) << c.cause;
    EXPECT_FALSE(QFile::exists(LockOwner::fileOf(path))) << c.cause;

    run("Zapisz1");
    EXPECT_EQ(prompts.messages.size(), c.messages) << "nothing to save";
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FailedOpenTest,
    ::testing::Values(FailedOpen{"a folder", QStringLiteral("zepsuty.ron"), FailedOpen::Folder, 1, "zepsuty.ron” nie "
                                 "jest zwykłym plikiem, lecz folderem"},
                      // The temporary file's name would be longer than a file system allows.
                      FailedOpen{"cannot be created", QString(246, QLatin1Char('d')) + ".rpr", FailedOpen::Missing, 1,
                                 "Nie można zapisać pliku"},
                      FailedOpen{"project of a new assessment is a folder", QStringLiteral("zepsuty.rpr"),
                                 FailedOpen::Folder, 1, "lecz folderem", "Ocenaryzyka1"},
                      FailedOpen{"a FIFO", QStringLiteral("kolejka.rpr"), FailedOpen::Fifo, 1,
                                 "kolejka.rpr” nie jest zwykłym plikiem, lecz kolejką FIFO", "FileOpenItem"},
                      FailedOpen{"a device", QStringLiteral("urzadzenie.ron"), FailedOpen::Device, 1,
                                 "urzadzenie.ron” nie jest zwykłym plikiem, lecz urządzeniem"},
                      FailedOpen{"too large", QStringLiteral("ogromny.rpr"), FailedOpen::Large, 1,
                                 "ogromny.rpr” ma 256,1 MB, a dokument może mieć najwyżej 256 MB"}));

// --- saving --------------------------------------------------------------------------

TEST_F(FileCommandsTest, SaveWritesANewProjectUnderItsProvisionalNameAndKeepsTheLock)
{
    start();
    run("Projekt1");
    auto* window = qobject_cast<TForm2*>(active());
    window->EditIni1->setText(QStringLiteral("Spawacz"));
    ASSERT_TRUE(window->document().isModified());
    run("Zapisz1");
    EXPECT_TRUE(prompts.messages.isEmpty());
    const QString path = projekty("PROJEKT1.rpr");
    EXPECT_TRUE(bytesOf(path).contains("Stanowisko=Spawacz\r\n"));
    EXPECT_TRUE(locked(path));
    EXPECT_FALSE(window->document().isModified());
    EXPECT_EQ(window->windowTitle(), path);
}

TEST_F(FileCommandsTest, SaveIntoAnExistingFileKeepsTheKeysNoControlWrites)
{
    QString text = ProjectText + QStringLiteral("[INNE]\r\nKlucz=wartość\r\n");
    text.replace(QStringLiteral("[OPIS]\r\n"), QStringLiteral("[OPIS]\r\nDodatkowy=zostaje\r\n"));
    const QString path = writeDocument(projekty("tokarz.rpr"), text);
    start();
    form->OpenDocument(path);
    auto* window = qobject_cast<TForm2*>(active());
    window->EditIni1->setText(QStringLiteral("Frezer"));
    run("ToolButton2");
    const QByteArray saved = bytesOf(path);
    EXPECT_TRUE(saved.contains("[INNE]\r\nKlucz=warto\x9c\xe6\r\n"));
    EXPECT_TRUE(saved.contains("Dodatkowy=zostaje\r\n"));
    EXPECT_TRUE(saved.contains("Stanowisko=Frezer\r\n"));
    EXPECT_FALSE(saved.contains("Stanowisko=Tokarz"));
}

TEST_F(FileCommandsTest, SaveWhileACellIsBeingEditedWritesWhatWasTyped)
{
    const QString path = writeDocument(projekty("tokarz.rpr"), ProjectText);
    start();
    form->OpenDocument(path);
    auto* window = qobject_cast<TForm2*>(active());
    pagesOf(window)->setCurrentIndex(2);
    TStringGridIni* table = window->StringGridIni1;
    table->setFocus();
    table->setCurrentCell(1, 1);
    QTest::keyClicks(table, QStringLiteral("T"));
    ASSERT_TRUE(table->isAncestorOf(QApplication::focusWidget())) << "the cell's editor has the focus";
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("okarka CNC"));
    // The toolbar button takes no focus: the cell's editor stays open while the save runs.
    run("ToolButton2");
    EXPECT_TRUE(bytesOf(path).contains("TABELA1/1=Tokarka CNC\r\n"));
    EXPECT_FALSE(window->document().isModified());

    // Closing with the editor still open asks and saves what it holds as well.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" 2"));
    prompts.answers.enqueue(true);
    run("Zamknij");
    EXPECT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(bytesOf(path).contains("TABELA1/1=Tokarka CNC 2\r\n"));
}

TEST_F(FileCommandsTest, SaveWithNoWindowOpenDoesNothing)
{
    start();
    run("Zapisz1");
    run("Zapiszjako1");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(prompts.dialogFilters.isEmpty());
}

// --- save as -------------------------------------------------------------------------

TEST_F(FileCommandsTest, SaveAsProposesTheNameWithoutFolderAndExtensionAndTakesTheNewName)
{
    TempFolder elsewhere;
    start();
    run("Projekt1");
    DocumentWindow* window = active();
    prompts.fileNames.enqueue(elsewhere.path(QStringLiteral("X")));
    run("Zapiszjako1");
    EXPECT_EQ(prompts.proposedPaths, QStringList{projekty("PROJEKT1")}) << "in the document's folder";
    EXPECT_EQ(prompts.dialogFilters, QStringList{QStringLiteral("Plik projektu (*.rpr)")});
    const QString saved = elsewhere.path(QStringLiteral("X.rpr"));
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_EQ(window->windowTitle(), saved);
    EXPECT_EQ(frameOf(window)->windowTitle(), saved);
    EXPECT_EQ(window->file().FileName(), saved);
    EXPECT_TRUE(locked(saved));
    EXPECT_FALSE(QFile::exists(projekty("PROJEKT1.rpr")));
}

TEST_F(FileCommandsTest, SaveAsOfAnAssessmentOffersAssessmentFiles)
{
    start();
    form->OpenDocument(writeDocument(projekty("karta.ron"), AssessmentText));
    prompts.fileNames.enqueue(projekty("druga"));
    run("Zapiszjako1");
    EXPECT_EQ(prompts.dialogFilters, QStringList{QStringLiteral("Plik oceny ryzyka (*.ron)")});
    EXPECT_EQ(prompts.proposedPaths, QStringList{projekty("karta")});
    EXPECT_TRUE(bytesOf(projekty("druga.ron")).contains("Jednostka=Wydzia\xb3 obr\xf3\x62ki\r\n"));
}

TEST_F(FileCommandsTest, SaveAsAppendsTheExtensionOnlyWhenTheNameLacksIt)
{
    start();
    run("Projekt1");
    prompts.fileNames.enqueue(projekty("A.rpr"));
    run("Zapiszjako1");
    EXPECT_TRUE(QFile::exists(projekty("A.rpr")));
    EXPECT_FALSE(QFile::exists(projekty("A.rpr.rpr")));
    EXPECT_EQ(active()->windowTitle(), projekty("A.rpr"));

    // Another letter case is another extension: a project must reopen as a project.
    prompts.fileNames.enqueue(projekty("B.RPR"));
    run("Zapiszjako1");
    EXPECT_TRUE(QFile::exists(projekty("B.RPR.rpr")));
}

// The plan of the active assessment into the spreadsheet the user names: the format by the
// extension, .xlsx when the name has neither; a cancelled dialog writes nothing, a file that
// cannot be written is reported.
TEST_F(FileCommandsTest, ExportPlanWritesTheActiveAssessmentsPlanToTheNamedSheet)
{
    struct {
        const char* answer;    // the name given in the save dialog, in PROJEKTY; "" cancels
        const char* written;   // the file then found in PROJEKTY, or ""
        const char* starts;    // its first bytes
        const char* holds;     // bytes it holds (a .xlsx is packed)
        const char* message;   // part of the error shown, or ""
    } const cases[] = {
        {"plan.xlsx", "plan.xlsx", "PK", "xl/worksheets/sheet1.xml", ""},
        {"plan.csv", "plan.csv", "\xEF\xBB\xBFZagrożenie;Działanie;", "\r\nHałas;Ochronniki dla wszystkich;", ""},
        {"plan", "plan.xlsx", "PK", "xl/worksheets/sheet1.xml", ""},
        {"", "", "", "", ""},
        {"brak/plan.csv", "", "", "", "Nie można zapisać arkusza"},
    };
    const QString path = writeDocument(
        projekty("karta.ron"), AssessmentText + "[PLAN]\r\nTABELA0/1=1\r\nTABELA1/1=Hałas\r\nTABELA2/1=Ochronniki dla wszystkich\r\n");
    start();
    form->OpenDocument(path);
    for (const auto& c : cases) {
        prompts.messages.clear();
        prompts.fileNames.enqueue(*c.answer ? projekty(QString::fromUtf8(c.answer)) : QString());
        form->ExportPlanClick();

        EXPECT_EQ(prompts.proposedPaths.last(), projekty("karta – plan działań.xlsx"));
        EXPECT_EQ(prompts.dialogFilters.last(), "Arkusz Excel (*.xlsx);;CSV (*.csv)");
        QStringList made = QDir(projekty()).entryList(QDir::Files);
        made.removeAll(QStringLiteral("karta.ron"));
        EXPECT_EQ(made, *c.written ? QStringList{QString::fromUtf8(c.written)} : QStringList{}) << c.answer;
        if (*c.written) {
            const QByteArray bytes = bytesOf(projekty(QString::fromUtf8(c.written)));
            EXPECT_TRUE(bytes.startsWith(c.starts)) << c.answer;
            EXPECT_TRUE(bytes.contains(c.holds)) << c.answer;
            QFile::remove(projekty(QString::fromUtf8(c.written)));
        }
        ASSERT_EQ(prompts.messages.size(), *c.message ? 1 : 0) << c.answer;
        if (*c.message) {
            EXPECT_TRUE(prompts.messages[0].text.contains(QString::fromUtf8(c.message))) << c.answer;
        }
    }
}

TEST_F(FileCommandsTest, SaveAsReleasesTheOldFileWhichKeepsItsLastSavedContent)
{
    const QString old = writeDocument(projekty("tokarz.rpr"), ProjectText);
    start();
    form->OpenDocument(old);
    const QByteArray before = bytesOf(old);
    ASSERT_TRUE(locked(old));
    auto* window = qobject_cast<TForm2*>(active());
    window->EditIni1->setText(QStringLiteral("Frezer"));
    prompts.fileNames.enqueue(projekty("frezer"));
    run("Zapiszjako1");
    EXPECT_FALSE(locked(old)) << "its write bit is back";
    EXPECT_EQ(bytesOf(old), before);
    EXPECT_TRUE(locked(projekty("frezer.rpr")));
    EXPECT_TRUE(bytesOf(projekty("frezer.rpr")).contains("Stanowisko=Frezer\r\n"));
    EXPECT_FALSE(window->document().isModified());
}

TEST_F(FileCommandsTest, SaveAsUnderTheSameNameSavesInPlaceAndKeepsTheLock)
{
    const QString path = writeDocument(projekty("tokarz.rpr"), ProjectText);
    start();
    form->OpenDocument(path);
    auto* window = qobject_cast<TForm2*>(active());
    window->EditIni2->setText(QStringLiteral("02.03.2024"));
    prompts.fileNames.enqueue(projekty("tokarz"));
    prompts.answers.enqueue(true);   // replace it
    run("Zapiszjako1");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(locked(path));
    EXPECT_TRUE(bytesOf(path).contains("DataUtw=02.03.2024\r\n"));
}

TEST_F(FileCommandsTest, CancelledSaveAsChangesNothing)
{
    start();
    run("Projekt1");
    active()->setModified(true);
    prompts.fileNames.enqueue(QString());
    run("Zapiszjako1");
    EXPECT_TRUE(active()->document().isModified());
    EXPECT_EQ(active()->file().FileName(), projekty("PROJEKT1.rpr"));
    EXPECT_TRUE(QDir(projekty()).isEmpty());
}

TEST_F(FileCommandsTest, SaveAsOntoAFileOpenInAnotherWindowIsRefused)
{
    start();
    run("Projekt1");   // PROJEKT1, not yet written
    run("Projekt1");   // PROJEKT2
    active()->setModified(true);
    prompts.fileNames.enqueue(projekty("PROJEKT1"));
    run("Zapiszjako1");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("otwarty w innym oknie")));
    EXPECT_EQ(active()->file().FileName(), projekty("PROJEKT2.rpr"));
    EXPECT_TRUE(active()->document().isModified());
    EXPECT_FALSE(QFile::exists(projekty("PROJEKT1.rpr")));
}

// --- recent files --------------------------------------------------------------------

TEST_F(FileCommandsTest, SixSavesLeaveTheFiveNewestInTheMenuNewestFirst)
{
    start(true);
    for (int i = 0; i < 6; ++i) {
        run("Projekt1");
        run("Zapisz1");
    }
    QStringList newestFirst;
    for (int n = 6; n >= 2; --n)
        newestFirst.append(projekty(QStringLiteral("PROJEKT%1.rpr").arg(n)));
    EXPECT_EQ(recentItems(), newestFirst);
    QStringList oldestFirst(newestFirst.rbegin(), newestFirst.rend());
    EXPECT_EQ(form->RecentFiles(), oldestFirst);
}

TEST_F(FileCommandsTest, SavingAListedFileAgainMovesItToTheTopWithoutDuplicate)
{
    start(true);
    for (int i = 0; i < 3; ++i) {
        run("Projekt1");
        run("Zapisz1");
    }
    form->mdiArea()->setActiveSubWindow(frameOf(windows()[0]));
    run("Zapisz1");
    EXPECT_EQ(recentItems(), (QStringList{projekty("PROJEKT1.rpr"), projekty("PROJEKT3.rpr"), projekty("PROJEKT2.rpr")}));
}

TEST_F(FileCommandsTest, ListedNameInAnotherLetterCaseIsReplacedByTheSavedOne)
{
    const QString saved = projekty("PROJEKT1.rpr");
    start(true, "0=" + saved.toUpper().toUtf8() + "\r\n1=" + projekty("inny.rpr").toUtf8() + "\r\n");
    ASSERT_EQ(recentItems(), (QStringList{saved.toUpper(), projekty("inny.rpr")}));
    run("Projekt1");
    run("Zapisz1");
    EXPECT_EQ(recentItems(), (QStringList{saved, projekty("inny.rpr")}));
}

TEST_F(FileCommandsTest, RecentFileItemsFollowTheElevenFixedItemsAndOpenTheirFile)
{
    const QString path = writeDocument(projekty("tokarz.rpr"), ProjectText);
    start(true);
    form->OpenDocument(path);
    EXPECT_TRUE(recentItems().isEmpty()) << "opening adds nothing";
    run("Zapisz1");
    run("Zamknij");
    deleteClosed();
    ASSERT_TRUE(windows().isEmpty());

    const QList<QAction*> items = form->findChild<QMenu*>(QStringLiteral("Plik1"))->actions();
    QStringList fixed;
    for (qsizetype i = 0; i < 11; ++i)
        fixed.append(items[i]->objectName());
    EXPECT_EQ(fixed, (QStringList{"FileNewItem", "NowyZSzablonu", "FileOpenItem", "Zamknij", "Zamknijwszystkie1", "N5",
                                  "Zapisz1", "Zapiszjako1", "ZapiszJakoSzablon", "N1", "FileExitItem"}));
    ASSERT_EQ(items.size(), 13);
    EXPECT_TRUE(items[11]->isSeparator()) << "a separator stands between Zakończ and the recent files";
    EXPECT_EQ(items[12]->statusTip(), path);
    items[12]->trigger();
    ASSERT_EQ(windows().size(), 1);
    EXPECT_EQ(windows()[0]->file().FileName(), path);
}

TEST_F(FileCommandsTest, WithoutRememberingRecentFilesSavingChangesNoMenuItem)
{
    start(false);
    run("Projekt1");
    run("Zapisz1");
    EXPECT_TRUE(QFile::exists(projekty("PROJEKT1.rpr")));
    EXPECT_EQ(form->findChild<QMenu*>(QStringLiteral("Plik1"))->actions().size(), 11);
    EXPECT_TRUE(form->RecentFiles().isEmpty());
}

// --- active window, close and close all ----------------------------------------------

TEST_F(FileCommandsTest, ActivatingADocumentWindowSwitchesTheCommandsItAllows)
{
    start();
    // A menu item's action or a toolbar button, by its name.
    const auto enabled = [this](const char* name) {
        return form->findChild<QObject*>(QLatin1String(name))->property("enabled").toBool();
    };
    run("Projekt1");
    DocumentWindow* project = active();
    EXPECT_TRUE(enabled("ToolButton17"));
    EXPECT_FALSE(enabled("ToolButton8"));
    project->RadioGroupIni1->setItemIndex(0);
    pagesOf(project)->setCurrentIndex(2);
    EXPECT_TRUE(enabled("Dodajwierszdoprojektu1"));

    form->OpenDocument(writeDocument(projekty("karta.ron"), AssessmentText));
    EXPECT_FALSE(enabled("Dodajwierszdoprojektu1")) << "the assessment shows its first tab";
    EXPECT_TRUE(enabled("PrzeniedoWorda1"));

    form->mdiArea()->setActiveSubWindow(frameOf(project));
    EXPECT_TRUE(enabled("ToolButton8"));

    project->setModified(false);
    run("Zamknijwszystkie1");
    EXPECT_FALSE(enabled("ToolButton17"));
    EXPECT_FALSE(enabled("ToolButton8"));
}

TEST_F(FileCommandsTest, CloseClosesOnlyTheActiveWindowAfterItsQuestion)
{
    start();
    run("Projekt1");
    run("Projekt1");
    DocumentWindow* second = active();
    second->setModified(true);
    prompts.answers.enqueue(false);
    run("Zamknij");
    deleteClosed();
    EXPECT_EQ(prompts.questions,
              QStringList{QStringLiteral("Czy chcesz zapisać zmiany w pliku:\rPROJEKT2.rpr\rTak – zapisz, Nie – nie zapisuj, Anuluj – wróć do edycji.")});
    ASSERT_EQ(windows().size(), 1);
    EXPECT_EQ(windows()[0]->file().FileName(), projekty("PROJEKT1.rpr"));
    EXPECT_FALSE(QFile::exists(projekty("PROJEKT2.rpr")));
}

TEST_F(FileCommandsTest, CloseAllAsksOnceForTheOneModifiedWindowAndClosesAllThree)
{
    const QString path = writeDocument(projekty("tokarz.rpr"), ProjectText);
    start();
    run("Projekt1");
    form->OpenDocument(path);
    run("Projekt1");
    windows()[1]->setModified(true);
    prompts.answers.enqueue(false);
    run("Zamknijwszystkie1");
    deleteClosed();
    EXPECT_EQ(prompts.questions,
              QStringList{QStringLiteral("Czy chcesz zapisać zmiany w pliku:\rtokarz.rpr\rTak – zapisz, Nie – nie zapisuj, Anuluj – wróć do edycji.")});
    EXPECT_TRUE(windows().isEmpty());
    EXPECT_TRUE(form->mdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(locked(path)) << "closing gives the lock back";
}

TEST_F(FileCommandsTest, ClosingAModifiedWindowAndAnsweringYesSavesIt)
{
    start(true);
    run("Projekt1");
    qobject_cast<TForm2*>(active())->EditIni1->setText(QStringLiteral("Spawacz"));
    prompts.answers.enqueue(true);
    run("Zamknij");
    deleteClosed();
    EXPECT_TRUE(windows().isEmpty());
    EXPECT_TRUE(bytesOf(projekty("PROJEKT1.rpr")).contains("Stanowisko=Spawacz\r\n"));
    EXPECT_EQ(recentItems(), QStringList{projekty("PROJEKT1.rpr")});
}

// --- closing the program does not lose unsaved work ---------------------------------

TEST_F(FileCommandsTest, ClosingTheMainWindowAsksForEveryModifiedDocumentAndYesSaves)
{
    start(true);
    run("Projekt1");
    qobject_cast<TForm2*>(active())->EditIni1->setText(QStringLiteral("Spawacz"));
    run("Projekt1");
    run("Projekt1");
    qobject_cast<TForm2*>(active())->EditIni1->setText(QStringLiteral("Malarz"));
    prompts.answers.append({true, false});
    EXPECT_TRUE(form->close());
    // From the bottom of the stack to the active window on top.
    ASSERT_EQ(prompts.questions.size(), 2);
    EXPECT_TRUE(prompts.questions[0].contains(QStringLiteral("\rPROJEKT1.rpr\r")));
    EXPECT_TRUE(prompts.questions[1].contains(QStringLiteral("\rPROJEKT3.rpr\r")));
    EXPECT_TRUE(bytesOf(projekty("PROJEKT1.rpr")).contains("Stanowisko=Spawacz\r\n"));
    EXPECT_FALSE(QFile::exists(projekty("PROJEKT3.rpr")));
    EXPECT_EQ(SettingsFile(folder.root()).readString({"OSTATNIE", "0"}), projekty("PROJEKT1.rpr"))
        << "the save made while closing is remembered";
}

TEST_F(FileCommandsTest, ClosingTheMainWindowWithoutChangesAsksNothing)
{
    start();
    run("Projekt1");
    form->OpenDocument(writeDocument(projekty("karta.ron"), AssessmentText));
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(prompts.questions.isEmpty());
}

// --- a save that cannot write --------------------------------------------------------

class ReadOnlyDocument : public FileCommandsTest {
protected:
    // A project someone else holds: its write bit is off when it is opened.
    TForm2* openHeldProject()
    {
        path = writeDocument(projekty("zajety.rpr"), ProjectText);
        file_lock::setReadOnly(path);
        start(true);
        form->OpenDocument(path);
        auto* window = qobject_cast<TForm2*>(active());
        window->EditIni1->setText(QStringLiteral("Zmienione"));
        return window;
    }

    QString path;
};

TEST_F(ReadOnlyDocument, SaveWritesNothingSaysSoAndKeepsTheDocumentModified)
{
    TForm2* window = openHeldProject();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(ReadOnlyWarningStart));
    EXPECT_FALSE(window->file().Locked());

    run("Zapisz1");
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[1].text,
              QStringLiteral("Plik „%1” jest tylko do odczytu. Zmiany nie zostały zapisane.\rUżyj polecenia "
                             "„Zapisz jako”, aby zapisać je w innym pliku.")
                  .arg(QDir::toNativeSeparators(path)));
    EXPECT_EQ(bytesOf(path), win1250::fromUnicode(ProjectText));
    EXPECT_TRUE(window->document().isModified());
    EXPECT_TRUE(recentItems().isEmpty());
    EXPECT_TRUE(form->RecentFiles().isEmpty());
    EXPECT_TRUE(locked(path)) << "the other user's lock stays";
}

TEST_F(ReadOnlyDocument, ClosingAsksAgainAndAWindowWhoseSaveWasRefusedStaysOpen)
{
    TForm2* window = openHeldProject();
    prompts.answers.enqueue(true);
    EXPECT_FALSE(form->close()) << "the program does not end over unsaved work";
    EXPECT_EQ(prompts.questions.size(), 1);
    EXPECT_EQ(prompts.messages.size(), 2);
    ASSERT_EQ(windows().size(), 1);
    EXPECT_TRUE(window->document().isModified());

    prompts.answers.enqueue(false);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(prompts.questions.size(), 2);
    EXPECT_EQ(bytesOf(path), win1250::fromUnicode(ProjectText));
}

TEST_F(ReadOnlyDocument, SaveAsUnderAnotherNameWritesTheChanges)
{
    TForm2* window = openHeldProject();
    prompts.fileNames.enqueue(projekty("moja"));
    run("Zapiszjako1");
    EXPECT_EQ(prompts.messages.size(), 1) << "only the warning given on opening";
    EXPECT_TRUE(bytesOf(projekty("moja.rpr")).contains("Stanowisko=Zmienione\r\n"));
    EXPECT_FALSE(window->document().isModified());
    EXPECT_TRUE(locked(path)) << "a lock that was not ours is not lifted";
    EXPECT_EQ(recentItems(), QStringList{projekty("moja.rpr")});
}

// A lock a killed program of this computer left: the user is asked once, naming the file
// and the program; Tak takes the lock over (the save writes, the close unlocks), Nie leaves
// the file as someone else's.
TEST_F(FileCommandsTest, LockLeftByAKilledProgramIsOfferedForUnlocking)
{
    for (const bool unlock : {true, false}) {
        SCOPED_TRACE(unlock);
        const QString path = writeDocument(projekty(unlock ? "tak.rpr" : "nie.rpr"), ProjectText);
        file_lock::setReadOnly(path);
        ASSERT_TRUE(crashedOwner(QFile::WriteOwner).write(path));
        start();
        prompts.answers.enqueue(unlock);
        form->OpenDocument(path);
        ASSERT_EQ(prompts.questions.size(), 1);
        EXPECT_TRUE(prompts.questions[0].startsWith(QDir::toNativeSeparators(path) +
                                                    "\rPlik był otwarty w programie, który został nieoczekiwanie "
                                                    "zamknięty (użytkownik "));
        EXPECT_TRUE(prompts.questions[0].endsWith("). Odblokować plik?"));
        active()->EditIni1->setText(QStringLiteral("Zmienione"));
        run("Zapisz1");
        EXPECT_EQ(bytesOf(path).contains("Stanowisko=Zmienione"), unlock);
        EXPECT_EQ(prompts.messages.size(), unlock ? 0 : 1) << "no warning besides the question; Nie refuses the save";
        EXPECT_EQ(prompts.questions.size(), 1) << "asked once";

        form.reset();
        EXPECT_EQ(locked(path), !unlock);
        EXPECT_EQ(LockOwner::read(path).has_value(), !unlock) << "the record goes with the lock";
        prompts.messages.clear();
        prompts.questions.clear();
    }
}

// Save as onto a name that must not be written: the window keeps its own file, lock and
// changes, and what the name leads to stays as it was.
enum class Forbidden { LockedBySomeoneElse, Fifo, PlantedLink };

class SaveAsOntoForbidden : public FileCommandsTest, public ::testing::WithParamInterface<Forbidden> {};

TEST_P(SaveAsOntoForbidden, ChangesNothing)
{
    const QString foreign = writeDocument(projekty("cudzy.rpr"), ProjectText);
    QString chosen = projekty("cudzy");
    QString said = QStringLiteral("jest tylko do odczytu");
    if (GetParam() == Forbidden::LockedBySomeoneElse) {
        file_lock::setReadOnly(foreign);
    } else if (GetParam() == Forbidden::Fifo) {
        chosen = projekty("potok");
        ASSERT_EQ(::mkfifo(QFile::encodeName(chosen + ".rpr").constData(), 0666), 0);
        said = QStringLiteral("nie jest zwykły plik");
    } else {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to plant another user's link";
        // Another user's link in a folder like /tmp, leading to the user's file.
        const QString shared = folder.path(QStringLiteral("wspólny"));
        ASSERT_TRUE(QDir().mkpath(shared));
        ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        chosen = shared + "/podrzucony";
        ASSERT_TRUE(QFile::link(foreign, chosen + ".rpr"));
        ASSERT_EQ(::lchown(QFile::encodeName(chosen + ".rpr").constData(), 1234, 1234), 0);
        said = QDir::toNativeSeparators(chosen + ".rpr");
    }
    const QString own = writeDocument(projekty("tokarz.rpr"), ProjectText);
    start();
    form->OpenDocument(own);
    active()->setModified(true);
    prompts.fileNames.enqueue(chosen);
    prompts.answers.enqueue(true);   // replace it
    run("Zapiszjako1");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(said)) << prompts.messages[0].text.toStdString();
    EXPECT_EQ(active()->file().FileName(), own);
    EXPECT_TRUE(active()->file().Locked()) << "the window keeps its own file";
    EXPECT_TRUE(active()->document().isModified());
    EXPECT_EQ(bytesOf(foreign), win1250::fromUnicode(ProjectText));
    EXPECT_EQ(QFileInfo(foreign).permissions() & QFile::WriteOwner, GetParam() == Forbidden::LockedBySomeoneElse
                                                                        ? QFile::Permissions()
                                                                        : QFile::Permissions(QFile::WriteOwner));
}

INSTANTIATE_TEST_SUITE_P(Names, SaveAsOntoForbidden,
                         ::testing::Values(Forbidden::LockedBySomeoneElse, Forbidden::Fifo, Forbidden::PlantedLink));

TEST_F(FileCommandsTest, SaveWhoseWriteFailsShowsTheErrorAndKeepsTheDocumentModified)
{
    start(true);
    run("Projekt1");
    DocumentWindow* window = active();
    window->setModified(true);
    // A name longer than any file system allows.
    prompts.fileNames.enqueue(projekty(QString(300, QLatin1Char('x'))));
    run("Zapiszjako1");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(QStringLiteral("Nie można zapisać pliku")));
    EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::Error);
    EXPECT_TRUE(window->document().isModified());
    EXPECT_TRUE(recentItems().isEmpty());
    EXPECT_EQ(window->file().Ini(), nullptr);

    prompts.answers.enqueue(false);
    run("Zamknij");
    EXPECT_EQ(prompts.questions.size(), 1) << "closing asks again";
}

// A save whose text never reached the disk: the error is shown, the document on disk is the
// old one and the window stays modified, so closing it asks again.
class FailingStep : public FileCommandsTest, public ::testing::WithParamInterface<FailingWriter::Failure> {};

TEST_P(FailingStep, SaveShowsTheErrorAndKeepsTheOldFileAndTheChanges)
{
    const QString path = writeDocument(projekty("a.rpr"), ProjectText);
    start();
    form->OpenDocument(path);
    const QByteArray opened = bytesOf(path);
    auto* window = qobject_cast<TForm2*>(active());
    FailingWriter writer;
    writer.failure = GetParam();
    window->setWriter(&writer);
    window->EditIni1->setText(QStringLiteral("Zmienione"));
    run("Zapisz1");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(QStringLiteral("Nie można zapisać pliku")));
    EXPECT_EQ(bytesOf(path), opened);
    EXPECT_TRUE(window->document().isModified());
    EXPECT_TRUE(locked(path));

    writer.failure = FailingWriter::Failure::None;
    run("Zapisz1");
    EXPECT_FALSE(window->document().isModified());
    EXPECT_TRUE(bytesOf(path).contains("Stanowisko=Zmienione"));
}

INSTANTIATE_TEST_SUITE_P(EveryStep, FailingStep,
                         ::testing::Values(FailingWriter::Failure::HalfWay, FailingWriter::Failure::AtSync,
                                           FailingWriter::Failure::AtClose, FailingWriter::Failure::AtRename));

TEST_F(FileCommandsTest, SaveIntoAMissingProjektyFolderNamesTheFolderAndKeepsTheWindow)
{
    QDir(projekty()).removeRecursively();
    start();
    run("Projekt1");
    auto* window = qobject_cast<TForm2*>(active());
    window->EditIni1->setText(QStringLiteral("Spawacz"));
    run("Zapisz1");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("Nie można zapisać pliku „%1”: folder „%2” nie istnieje.\rZmiany nie zostały zapisane.")
                  .arg(QDir::toNativeSeparators(projekty("PROJEKT1.rpr")),
                       QDir::toNativeSeparators(folder.path(QStringLiteral("PROJEKTY")))));
    EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::Error);
    EXPECT_EQ(windows().size(), 1);
    EXPECT_TRUE(window->document().isModified());
    EXPECT_FALSE(QDir(projekty()).exists()) << "the program never creates it";
}

TEST_F(FileCommandsTest, SaveAsIntoAMissingFolderKeepsTheCurrentFileAndItsLock)
{
    const QString path = writeDocument(projekty("tokarz.rpr"), ProjectText);
    start();
    form->OpenDocument(path);
    active()->setModified(true);
    prompts.fileNames.enqueue(folder.path(QStringLiteral("brak/nowy")));
    run("Zapiszjako1");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(QDir::toNativeSeparators(folder.path(QStringLiteral("brak")))));
    EXPECT_EQ(active()->file().FileName(), path);
    EXPECT_TRUE(locked(path));
    EXPECT_TRUE(active()->document().isModified());
}

} // namespace
