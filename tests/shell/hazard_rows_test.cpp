// The row and clipboard commands of the main window on real document windows: add, insert
// and delete on both tables, the hazard catalogue picker with its find dialog, copy and paste
// between windows. Catalogues are written by the tests into the program's folder.

#include "file_commands_fixture.h"

#include "documents/assessment_window.h"
#include "documents/find_dialog.h"
#include "documents/hazard_picker.h"
#include "documents/project_window.h"
#include "shell/copy_hazards_dialog.h"
#include "support/pages_of.h"
#include "support/while_modal.h"

#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString Catalogue = QStringLiteral(
    "[Mechaniczne]\r\nRuchome części maszyn=Pochwycenie, zmiażdżenie dłoni\r\nBez skutków\r\n"
    "Łańcuch=Stłuczenia\r\nŁAŃCUCH=Złamania kończyn\r\n[Puste]\r\n"
    "[Transport]\r\nHałas=Niedosłuch\r\nDrgania=a\r\nŁańcuch napędowy=b\r\nPył=c\r\nUpadek=d\r\n"
    "Zerwany łańcuch=e\r\nKotwica=f\r\n");

// [OPIS] with the method, then the hazard table and the checklist, one text per row whose
// cells are separated by "|".
QString document(const QString& method, const QStringList& hazards, const QStringList& checks)
{
    QString text = QStringLiteral("[OPIS]\r\nMetoda=") + method + QStringLiteral("\r\n");
    for (const auto& [section, rows] : {std::pair{QStringLiteral("ZAGROZENIA"), hazards}, {QStringLiteral("WARUNKI"), checks}}) {
        text += QLatin1Char('[') + section + QStringLiteral("]\r\n");
        for (int r = 0; r < rows.size(); ++r) {
            const QStringList cells = rows[r].split(QLatin1Char('|'));
            for (int c = 0; c < cells.size(); ++c)
                text += QStringLiteral("TABELA%1/%2=%3\r\n").arg(c).arg(r + 1).arg(cells[c]);
        }
    }
    return text;
}

QStringList column0(const TStringGridIni* table)
{
    QStringList texts;
    for (int r = 1; r < table->rowCount(); ++r)
        texts.append(table->cell(0, r));
    return texts;
}

} // namespace

class HazardRowsTest : public FileCommandsTest {
protected:
    HazardRowsTest()
    {
        start();
        folder.write(QStringLiteral("ZAGROZENIA.txt"), win1250::fromUnicode(Catalogue));
    }

    DocumentWindow* open(const QString& name, const QString& text)
    {
        form->OpenDocument(writeDocument(folder.path(name), text));
        QApplication::processEvents();
        return active();
    }

    // The table on `tab` of `window`, that tab shown, `row` selected and focused.
    static TStringGridIni* select(DocumentWindow* window, int tab, int column, int row)
    {
        pagesOf(window)->setCurrentIndex(tab);
        auto* table = tab == pagesOf(window)->count() - 1 ? window->StringGridIni2 : window->StringGridIni1;
        table->setFocus();
        table->setCurrentCell(row, column);
        return table;
    }

    // Runs `command`; a catalogue picker it shows is handed to `drive`.
    bool runWithPicker(const char* command, const std::function<void(TForm4&)>& drive)
    {
        return whileModal<TForm4>(&Form4, [&] { run(command); }, drive);
    }
};

struct RowCase {
    const char* name;
    int tab;
    int selected;
    QList<const char*> commands;
    QList<bool> answers;   // to "Usunąć wiersz z tabeli."
    QStringList rows;      // column 0 of the data rows afterwards
    int current;
    int pickers;
    const char* file = "p.rpr";   // o.ron: an assessment, whose tables the commands leave alone
};

