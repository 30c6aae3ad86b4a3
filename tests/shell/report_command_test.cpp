// "Przenieś do Worda": the report dialog of the active document window.

#include "file_commands_fixture.h"
#include "shell/report_dialog.h"
#include "support/modal_dialog.h"

#include <QGroupBox>
#include <QToolButton>

namespace {

// A project is opened, then an assessment: the dialog is the assessment's, with its choice
// of report (a project's dialog has none).
TEST_F(FileCommandsTest, PrzeniesDoWordaOpensTheReportDialogOfTheActiveWindow)
{
    start();
    run("Projekt1");
    form->OpenDocument(writeDocument(
        projekty(QStringLiteral("karta.ron")),
        QStringLiteral("[OPISOC]\r\nJednostka=Wydział\r\n[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=PHA\r\n")));
    QString title;
    bool choice = false;
    answerNextModal<TForm7>([&](TForm7& dialog) {
        title = dialog.windowTitle();
        choice = dialog.RadioGroup1->isVisible();
        dialog.SpeedButton3->click();
    });
    run("ToolButton17");
    EXPECT_EQ(title, QStringLiteral("Utwórz raport."));
    EXPECT_TRUE(choice);
}

} // namespace
