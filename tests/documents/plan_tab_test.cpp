// The "Plan działań" tab: what the editors let into the measures, the overdue measures in
// red with their tooltip and the count in the tab's caption and the status bar, and the
// residual risk rated with the scale pickers.

#include "document_test_support.h"
#include "documents/assessment_window.h"
#include "documents/row_commands.h"
#include "documents/plan_delegate.h"
#include "documents/plan_page.h"
#include "documents/residual_table_model.h"
#include "documents/scale_picker.h"
#include "controls/string_grid_ini.h"
#include "model/action_plan.h"
#include "risk/risk_method.h"
#include "support/pages_of.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <functional>

namespace {

constexpr int PlanTab = 5;

const QList<QStringList> kHazards{
    {QStringLiteral("Hałas"), QStringLiteral("Tokarka"), QStringLiteral("Uszkodzenie słuchu"),
     QStringLiteral("Ochronniki słuchu")},
    {QStringLiteral("Upadek"), QStringLiteral("Śliska posadzka"), QStringLiteral("Urazy"), QString()},
};

QString today(int days)
{
    return plan::dateText(QDate::currentDate().addDays(days));
}

QStringList measure(const QString& due, const QString& status)
{
    return {QStringLiteral("1"), QStringLiteral("Hałas"), QStringLiteral("Ekrany akustyczne"),
            QStringLiteral("techniczne"), QStringLiteral("Kowalski"), due, QStringLiteral("100,00"), status,
            QString(), QString()};
}

QString assessmentWithPlan(const QString& method, const QList<QStringList>& measures)
{
    return QStringLiteral("[OPISOC]\r\nZatrudnienie=5\r\n[OPIS]\r\nMetoda=") + method +
           QStringLiteral("\r\n[ZAGROZENIA]\r\n") + tableLines(kHazards) + QStringLiteral("[PLAN]\r\n") +
           tableLines(measures);
}

class PlanTabTest : public DocumentWindowTest {
protected:
    TForm5* openPlan(const QString& method, const QList<QStringList>& measures)
    {
        frame.installEventFilter(&statusTips);
        // Each window its own file: a closed window lets go of its file's lock only later.
        TForm5* window = openAssessment(assessmentWithPlan(method, measures),
                                        QStringLiteral("ocena%1.ron").arg(++opened_));
        pagesOf(window)->setCurrentIndex(PlanTab);
        paint(window);
        return window;
    }

    // Records the status-bar texts that reach the frame holding the window.
    struct StatusTips : QObject {
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::StatusTip)
                texts.append(static_cast<QStatusTipEvent*>(event)->tip());
            return false;
        }
        QStringList texts;
    } statusTips;

private:
    int opened_ = 0;
};

// --- editing ---------------------------------------------------------------------------

struct EditCase {
    const char* name;
    int column;
    // What the user does in the cell's editor; unset: `typed` goes into the cell as an edit
    // (a date editor lets through no impossible date of its own).
    std::function<void(QWidget* editor)> type;
    QString expected;                 // the cell afterwards
    QString message = {};             // part of the refusal; empty: none
    int otherColumn = -1;             // a cell the edit also changes
    QString otherExpected = {};
    QString typed = {};
};

void pickDate(QWidget* editor, QDate date)
{
    static_cast<QDateEdit*>(editor)->setDate(date);
}

void choose(QWidget* editor, const QString& text)
{
    auto* list = static_cast<QComboBox*>(editor);
    list->setCurrentIndex(list->findText(text));
}