class RowCommands : public HazardRowsTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(RowCommands, ChangeTheTableOfTheActiveTab)
{
    const RowCase& c = GetParam();
    DocumentWindow* window = open(QLatin1String(c.file), document(QStringLiteral("PHA"), {"a", "b", "c", "d"}, {"a", "b", "c", "d"}));
    TStringGridIni* table = select(window, c.tab, 0, c.selected);
    prompts.answers.append(c.answers);
    int pickers = 0;
    for (const char* command : c.commands) {
        EXPECT_TRUE(form->findChild<QObject*>(QLatin1String(command))->property("enabled").toBool()) << command;
        pickers += runWithPicker(command, [](TForm4& picker) { picker.SpeedButton2->click(); });
    }
    EXPECT_EQ(column0(table), c.rows);
    EXPECT_EQ(table->currentRow(), c.current);
    EXPECT_EQ(pickers, c.pickers);
    EXPECT_EQ(prompts.questions.size(), c.answers.size());
    EXPECT_EQ(prompts.captions, QStringList(prompts.captions.size(), QString())) << "titled with the program's name";
    const QStringList unchanged{"a", "b", "c", "d"};
    EXPECT_EQ(window->document().isModified(), c.rows != unchanged) << "modified when its rows changed";
}

INSTANTIATE_TEST_SUITE_P(
    Project, RowCommands,
    ::testing::Values(
        RowCase{"AddOnHazardsThenCancel", 2, 1, {"ToolButton8"}, {}, {"a", "b", "c", "d", ""}, 5, 1},
        RowCase{"AddOnChecklist", 3, 1, {"Dodajwierszdoprojektu1"}, {}, {"a", "b", "c", "d", ""}, 5, 0},
        RowCase{"DeleteMiddleThenAdd", 2, 2, {"ToolButton10", "ToolButton8"}, {true}, {"a", "c", "d", ""}, 4, 1},
        RowCase{"DeleteTitleRow", 2, 0, {"ToolButton10"}, {true}, {"a", "b", "c", "d"}, 0, 0},
        RowCase{"DeleteAnsweredNo", 3, 2, {"Usuwierszzprojektu1"}, {false}, {"a", "b", "c", "d"}, 2, 0},
        RowCase{"InsertOnHazards", 2, 2, {"ToolButton16"}, {}, {"a", "", "b", "c", "d"}, 2, 1},
        RowCase{"InsertOnChecklist", 3, 2, {"Wstawwierszdoprojektu1"}, {}, {"a", "", "b", "c", "d"}, 2, 0},
        RowCase{"InsertOnTitleRow", 3, 0, {"ToolButton16"}, {}, {"a", "b", "c", "d"}, 0, 0},
        RowCase{"DuplicateOnHazards", 2, 2, {"PowielWiersz"}, {}, {"a", "b", "b", "c", "d"}, 3, 0},
        RowCase{"DuplicateLastOnChecklist", 3, 4, {"PowielWiersz"}, {}, {"a", "b", "c", "d", "d"}, 5, 0},
        RowCase{"DuplicateTitleRow", 2, 0, {"PowielWiersz"}, {}, {"a", "b", "c", "d"}, 0, 0},
        RowCase{"AssessmentEnabledButUnchanged", 3, 1, {"ToolButton8", "ToolButton16", "ToolButton10"}, {},
                {"a", "b", "c", "d"}, 1, 0, "o.ron"}),
    caseName<RowCase>);

TEST_F(HazardRowsTest, UnreadableCatalogueLeavesTheAddedRowEmptyAndSelected)
{
    QFile::remove(folder.path(QStringLiteral("ZAGROZENIA.txt")));
    QDir(folder.root()).mkdir(QStringLiteral("ZAGROZENIA.txt"));   // exists, is no file
    TStringGridIni* table = select(open(QStringLiteral("p.rpr"), document(QStringLiteral("PHA"), {"a"}, {})), 2, 0, 1);
    EXPECT_FALSE(runWithPicker("ToolButton8", [](TForm4& picker) { picker.close(); }));
    EXPECT_EQ(column0(table), (QStringList{"a", ""}));
    EXPECT_EQ(table->currentRow(), 2);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("ZAGROZENIA.txt” nie jest zwykłym plikiem, lecz folderem")));
}

