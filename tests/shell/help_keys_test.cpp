// F1 in each window, the "Pomoc" command and button of the main window and the "Pomoc"
// button of the options dialog ask for their help topics; a document window's topic names
// every tab of the window.

#include "file_commands_fixture.h"

#include "base/help_request.h"
#include "documents/assessment_window.h"
#include "documents/plan_page.h"
#include "shell/help_window.h"
#include "shell/options_dialog.h"
#include "support/pages_of.h"

#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextBrowser>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

class HelpKeys : public FileCommandsTest {
protected:
    void SetUp() override
    {
        start();
        setHelpHandler([this](int context) { asked.append(context); });
        project = writeDocument(projekty("P.rpr"), QStringLiteral("[OPIS]\r\nMetoda=PHA\r\n"));
    }

    QList<int> asked;
    QString project;
};

TEST_F(HelpKeys, EachWindowAndHelpCommandAsksForItsTopic)
{
    DocumentWindow* projectWindow = form->fileCommands()->OpenDocument(project);
    DocumentWindow* assessmentWindow = form->fileCommands()->CreateAssessmentFromProject(project, projekty("O.ron"));
    TForm190 options(folder.root(), form.get());

    const std::vector<std::tuple<const char*, std::function<void()>, int>> cases{
        {"F1 in the main window", [&] { QTest::keyClick(form->mdiArea(), Qt::Key_F1); }, 5010},
        {"F1 in a project field", [&] { QTest::keyClick(projectWindow->EditIni1, Qt::Key_F1); }, 5040},
        {"F1 in an assessment table", [&] { QTest::keyClick(assessmentWindow->StringGridIni1, Qt::Key_F1); }, 5050},
        {"F1 in the action plan", [&] { QTest::keyClick(static_cast<TForm5*>(assessmentWindow)->PlanGrid, Qt::Key_F1); },
         5055},
        {"F1 in the residual risk table",
         [&] { QTest::keyClick(static_cast<TForm5*>(assessmentWindow)->PlanTab->residualView(), Qt::Key_F1); }, 5055},
        {"F1 in the workers table",
         [&] { QTest::keyClick(static_cast<TForm5*>(assessmentWindow)->WorkersGrid, Qt::Key_F1); }, 5180},
        {"F1 in the options dialog", [&] { QTest::keyClick(options.MaskEdit2, Qt::Key_F1); }, 5030},
        {"Pomoc of the options dialog", [&] { options.SpeedButton3->click(); }, 5030},
        {"Pomoc in the menu", [&] { run("Pomoc1"); }, 5000},
        {"Pomoc on the toolbar", [&] { run("ToolButton11"); }, 5000},
    };
    for (const auto& [what, act, context] : cases) {
        asked.clear();
        act();
        EXPECT_EQ(asked, QList<int>{context}) << what;
    }
}

TEST_F(HelpKeys, TheTopicOfEachDocumentWindowNamesEveryTab)
{
    QFile::copy(QStringLiteral(HELP_FILE), folder.path(QStringLiteral("TARVEN.qch")));
    HelpWindow help(folder.root(), nullptr);
    for (DocumentWindow* window : {form->fileCommands()->OpenDocument(project),
                                   form->fileCommands()->CreateAssessmentFromProject(project, projekty("O.ron"))}) {
        asked.clear();
        QTest::keyClick(window->StringGridIni1, Qt::Key_F1);
        ASSERT_EQ(asked.size(), 1);
        help.showContext(asked.front());
        for (int tab = 0; tab < pagesOf(window)->count(); ++tab)
            EXPECT_TRUE(help.Topic->toPlainText().contains(pagesOf(window)->tabText(tab)))
                << pagesOf(window)->tabText(tab).toStdString();
    }
}

} // namespace
