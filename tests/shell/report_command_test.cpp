// "Przenieś do Worda": the report dialog of the active document window, with the choice of
// report only for an assessment.

#include "file_commands_fixture.h"
#include "report/report_dialog.h"
#include "support/modal_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QToolButton>
#include <functional>

namespace {

TEST_F(FileCommandsTest, PrzeniesDoWordaOpensTheReportDialogOfTheActiveWindow)
{
    start();
    const QString assessment = writeDocument(
        projekty(QStringLiteral("karta.ron")),
        QStringLiteral("[OPISOC]\r\nJednostka=Wydział\r\n[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=PHA\r\n"));
    const struct {
        std::function<void()> open;
        bool choice;
    } cases[] = {
        {[this] { run("Projekt1"); }, false},
        {[this, assessment] { form->OpenDocument(assessment); }, true},
    };
    for (const auto& c : cases) {
        c.open();
        bool shown = false;
        bool choice = !c.choice;
        answerNextModal<TForm7>([&](TForm7& dialog) {
            shown = dialog.windowTitle() == QStringLiteral("Utwórz raport.");
            choice = dialog.RadioGroup1->isVisible();
            dialog.SpeedButton3->click();
        });
        run("ToolButton17");
        EXPECT_TRUE(shown);
        EXPECT_EQ(choice, c.choice);
    }
}

} // namespace