// A picture of the picker over the shipped catalogue with a group chosen, a hazard picked
// and an S entry chosen, saved for a person to look at: every label and entry shows its
// whole text, and so do the memos.
TEST_F(HazardRowsTest, PictureOfThePickerShowsWholeTexts)
{
    QFile::remove(folder.path(QStringLiteral("ZAGROZENIA.txt")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(HAZARD_CATALOGUE), folder.path(QStringLiteral("ZAGROZENIA.txt"))));
    select(open(QStringLiteral("p.rpr"), document(QStringLiteral("RISK SCORE"), {"a"}, {})), 2, 0, 1);
    runWithPicker("ToolButton8", [](TForm4& picker) {
        picker.ComboBox1->setCurrentIndex(0);
        picker.StringGrid1->setCurrentCell(4, 0);
        picker.StringGrid1DblClick();
        picker.Memo3->setPlainText(QStringLiteral("Wtryskarka, prasa krawędziowa, taśmociąg"));
        picker.RadioGroup1->setItemIndex(2);
        QDir().mkpath(QFileInfo(QStringLiteral(SCREENSHOT_PATH)).path());
        EXPECT_TRUE(picker.grab().save(QStringLiteral(SCREENSHOT_PATH)));
        for (QWidget* text : picker.findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(text) || qobject_cast<QAbstractButton*>(text)) {
                EXPECT_GE(text->width(), text->sizeHint().width()) << text->property("text").toString().toStdString();
            }
        }
        for (QPlainTextEdit* memo : {picker.Memo1, picker.Memo2, picker.Memo3})
            EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0) << memo->toPlainText().toStdString();
        picker.SpeedButton2->click();
    });
}

struct HarmCase {
    const char* name;
    const char* method;
    const char* command;
    int count;
    QString first;
};

class DegreesOfHarm : public HazardRowsTest, public ::testing::WithParamInterface<HarmCase> {};

TEST_P(DegreesOfHarm, FollowTheProjectMethod)
{
    const HarmCase& c = GetParam();
    select(open(QStringLiteral("p.rpr"), document(c.method, {"a"}, {})), 2, 0, 1);
    QStringList offered;
    runWithPicker(c.command, [&](TForm4& picker) {
        offered = picker.RadioGroup1->items();
        picker.SpeedButton2->click();
    });
    EXPECT_EQ(offered.size(), c.count);
    EXPECT_EQ(offered.value(0), c.first);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, DegreesOfHarm,
    ::testing::Values(HarmCase{"MatrycowaAdd", "Matrycowa (PN-N-18002)", "ToolButton8", 3,
                               "1=małe, urazy i choroby które nie powodują długotrwałych dolegliwości i absencji w pracy."},
                      HarmCase{"MatrycowaInsert", "Matrycowa (PN-N-18002)", "ToolButton16", 3, "1=małe"},
                      HarmCase{"FiveSteps", "FIVE STEPS", "ToolButton8", 8, "0,1=zadrapania, siniaki, otarcia, stłuczenia"}),
    caseName<HarmCase>);

struct PickCase {
    const char* name;
    int group;
    QStringList list;    // the hazards the group shows
    int doubleClicked;   // -1: none
    int chosenS;         // -1: none
    bool ok;
    QStringList cells;   // the new row's five cells afterwards
};

