// What a slip must not cost: Save as onto a saved document asks first, opening a file never
// changes it, a name from outside that is no document makes nothing, and cancelling a closing
// question keeps the work open.

#include "file_commands_fixture.h"

namespace {

const QString ProjectA = QStringLiteral("[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=PHA\r\n");
const QString ProjectB = QStringLiteral("[OPIS]\r\nStanowisko=Spawacz\r\nMetoda=PHA\r\n");

struct ReplaceCase {
    const char* name;
    bool answer;         // to "already exists, replace it?"
    bool heldElsewhere;  // B is open in another window
    bool replaced;
};

class SaveAsOntoASavedDocument : public FileCommandsTest, public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(SaveAsOntoASavedDocument, ReplacesItOnlyWhenTheUserSaysSoAndNoWindowHoldsIt)
{
    const ReplaceCase& c = GetParam();
    const QString a = writeDocument(projekty("A.rpr"), ProjectA);
    const QString b = writeDocument(projekty("B.rpr"), ProjectB);
    start();
    if (c.heldElsewhere)
        form->OpenDocument(b);
    form->OpenDocument(a);
    DocumentWindow* window = active();
    prompts.fileNames.enqueue(projekty("B"));
    prompts.answers.enqueue(c.answer);
    if (!c.answer)
        prompts.fileNames.enqueue(QString());   // "Nie" shows the dialog again; it is cancelled
    run("Zapiszjako1");

    EXPECT_EQ(prompts.questions,
              QStringList{QStringLiteral("Plik „%1” już istnieje.\rCzy chcesz go zastąpić?").arg(QDir::toNativeSeparators(b))});
    EXPECT_EQ(bytesOf(b).contains("Stanowisko=Tokarz"), c.replaced);
    EXPECT_EQ(window->file().FileName(), c.replaced ? b : a);
    EXPECT_TRUE(locked(a) != c.replaced) << "the window keeps the file it is bound to";
    EXPECT_EQ(bytesOf(a), win1250::fromUnicode(ProjectA));
}

INSTANTIATE_TEST_SUITE_P(, SaveAsOntoASavedDocument,
                         ::testing::Values(ReplaceCase{"Tak", true, false, true}, ReplaceCase{"Nie", false, false, false},
                                           ReplaceCase{"TakButHeldByAnotherWindow", true, true, false}),
                         [](const auto& test) { return std::string(test.param.name); });

struct OpenCase {
    const char* name;
    const char* command;   // the open command or the new assessment built from the file
    QByteArray bytes;
    bool document;
};

class OpeningAFile : public FileCommandsTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpeningAFile, NeverChangesItsBytesAndRefusesWhatIsNotADocument)
{
    const OpenCase& c = GetParam();
    const QString path = projekty("plik.rpr");
    folder.write(QStringLiteral("PROJEKTY/plik.rpr"), c.bytes);
    start();
    prompts.fileNames.enqueue(path);
    run(c.command);

    EXPECT_EQ(bytesOf(path), c.bytes);
    EXPECT_EQ(windows().size(), c.document ? 1 : 0);
    if (c.document)
        return;
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(QDir::toNativeSeparators(path))) << "the message names the file";
    EXPECT_FALSE(locked(path)) << "its write permission is back";
}

INSTANTIATE_TEST_SUITE_P(
    , OpeningAFile,
    ::testing::Values(OpenCase{"TextFile", "FileOpenItem", "Lista zakupow\r\nchleb\r\n", false},
                      OpenCase{"Picture", "FileOpenItem", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false},
                      OpenCase{"TextFileAsProjectOfANewAssessment", "Ocenaryzyka1", "zwykly tekst\n", false},
                      OpenCase{"DocumentInAnotherWrittenForm", "FileOpenItem", "[OPIS]\nStanowisko=Tokarz\n", true},
                      OpenCase{"EmptyFile", "FileOpenItem", "", true}),
    [](const auto& test) { return std::string(test.param.name); });

// A name from the command line or a second start that is not an existing project or
// assessment is refused by name and nothing is made; a project opens.
TEST_F(FileCommandsTest, DocumentNamedFromOutsideOpensOnlyWhenItIsOne)
{
    folder.write(QStringLiteral("PROJEKTY/a.rpr"), "[OPIS]\r\nStanowisko=Tokarz\r\n");
    folder.write(QStringLiteral("PROJEKTY/raport.docx"), "PK");
    start();
    form->OpenFromOutside({projekty("brak.ron"), projekty("x.docx"), projekty("raport.docx"), projekty("a.rpr")});

    ASSERT_EQ(windows().size(), 1);
    EXPECT_EQ(windows()[0]->file().FileName(), projekty("a.rpr"));
    EXPECT_EQ(QDir(projekty()).entryList(QDir::Files), QStringList({"a.rpr", "raport.docx"}));
    EXPECT_EQ(bytesOf(projekty("raport.docx")), "PK");
    ASSERT_EQ(prompts.messages.size(), 3);
    for (const QString name : {"brak.ron", "x.docx", "raport.docx"})
        EXPECT_TRUE(prompts.messages.takeFirst().text.contains(QDir::toNativeSeparators(projekty(name))));
}

struct CancelCase {
    const char* name;
    const char* command;   // "" for the program's own closing
    int cancelled;         // the question, counting from 1, that gets Anuluj
};

class CancelledClosingQuestion : public FileCommandsTest, public ::testing::WithParamInterface<CancelCase> {};

// Four modified windows; the questions before the one cancelled get Tak and Nie in turn.
// Anuluj (also Esc and the question's close box) at any question keeps every window.
TEST_P(CancelledClosingQuestion, KeepsEveryWindowOpenAndModifiedAndSavesNothing)
{
    const CancelCase& c = GetParam();
    start();
    for (int i = 0; i < 4; ++i)
        run("Projekt1");
    for (DocumentWindow* window : windows())
        window->setModified(true);
    for (int i = 1; i < c.cancelled; ++i)
        prompts.choices.enqueue(i % 2 ? Prompts::Answer::Yes : Prompts::Answer::No);
    prompts.choices.enqueue(Prompts::Answer::Cancel);
    if (*c.command)
        run(c.command);
    else
        EXPECT_FALSE(form->close());
    deleteClosed();

    EXPECT_EQ(prompts.questions.size(), c.cancelled) << "the closing ends at Anuluj";
    ASSERT_EQ(windows().size(), 4);
    for (DocumentWindow* window : windows())
        EXPECT_TRUE(window->document().isModified());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(QDir(projekty()).isEmpty()) << "a Tak before Anuluj saves nothing";
}

INSTANTIATE_TEST_SUITE_P(, CancelledClosingQuestion,
                         ::testing::Values(CancelCase{"Close", "Zamknij", 1},
                                           CancelCase{"CloseAllAtTheFirst", "Zamknijwszystkie1", 1},
                                           CancelCase{"CloseAllAtTheLast", "Zamknijwszystkie1", 4},
                                           CancelCase{"ProgramAtTheFirst", "", 1},
                                           CancelCase{"ProgramAtTheSecond", "", 2},
                                           CancelCase{"ProgramAtTheLast", "", 4}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
