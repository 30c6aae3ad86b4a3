// The "Pracownicy" tab: the workers to be informed again painted amber with their notice and
// counted in the tab's caption, the names pasted from the clipboard, the deletion asked first,
// and the count of the list beside the card's number of employees.

#include "document_test_support.h"
#include "documents/assessment_window.h"
#include "documents/workers_page.h"
#include "controls/string_grid_ini.h"
#include "model/workers.h"
#include "support/pages_of.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTabWidget>
#include <functional>

namespace {

constexpr int WorkersTab = 6;

struct WorkersCase {
    const char* name;
    QString riskChanged;          // DataZmianyRyzyka; empty: none
    QList<QStringList> workers;
    std::function<void(TForm5*, ScriptedPrompts&)> act;
    QString caption;
    QList<bool> amber;            // per worker row afterwards
    QString listed;               // the label beside Zatrudnienie (4); empty: hidden
};

class WorkersTabTest : public DocumentWindowTest {};

TEST_F(WorkersTabTest, WorkersToInformAgainStandOutAndTheListIsCountedBesideTheEmployees)
{
    const auto nothing = [](TForm5*, ScriptedPrompts&) {};
    const QList<WorkersCase> cases{
        {"all informed since the change", "01.03.2025",
         {{"A", "", "05.03.2025"}, {"B", "", "01.03.2025"}, {"C"}, {"D", "", "02.03.2025"}}, nothing,
         "Pracownicy (1 do ponownego zapoznania)", {false, false, true, false}, ""},
        {"one informed before the change, one never", "01.03.2025",
         {{"Anna", "tokarz", "15.02.2025"}, {"Jan", "", "10.03.2025"}, {"Ewa"}}, nothing,
         "Pracownicy (2 do ponownego zapoznania)", {true, false, true}, "na liście: 3"},
        {"names pasted, one a line", "", {},
         [](TForm5* window, ScriptedPrompts&) {
             QApplication::clipboard()->setText(QStringLiteral("Anna Kowalska\r\n\r\n  Jan Nowak \n"));
             window->WorkersTab->pasteNames();
         },
         "Pracownicy (2 do ponownego zapoznania)", {true, true}, "na liście: 2"},
        {"deleted after the question", "", {{"A", "", "01.01.2025"}, {"B"}, {"C", "", "01.01.2025"}, {"D"}, {"E"}},
         [](TForm5* window, ScriptedPrompts& scripted) {
             scripted.answers.enqueue(true);
             window->WorkersGrid->setCurrentCell(2, 0);
             window->WorkersTab->deleteWorker();
             scripted.answers.enqueue(false);
             window->WorkersTab->deleteWorker();
         },
         "Pracownicy (2 do ponownego zapoznania)", {false, false, true, true}, ""},
    };
    int opened = 0;
    for (const WorkersCase& c : cases) {
        SCOPED_TRACE(c.name);
        QString text = QStringLiteral("[OPISOC]\r\nZatrudnienie=4\r\n");
        if (!c.riskChanged.isEmpty())
            text += QStringLiteral("DataZmianyRyzyka=") + c.riskChanged + QStringLiteral("\r\n");
        text += QStringLiteral("[OPIS]\r\nMetoda=PHA\r\n[PRACOWNICY]\r\n") + tableLines(c.workers);
        TForm5* window = openAssessment(text, QStringLiteral("ocena%1.ron").arg(++opened));
        pagesOf(window)->setCurrentIndex(WorkersTab);
        paint(window);
        c.act(window, prompts);

        EXPECT_EQ(pagesOf(window)->tabText(WorkersTab), c.caption);
        TStringGridIni* grid = window->WorkersGrid;
        auto* delegate = static_cast<GridDelegate*>(grid->itemDelegate());
        ASSERT_EQ(grid->rowCount() - 1, c.amber.size());
        for (int row = 1; row <= c.amber.size(); ++row) {
            const QModelIndex index = grid->model()->index(row, workers::Remarks);
            EXPECT_EQ(delegate->backgroundColour(index) == GridDelegate::Warning, c.amber[row - 1]) << "row " << row;
            EXPECT_EQ(delegate->cellToolTip(index),
                      c.amber[row - 1] ? QStringLiteral("do ponownego zapoznania") : QString()) << "row " << row;
        }
        EXPECT_EQ(!window->ListedLabel->isHidden(), !c.listed.isEmpty());
        if (!c.listed.isEmpty()) {
            EXPECT_EQ(window->ListedLabel->text(), c.listed);
        }
        window->document().setModified(false);
        window->close();
    }
}

} // namespace