class CataloguePicker : public HazardRowsTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(CataloguePicker, FillsTheNewRowOnOk)
{
    const PickCase& c = GetParam();
    TStringGridIni* table = select(open(QStringLiteral("p.rpr"), document(QStringLiteral("PHA"), {"a"}, {})), 2, 0, 1);
    QStringList listed;
    runWithPicker("ToolButton8", [&](TForm4& picker) {
        picker.ComboBox1->setCurrentIndex(c.group);
        for (int r = 0; r < picker.StringGrid1->rowCount(); ++r)
            listed.append(picker.StringGrid1->item(r, 0)->text());
        picker.Memo3->setPlainText(QStringLiteral("Prasa\nkrawędziowa"));
        if (c.doubleClicked >= 0) {
            QWidget* list = picker.StringGrid1->viewport();
            const QPoint at = picker.StringGrid1->visualItemRect(picker.StringGrid1->item(c.doubleClicked, 0)).center();
            QTest::mouseClick(list, Qt::LeftButton, {}, at);
            QTest::mouseDClick(list, Qt::LeftButton, {}, at);
        }
        picker.RadioGroup1->setItemIndex(c.chosenS);
        (c.ok ? picker.SpeedButton1 : picker.SpeedButton2)->click();
    });
    EXPECT_EQ(listed, c.list);
    QStringList cells;
    for (int column = 0; column < 5; ++column)
        cells.append(table->cell(column, 2));
    EXPECT_EQ(cells, c.cells);
    EXPECT_EQ(table->currentRow(), 2);
    if (c.ok) {   // the two lines of the sources fit the row
        EXPECT_GT(table->rowHeight(2), table->rowHeight(1));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Mapping, CataloguePicker,
    ::testing::Values(
        PickCase{"HazardWithS", 0, {"Ruchome części maszyn", "", "Łańcuch", "ŁAŃCUCH"}, 0, 1, true,
                 {"Ruchome części maszyn", "Prasa\r\nkrawędziowa", "Pochwycenie, zmiażdżenie dłoni", "",
                  "2=lekkie obrażenia, wymierne szkody"}},
        PickCase{"NamesDifferingInCaseShareTheLastEffects", 0, {"Ruchome części maszyn", "", "Łańcuch", "ŁAŃCUCH"},
                 2, -1, true, {"Łańcuch", "Prasa\r\nkrawędziowa", "Złamania kończyn", "", ""}},
        PickCase{"EmptyGroupAndNoDoubleClick", 1, {""}, -1, -1, true, {"", "Prasa\r\nkrawędziowa", "", "", ""}},
        PickCase{"Cancel", 0, {"Ruchome części maszyn", "", "Łańcuch", "ŁAŃCUCH"}, 0, 1, false, {"", "", "", "", ""}}),
    caseName<PickCase>);

struct FindCase {
    const char* name;
    int group;              // -1: none chosen
    QString text;
    QStringList outcomes;   // per click: "group/row" selected, or the message shown
    QStringList captions;
};

class FindInCatalogue : public HazardRowsTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindInCatalogue, SelectsOneMatchPerClick)
{
    const FindCase& c = GetParam();
    select(open(QStringLiteral("p.rpr"), document(QStringLiteral("PHA"), {"a"}, {})), 2, 0, 1);
    QStringList outcomes;
    QStringList captions;
    runWithPicker("ToolButton8", [&](TForm4& picker) {
        picker.ComboBox1->setCurrentIndex(c.group);
        whileModal<TForm9>(&Form9, [&] { picker.SpeedButton4->click(); }, [&](TForm9& find) {
            find.Edit1->setText(c.text);
            for (int click = 0; click < c.outcomes.size(); ++click) {
                const qsizetype ends = prompts.messages.size();
                find.SpeedButton2->click();
                outcomes.append(prompts.messages.size() > ends
                                    ? prompts.messages.last().text
                                    : QStringLiteral("%1/%2").arg(picker.ComboBox1->currentIndex())
                                          .arg(picker.StringGrid1->currentRow()));
                captions.append(find.SpeedButton2->text());
            }
            find.SpeedButton1->click();
        });
        picker.SpeedButton2->click();
    });
    EXPECT_EQ(outcomes, c.outcomes);
    EXPECT_EQ(captions, c.captions);
}

const QString Ended = QStringLiteral("Wyszukiwanie zakończone.");

INSTANTIATE_TEST_SUITE_P(
    Searches, FindInCatalogue,
    ::testing::Values(FindCase{"PolishCapitalsFoldedMatchesInRows2And5", 2, QStringLiteral("łańcuch"),
                               {"2/2", "2/5", Ended, "2/2"}, {"Dalej", "Dalej", "Szukaj", "Dalej"}},
                      FindCase{"FirstRow", 2, QStringLiteral("hałas"), {"2/0", Ended}, {"Dalej", "Szukaj"}},
                      FindCase{"LastRow", 2, QStringLiteral("KOTWICA"), {"2/6", Ended}, {"Szukaj", "Szukaj"}},
                      FindCase{"NothingInTheGroup", 0, QStringLiteral("hałas"),
                               {"Nie znaleziono: „hałas”.", "Nie znaleziono: „hałas”."}, {"Szukaj", "Szukaj"}},
                      FindCase{"NoGroupChosenGoesThroughEveryGroupInOrder", -1, QStringLiteral("łańcuch"),
                               {"0/2", "0/3", "2/2", "2/5", Ended, "0/2"},
                               {"Dalej", "Dalej", "Dalej", "Dalej", "Szukaj", "Dalej"}},
                      FindCase{"NoGroupChosenNothingAnywhere", -1, QStringLiteral("Dźwig"),
                               {"Nie znaleziono: „Dźwig”."}, {"Szukaj"}}),
    caseName<FindCase>);

