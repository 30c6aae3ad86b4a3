// Workstation templates through the main window: a new project made from one, the project
// saved as a template of the user's, and the deleting of the user's templates.

#include "file_commands_fixture.h"

#include "model/document_file_reader.h"
#include "shell/template_dialog.h"
#include "support/pages_of.h"
#include "support/while_modal.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>

namespace {

const QString Welder = QStringLiteral(
    "[OPIS]\r\nStanowisko=Spawacz\r\nOPISA1=Hala spawalni\r\n[ZAGROZENIA]\r\nTABELA0/1=Promieniowanie optyczne\r\n"
    "TABELA1/1=Łuk spawalniczy\r\nTABELA0/2=Dymy spawalnicze\r\nTABELA1/2=Spawanie stali\r\n"
    "[WARUNKI]\r\nTABELA0/1=Czy stanowisko ma odciąg?\r\n");

} // namespace

class WorkstationTemplates : public FileCommandsTest {
protected:
    WorkstationTemplates()
    {
        start();
        QDir(folder.root()).mkdir(QStringLiteral("SZABLONY"));
        folder.write(QStringLiteral("SZABLONY/spawacz.rpr"), win1250::fromUnicode(Welder));
    }

    // Runs "Nowy projekt z szablonu…" and hands its dialog to `drive`.
    bool withDialog(const std::function<void(TemplateDialog&)>& drive)
    {
        return whileModal<TemplateDialog>(&templateDialog, [&] { run("NowyZSzablonu"); }, drive);
    }

    // What the dialog lists: "group/template" for every template.
    QStringList listed()
    {
        QStringList entries;
        withDialog([&](TemplateDialog& dialog) {
            for (int g = 0; g < dialog.list->topLevelItemCount(); ++g) {
                const QTreeWidgetItem* group = dialog.list->topLevelItem(g);
                for (int i = 0; i < group->childCount(); ++i)
                    entries.append(group->text(0) + QLatin1Char('/') + group->child(i)->text(0));
            }
            dialog.reject();
        });
        return entries;
    }

    QString own(const QString& name) const { return folder.path(QStringLiteral("MOJE_SZABLONY/") + name + ".rpr"); }
};

TEST_F(WorkstationTemplates, NewProjectHoldsTheTemplateUnsaved)
{
    QString preview;
    ASSERT_TRUE(withDialog([&](TemplateDialog& dialog) {
        EXPECT_TRUE(dialog.choose(QStringLiteral("spawacz")));
        preview = dialog.preview->toPlainText();
        dialog.okButton->click();
    }));
    EXPECT_TRUE(preview.contains(QStringLiteral("Hala spawalni"))) << preview.toStdString();
    EXPECT_TRUE(preview.contains(QStringLiteral("Dymy spawalnicze"))) << preview.toStdString();
    DocumentWindow* window = active();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->file().FileName(), projekty(QStringLiteral("PROJEKT1.rpr")));
    EXPECT_EQ(window->document().text(Field::Workstation), QStringLiteral("Spawacz"));
    const DocumentTable& hazards = window->document().hazards();
    ASSERT_EQ(hazards.rowCount(), 3);
    EXPECT_EQ(hazards.cell(0, 2), QStringLiteral("Dymy spawalnicze"));
    EXPECT_EQ(window->document().checklist().cell(0, 1), QStringLiteral("Czy stanowisko ma odciąg?"));
    EXPECT_TRUE(window->document().isModified());
    EXPECT_FALSE(QFile::exists(window->file().FileName())) << "written only at its first save";
}

struct SaveCase {
    const char* name;
    QString typed;            // a null string: the dialog was closed
    QByteArray existing;      // the template of that name before; empty: none
    QList<bool> answers;      // to the question whether to replace it
    QStringList listed;
    int messages;
    bool written;             // the file holds the project afterwards
};

class SaveAsTemplate : public WorkstationTemplates, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveAsTemplate, WritesTheProjectUnderTheUsersTemplates)
{
    const SaveCase& c = GetParam();
    if (!c.existing.isEmpty()) {
        QDir(folder.root()).mkdir(QStringLiteral("MOJE_SZABLONY"));
        folder.write(QStringLiteral("MOJE_SZABLONY/") + c.typed + ".rpr", c.existing);
    }
    runOnProject("FileOpenItem");
    prompts.texts.enqueue(c.typed);
    prompts.answers.append(c.answers);
    run("ZapiszJakoSzablon");
    EXPECT_EQ(prompts.questions.size(), c.answers.size());
    EXPECT_EQ(prompts.messages.size(), c.messages);
    EXPECT_FALSE(active()->document().isModified());
    EXPECT_EQ(win1250::toUnicode(bytesOf(own(c.typed))).contains(QStringLiteral("TABELA0/1=Hałas\r\n")), c.written);
    EXPECT_EQ(listed(), c.listed);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SaveAsTemplate,
    ::testing::Values(
        SaveCase{"New", QStringLiteral("Mój tokarz"), {}, {},
                 {"Szablony programu/Spawacz", "Moje szablony/Mój tokarz (mój)"}, 0, true},
        SaveCase{"NotAFileName", QStringLiteral("tokarz/CNC"), {}, {}, {"Szablony programu/Spawacz"}, 1, false},
        SaveCase{"Closed", QString(), {}, {}, {"Szablony programu/Spawacz"}, 0, false},
        SaveCase{"ExistingKeptOnNo", QStringLiteral("tokarz"), "[OPIS]\r\nStanowisko=Stary\r\n", {false},
                 {"Szablony programu/Spawacz", "Moje szablony/tokarz (mój)"}, 0, false},
        SaveCase{"ExistingReplacedOnYes", QStringLiteral("tokarz"), "[OPIS]\r\nStanowisko=Stary\r\n", {true},
                 {"Szablony programu/Spawacz", "Moje szablony/tokarz (mój)"}, 0, true}),
    caseName<SaveCase>);