TEST_F(PlanTabTest, EditorsLetInOnlyWhatTheColumnTakes)
{
    const QString tooLong(plan::MeasureLimit + 1, QLatin1Char('x'));
    const QList<EditCase> cases{
        {"date picked", plan::Due, [](QWidget* e) { pickDate(e, QDate(2031, 12, 31)); }, "31.12.2031"},
        {"done date picked", plan::Done, [](QWidget* e) { pickDate(e, QDate(2025, 3, 5)); }, "05.03.2025"},
        {"date that does not exist", plan::Due, {}, "10.01.2030", "nie jest poprawną datą", -1, {}, "31.02.2031"},
        {"date cut short", plan::Due, {}, "10.01.2030", "nie jest poprawną datą", -1, {}, "12.2031"},
        {"date typed with blanks", plan::Due, {}, "01.02.2031", {}, -1, {}, " 01.02.2031 "},
        {"date emptied", plan::Due, {}, "", {}, -1, {}, ""},
        {"empty done date left alone", plan::Done, [](QWidget*) {}, ""},
        {"cost with a decimal comma", plan::Cost,
         [](QWidget* e) { static_cast<QLineEdit*>(e)->setText(QStringLiteral("1250,5")); }, "1250,50"},
        {"negative cost", plan::Cost, [](QWidget* e) { static_cast<QLineEdit*>(e)->setText(QStringLiteral("-5")); },
         "100,00", "nie jest poprawnym kosztem"},
        {"cost in words", plan::Cost, [](QWidget* e) { static_cast<QLineEdit*>(e)->setText(QStringLiteral("sto")); },
         "100,00", "nie jest poprawnym kosztem"},
        {"status done dates the measure", plan::Status, [](QWidget* e) { choose(e, QStringLiteral("wykonane")); },
         "wykonane", {}, plan::Done, today(0)},
        {"status in progress leaves the date", plan::Status,
         [](QWidget* e) { choose(e, QStringLiteral("w realizacji")); }, "w realizacji", {}, plan::Done, ""},
        {"hazard chosen by name", plan::HazardName, [](QWidget* e) { choose(e, QStringLiteral("2. Upadek")); },
         "Upadek", {}, plan::HazardRow, "2"},
        {"measure Windows-1250 cannot hold", plan::Measure,
         [](QWidget* e) { static_cast<QLineEdit*>(e)->setText(QStringLiteral("Ekran 中")); }, "Ekrany akustyczne",
         "Windows-1250"},
        {"measure too long", plan::Measure, [&](QWidget* e) { static_cast<QLineEdit*>(e)->setText(tooLong); },
         "Ekrany akustyczne", "najwyżej 250"},
        {"measure typed", plan::Measure,
         [](QWidget* e) { static_cast<QLineEdit*>(e)->setText(QStringLiteral("Obudowa tokarki")); },
         "Obudowa tokarki"},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.messages.clear();
        TForm5* window = openPlan(QStringLiteral("PHA"), {measure(QStringLiteral("10.01.2030"), plan::plannedStatus())});
        TStringGridIni* grid = window->PlanGrid;
        auto* delegate = static_cast<PlanDelegate*>(grid->itemDelegate());
        const QModelIndex index = grid->model()->index(1, c.column);
        if (c.type) {
            QWidget* editor = delegate->createEditor(grid->viewport(), QStyleOptionViewItem(), index);
            ASSERT_NE(editor, nullptr);
            delegate->setEditorData(editor, index);
            c.type(editor);
            delegate->setModelData(editor, grid->model(), index);
            delete editor;
        } else {
            EXPECT_EQ(editPlanCell(window->document().plan(), c.column, 1, c.typed), c.message.isEmpty());
        }

        EXPECT_EQ(grid->cell(c.column, 1), c.expected);
        if (c.otherColumn >= 0) {
            EXPECT_EQ(grid->cell(c.otherColumn, 1), c.otherExpected);
        }
        if (c.message.isEmpty()) {
            EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.value(0).text.toStdString();
        } else {
            ASSERT_EQ(prompts.messages.size(), 1);
            EXPECT_TRUE(prompts.messages[0].text.contains(c.message)) << prompts.messages[0].text.toStdString();
        }
        window->document().setModified(false);
        window->close();
    }
}

// --- overdue measures ------------------------------------------------------------------