struct PasteCase {
    const char* name;
    QString copied;   // the project's cell that is copied; null: the clipboard holds no text
    int tab, column, row;
    QString risk;
    int messages;
    bool byKeys = false;   // Ctrl+C and Ctrl+V instead of the menu items
    QString kept;          // what a refused paste leaves in the cell
};

class CopyAndPaste : public HazardRowsTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(CopyAndPaste, MoveACellsTextBetweenWindows)
{
    const PasteCase& c = GetParam();
    TStringGridIni* source =
        select(open(QStringLiteral("p.rpr"), document(QStringLiteral("PHA"), {c.copied.isNull() ? "a" : c.copied}, {})), 2, 0, 1);
    QApplication::clipboard()->clear();
    if (!c.copied.isNull())
        c.byKeys ? QTest::keyClick(source, Qt::Key_C, Qt::ControlModifier) : run("CopyItem");
    DocumentWindow* assessment = open(QStringLiteral("o.ron"), document(QStringLiteral("PHA"), {"h||||2=s|3=p"}, {"q"}));
    TStringGridIni* table = select(assessment, c.tab, c.column, c.row);
    c.byKeys ? QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier) : run("ToolButton6");
    const bool refused = c.messages > 0;
    EXPECT_EQ(table->cell(c.column, c.row), refused ? c.kept : c.copied.isNull() ? QString() : c.copied);
    EXPECT_EQ(assessment->StringGridIni1->cell(6, 1), c.risk);
    EXPECT_EQ(prompts.messages.size(), c.messages);
    EXPECT_EQ(assessment->document().isModified(), !refused);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CopyAndPaste,
    ::testing::Values(PasteCase{"HazardIntoChecklist", QStringLiteral("Hałas"), 4, 0, 1, "", 0, false, {}},
                      PasteCase{"EmptyClipboardEmptiesTheCell", {}, 4, 0, 1, "", 0, false, {}},
                      PasteCase{"RatingRecomputesTheRisk", risk::scale(RiskMethod::PHA, risk::Factor::S).at(4), 3, 4,
                                1, risk::riskText(RiskMethod::PHA, 15), 0, true, {}},
                      PasteCase{"RatingOffTheScaleIsRefused", QStringLiteral("x"), 3, 5, 1, "", 1, false,
                                QStringLiteral("3=p")}),
    caseName<PasteCase>);

// Copying rows from another document: what is offered and marked, what lands in the target,
// when the ratings come along, and that the source file keeps its bytes.
struct CopyCase {
    const char* name;
    const char* target;         // t.rpr a project, t.ron an assessment
    const char* targetMethod;
    const char* source;
    const char* sourceMethod;
    bool all;                   // "zaznacz wszystkie" ticked on both tabs before copying
    QStringList hazards;        // hazard/source of the target's rows afterwards
    QStringList checklist;      // the target's questions afterwards
    bool rated;                 // the copied rated row keeps its S and gets its risk
    int messages;               // why the ratings stayed empty
};

class CopyRows : public HazardRowsTest, public ::testing::WithParamInterface<CopyCase> {
protected:
    // A hazard row rated with the second entry of each of the method's factors.
    static QString rated(const QString& cells, const char* method)
    {
        const RiskMethod m = risk::methodFromIndex(int(risk::methodNames().indexOf(QLatin1String(method))));
        const risk::HazardColumns columns = risk::hazardColumns(m);
        QStringList row = cells.split(QLatin1Char('|'));
        while (row.size() < columns.count)
            row.append(QString());
        row[columns.s] = risk::scale(m, risk::Factor::S).value(1);
        row[columns.p] = risk::scale(m, risk::Factor::P).value(1);
        if (columns.e >= 0)
            row[columns.e] = risk::scale(m, risk::Factor::E).value(1);
        return row.join(QLatin1Char('|'));
    }

    static QString withCard(const char* file, const QString& text)
    {
        return QString::fromLatin1(file).endsWith(QLatin1String(".ron")) ? text + QStringLiteral("[OPISOC]\r\nJednostka=J\r\n")
                                                                        : text;
    }
};