struct DeleteCase {
    const char* name;
    const char* chosen;
    QList<bool> answers;   // to "Usunąć szablon …?"
    QStringList listed;
};

class DeleteTemplate : public WorkstationTemplates, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTemplate, AsksAndTakesOnlyTheUsersOwn)
{
    const DeleteCase& c = GetParam();
    QDir(folder.root()).mkdir(QStringLiteral("MOJE_SZABLONY"));
    folder.write(QStringLiteral("MOJE_SZABLONY/biuro.rpr"), "[OPIS]\r\nStanowisko=Biuro\r\n");
    prompts.answers.append(c.answers);
    withDialog([&](TemplateDialog& dialog) {
        ASSERT_TRUE(dialog.choose(QLatin1String(c.chosen)));
        EXPECT_EQ(dialog.deleteButton->isEnabled(), !c.answers.isEmpty());
        dialog.deleteChosen();
        dialog.reject();
    });
    EXPECT_EQ(prompts.questions.size(), c.answers.size());
    EXPECT_EQ(listed(), c.listed);
    EXPECT_TRUE(QFile::exists(folder.path(QStringLiteral("SZABLONY/spawacz.rpr"))));
}

INSTANTIATE_TEST_SUITE_P(
    Templates, DeleteTemplate,
    ::testing::Values(DeleteCase{"OwnOnYes", "biuro", {true}, {"Szablony programu/Spawacz"}},
                      DeleteCase{"OwnOnNo", "biuro", {false}, {"Szablony programu/Spawacz", "Moje szablony/biuro (mój)"}},
                      DeleteCase{"ShippedNever", "spawacz", {}, {"Szablony programu/Spawacz", "Moje szablony/biuro (mój)"}}),
    caseName<DeleteCase>);

// Pictures for a person to look at: the dialog over the shipped templates, and the hazard
// tab of projects made from three of them, each holding all of its template's hazards.
TEST_F(WorkstationTemplates, PicturesOfTheDialogAndOfProjectsFromShippedTemplates)
{
    for (const QFileInfo& shipped : QDir(QStringLiteral(TEMPLATES_DIR)).entryInfoList({QStringLiteral("*.rpr")})) {
        QFile::remove(folder.path(QStringLiteral("SZABLONY/") + shipped.fileName()));
        QFile::copy(shipped.absoluteFilePath(), folder.path(QStringLiteral("SZABLONY/") + shipped.fileName()));
    }
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    ASSERT_TRUE(withDialog([&](TemplateDialog& dialog) {
        EXPECT_TRUE(dialog.choose(QStringLiteral("magazynier")));
        EXPECT_TRUE(dialog.grab().save(QStringLiteral(SCREENSHOT_DIR "/template_dialog.png")));
        dialog.reject();
    }));
    for (const QString& name : {QStringLiteral("spawacz"), QStringLiteral("kucharz"), QStringLiteral("pielegniarka")}) {
        withDialog([&](TemplateDialog& dialog) {
            ASSERT_TRUE(dialog.choose(name));
            dialog.okButton->click();
        });
        DocumentWindow* window = active();
        ASSERT_NE(window, nullptr);
        const ProjectSnapshot shipped = readProjectFile(folder.path(QStringLiteral("SZABLONY/") + name + ".rpr"));
        EXPECT_EQ(window->document().hazards().dataRows().size(), shipped.hazards.size()) << name.toStdString();
        EXPECT_GE(shipped.hazards.size(), 8) << name.toStdString();
        frameOf(window)->showMaximized();
        // The hazard tab opens once a method is chosen, as the user does first.
        window->RadioGroupIni1->setItemIndex(0);
        pagesOf(window)->setCurrentIndex(2);
        QApplication::processEvents();
        EXPECT_TRUE(form->grab().save(QStringLiteral(SCREENSHOT_DIR "/template_project_%1.png").arg(name)));
    }
}