struct OverdueCase {
    const char* name;
    QList<QStringList> measures;
    QStringList tooltips;   // per measure; empty: not overdue
    QString caption;
    QString statusTip;      // empty: the status bar is not told
};

TEST_F(PlanTabTest, OverdueMeasuresStandOut)
{
    const QString planned = plan::plannedStatus();
    const QList<OverdueCase> cases{
        {"none late",
         {measure(today(3), planned), measure(today(0), planned)},
         {"", ""},
         "Plan działań",
         ""},
        {"late but done or abandoned",
         {measure(today(-3), plan::doneStatus()), measure(today(-3), QStringLiteral("odstąpiono"))},
         {"", ""},
         "Plan działań",
         ""},
        {"one late in progress, one without a date",
         {measure(today(-1), QStringLiteral("w realizacji")), measure(QString(), planned)},
         {"Termin minął 1 dni temu", ""},
         "Plan działań (1 po terminie)",
         "Plan działań: 1 działanie po terminie."},
        {"two late",
         {measure(today(-40), planned), measure(today(5), planned), measure(today(-2), planned)},
         {"Termin minął 40 dni temu", "", "Termin minął 2 dni temu"},
         "Plan działań (2 po terminie)",
         "Plan działań: 2 działania po terminie."},
    };
    for (const OverdueCase& c : cases) {
        SCOPED_TRACE(c.name);
        statusTips.texts.clear();
        TForm5* window = openPlan(QStringLiteral("PHA"), c.measures);
        TStringGridIni* grid = window->PlanGrid;
        auto* delegate = static_cast<GridDelegate*>(grid->itemDelegate());
        EXPECT_EQ(pagesOf(window)->tabText(PlanTab), c.caption);
        EXPECT_EQ(statusTips.texts.contains(c.statusTip), !c.statusTip.isEmpty()) << statusTips.texts.join('|').toStdString();
        const QImage picture = grid->viewport()->grab().toImage();
        for (int row = 1; row <= c.measures.size(); ++row) {
            const QModelIndex index = grid->model()->index(row, plan::Measure);
            const bool late = !c.tooltips[row - 1].isEmpty();
            EXPECT_EQ(delegate->cellToolTip(index), c.tooltips[row - 1]) << "row " << row;
            EXPECT_EQ(delegate->textColour(index) == GridDelegate::Red, late) << "row " << row;
            const QRect cell = grid->visualRect(index);
            int red = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    red += picture.pixelColor(x, y).red() > 200 && picture.pixelColor(x, y).green() < 90 &&
                           picture.pixelColor(x, y).blue() < 90;
            EXPECT_EQ(red > 0, late) << "row " << row << " painted";
        }
        if (!c.statusTip.isEmpty()) {
            const QString pictures = QFileInfo(QStringLiteral(SCREENSHOT_PATH)).path();
            QDir().mkpath(pictures);
            EXPECT_TRUE(window->grab().save(QDir(pictures).filePath(QStringLiteral("plan_tab.png"))));
        }
        // Every measure done: the caption follows.
        for (int row = 1; row <= c.measures.size(); ++row)
            ASSERT_TRUE(editPlanCell(window->document().plan(), plan::Status, row, plan::doneStatus()));
        EXPECT_EQ(pagesOf(window)->tabText(PlanTab), QStringLiteral("Plan działań"));
        window->document().setModified(false);
        window->close();
    }
}

// --- residual risk ---------------------------------------------------------------------

struct ResidualCase {
    QString method;
    int s, p, e;   // entries of the method's scales; e ignored without exposure
};