TEST_P(CopyRows, AppendTheTickedRowsToTheTarget)
{
    const CopyCase& c = GetParam();
    const QString source = writeDocument(
        folder.path(QLatin1String(c.source)),
        withCard(c.source, document(QLatin1String(c.sourceMethod),
                                    {"HAŁAS|SZLIFIERKA|Niedosłuch", rated(QStringLiteral("Pył|Cięcie|Pylica|Odciąg"), c.sourceMethod)},
                                    {"CZY SĄ INSTRUKCJE?|Opracować", "Czy jest apteczka?|Zakupić"})));
    const QByteArray sourceBytes = bytesOf(source);
    DocumentWindow* window = open(QLatin1String(c.target),
                                  withCard(c.target, document(QLatin1String(c.targetMethod), {"hałas|szlifierka"},
                                                              {"Czy są instrukcje?"})));
    prompts.fileNames.enqueue(source);
    QStringList marks;
    const bool shown = whileModal<CopyHazardsDialog>(&copyHazardsDialog, [&] { run("KopiujZagrozenia"); },
                                                     [&](CopyHazardsDialog& dialog) {
        for (QTreeWidget* list : {dialog.hazards, dialog.checklist}) {
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                marks.append(list->topLevelItem(i)->text(2) + QLatin1Char('/') +
                             QString::number(list->topLevelItem(i)->checkState(0)));
        }
        if (c.all) {
            dialog.allHazards->click();
            dialog.allChecklist->click();
        }
        dialog.accept();
    });
    ASSERT_TRUE(shown);
    EXPECT_EQ(marks, (QStringList{"już w tabeli/0", "/2", "już w tabeli/0", "/2"}));
    const DocumentTable& hazards = window->document().hazards();
    QStringList rows;
    for (int r = 1; r < hazards.rowCount(); ++r)
        rows.append(hazards.cell(0, r) + QLatin1Char('/') + hazards.cell(1, r));
    EXPECT_EQ(rows, c.hazards);
    // The copied rated row comes last.
    const int last = hazards.rowCount() - 1;
    EXPECT_EQ(hazards.cell(2, last), QStringLiteral("Pylica"));
    EXPECT_EQ(hazards.cell(3, last), QStringLiteral("Odciąg"));
    EXPECT_EQ(!hazards.cell(4, last).isEmpty(), c.rated) << "S";
    if (window->document().kind() == DocumentKind::Assessment) {
        EXPECT_EQ(!hazards.cell(risk::hazardColumns(window->method()).risk, last).isEmpty(), c.rated) << "risk";
    }
    EXPECT_EQ(column0(window->StringGridIni2), c.checklist);
    const DocumentTable& checklist = window->document().checklist();
    EXPECT_EQ(checklist.cell(1, checklist.rowCount() - 1), QStringLiteral("Zakupić"));
    EXPECT_EQ(prompts.messages.size(), c.messages);
    EXPECT_TRUE(window->document().isModified());
    EXPECT_EQ(bytesOf(source), sourceBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, CopyRows,
    ::testing::Values(
        CopyCase{"ProjectToProject", "t.rpr", "PHA", "z.rpr", "PHA", false, {"hałas/szlifierka", "Pył/Cięcie"},
                 {"Czy są instrukcje?", "Czy jest apteczka?"}, false, 0},
        CopyCase{"AllTickedTakesTheDuplicatesToo", "t.rpr", "PHA", "z.ron", "PHA", true,
                 {"hałas/szlifierka", "HAŁAS/SZLIFIERKA", "Pył/Cięcie"},
                 {"Czy są instrukcje?", "CZY SĄ INSTRUKCJE?", "Czy jest apteczka?"}, false, 0},
        CopyCase{"SameMethodKeepsRatings", "t.ron", "RISK SCORE", "z.ron", "RISK SCORE", false,
                 {"hałas/szlifierka", "Pył/Cięcie"}, {"Czy są instrukcje?", "Czy jest apteczka?"}, true, 0},
        CopyCase{"OtherMethodLeavesRatingsEmpty", "t.ron", "PHA", "z.ron", "RISK SCORE", false,
                 {"hałas/szlifierka", "Pył/Cięcie"}, {"Czy są instrukcje?", "Czy jest apteczka?"}, false, 1},
        CopyCase{"ProjectIntoAssessmentHasNoRatings", "t.ron", "PHA", "z.rpr", "PHA", false,
                 {"hałas/szlifierka", "Pył/Cięcie"}, {"Czy są instrukcje?", "Czy jest apteczka?"}, false, 1}),
    caseName<CopyCase>);