TEST_F(PlanTabTest, ResidualRiskIsComputedAsTheHazardTableComputesIt)
{
    const QList<ResidualCase> cases{
        {"PHA", 0, 1, 0},
        {"PHA", 5, 5, 0},
        {"RISK SCORE", 3, 2, 4},
        {"FIVE STEPS", 1, 3, 2},
        {"Matrycowa (PN-N-18002)", 2, 2, 0},
    };
    for (const ResidualCase& c : cases) {
        SCOPED_TRACE(c.method.toStdString());
        TForm5* window = openPlan(c.method, {});
        const RiskMethod method = window->method();
        const risk::HazardColumns columns = risk::hazardColumns(method);
        ResidualTableModel* residual = window->PlanTab->residualModel();
        const int riskColumn = residual->columnCount() - 1;
        EXPECT_EQ(residual->columnCount(), columns.e >= 0 ? 6 : 5);
        QList<std::pair<risk::Factor, int>> picks{{risk::Factor::S, c.s}, {risk::Factor::P, c.p}};
        if (columns.e >= 0)
            picks.append({risk::Factor::E, c.e});
        for (int column = 0; column < residual->columnCount(); ++column) {
            const auto factor = residual->factorOf(column);
            if (!factor)
                continue;
            const int entry = std::find_if(picks.begin(), picks.end(), [&](auto& p) { return p.first == *factor; })->second;
            QTableView* view = window->PlanTab->residualView();
            view->setCurrentIndex(residual->index(0, column));
            ASSERT_TRUE(withPicker([&] { QTest::keyClick(view, Qt::Key_F2); }, [entry](TForm3& picker) {
                picker.setItemIndex(entry);
                picker.BitBtn1->click();
            }));
            EXPECT_EQ(view->currentIndex(), residual->index(0, column)) << "the user's place is kept";
        }
        // The same factors in the hazard table.
        const int factorColumn[] = {columns.s, columns.p, columns.e};
        for (const auto& [factor, entry] : picks)
            window->StringGridIni1->setCell(factorColumn[int(factor)], 1, risk::scale(method, factor).at(entry));
        window->document().recomputeRow(1);
        const QString hazardRisk = window->StringGridIni1->cell(columns.risk, 1);
        ASSERT_FALSE(hazardRisk.isEmpty());
        EXPECT_EQ(residual->index(0, riskColumn).data().toString(), hazardRisk);
        EXPECT_EQ(residual->index(0, 1).data().toString(), hazardRisk) << "the current risk";
        EXPECT_TRUE(residual->index(1, riskColumn).data().toString().isEmpty()) << "the other hazard is unrated";
        window->document().setModified(false);
        window->close();
    }
}

} // namespace

// The main window's row commands act on the plan and on the workers on their tabs, as the
// tabs' own buttons do, and are offered there.
TEST_F(PlanTabTest, RowCommandsChangeTheListOfTheirTab)
{
    TForm5* window = openPlan(QStringLiteral("PHA"), {{"1", "Hałas", "Ochronniki", "", "", "", "", "planowane"}});
    struct Case {
        int tab;
        std::function<void()> command;
        bool answer;   // to the question of a deletion
        int planRows;
        int workerRows;
    };
    const Case cases[] = {
        {TForm5::PlanTabIndex, [&] { row_commands::AddRow(window, {}); }, false, 3, 1},
        {TForm5::PlanTabIndex, [&] { row_commands::DeleteRow(window); }, true, 2, 1},
        {TForm5::WorkersTabIndex, [&] { row_commands::AddRow(window, {}); }, false, 2, 2},
        {TForm5::WorkersTabIndex, [&] { row_commands::InsertRow(window, {}); }, false, 2, 3},
        {TForm5::WorkersTabIndex, [&] { row_commands::DeleteRow(window); }, false, 2, 3},
    };
    for (const Case& c : cases) {
        pagesOf(window)->setCurrentIndex(c.tab);
        EXPECT_TRUE(host.rowCommands.value_or(false)) << c.tab;
        prompts.answers.enqueue(c.answer);
        c.command();
        prompts.answers.clear();
        EXPECT_EQ(window->document().plan().rowCount(), c.planRows);
        EXPECT_EQ(window->document().table(Field::Workers).rowCount(), c.workerRows);
    }
}
