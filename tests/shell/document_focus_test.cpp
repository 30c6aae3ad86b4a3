// The keyboard in a document window that has just appeared: the first field of its first
// tab has the focus, whether the window is new or opened, alone or over a maximised one, and
// Tab reaches the method buttons of a new project, where none is chosen yet, and leaves a memo
// (Ctrl+Tab types a tab there); a table that gets the focus shows the keys of its current
// column in the status bar until the focus leaves it.

#include "file_commands_fixture.h"

#include "documents/assessment_window.h"
#include "controls/memo_ini.h"

#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

namespace {

const QString Project = QStringLiteral("[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=PHA\r\n");

struct FocusCase {
    const char* command;
    const char* file;   // what the open dialog answers; empty: no dialog
    bool assessment;    // the first field is the assessment card's, else the project's
    bool overMaximised; // the window comes over a maximised one
};

class FirstField : public FileCommandsTest, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(FirstField, HasTheFocusOfANewWindow)
{
    writeDocument(projekty("tokarz.rpr"), Project);
    writeDocument(projekty("tokarz.ron"), Project);
    start();
    if (GetParam().overMaximised) {
        prompts.fileNames.enqueue(projekty("tokarz.rpr"));
        run("FileOpenItem");
        form->mdiArea()->currentSubWindow()->showMaximized();
    }
    if (*GetParam().file)
        prompts.fileNames.enqueue(projekty(QLatin1String(GetParam().file)));
    run(GetParam().command);
    DocumentWindow* window = active();
    ASSERT_NE(window, nullptr);
    QWidget* first = GetParam().assessment ? static_cast<QWidget*>(static_cast<TForm5*>(window)->EditIni4)
                                           : static_cast<QWidget*>(window->EditIni1);
    EXPECT_EQ(QApplication::focusWidget(), first);
}

INSTANTIATE_TEST_SUITE_P(, FirstField,
                         ::testing::Values(FocusCase{"Projekt1", "", false, false},
                                           FocusCase{"FileOpenItem", "tokarz.rpr", false, false},
                                           FocusCase{"Ocenaryzyka1", "tokarz.rpr", true, false},
                                           FocusCase{"FileOpenItem", "tokarz.ron", true, false},
                                           FocusCase{"Ocenaryzyka1", "tokarz.rpr", true, true},
                                           FocusCase{"FileOpenItem", "tokarz.ron", true, true}));

TEST_F(FileCommandsTest, TabReachesTheMethodOfANewProject)
{
    start();
    run("Projekt1");
    DocumentWindow* window = active();
    ASSERT_NE(window, nullptr);
    window->EditIni1->setFocus();
    for (int press = 0; press < 5 && !qobject_cast<QRadioButton*>(QApplication::focusWidget()); ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* button = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    ASSERT_NE(button, nullptr) << "Tab stays in " << QApplication::focusWidget()->metaObject()->className();
    EXPECT_TRUE(window->RadioGroupIni1->isAncestorOf(button));
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(window->method(), RiskMethod::PHA);
}

TEST_F(FileCommandsTest, TabLeavesAMemoAndCtrlTabTypesATab)
{
    start();
    run("Projekt1");
    run("Projekt1");   // a second window: Ctrl+Tab would switch to it
    DocumentWindow* window = active();
    ASSERT_NE(window, nullptr);
    window->RadioGroupIni1->setItemIndex(0);   // a method lets the workstation tab open
    window->findChild<QTabWidget*>()->setCurrentIndex(1);
    window->MemoIni2->setFocus();
    QTest::keyClick(window->MemoIni2, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(window->MemoIni2->toPlainText(), QStringLiteral("\t"));
    EXPECT_EQ(active(), window);
    QTest::keyClick(window->MemoIni2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->MemoIni3);
    EXPECT_EQ(window->MemoIni2->toPlainText(), QStringLiteral("\t"));
}

TEST_F(FileCommandsTest, TableWithTheFocusShowsItsKeysInTheStatusBar)
{
    writeDocument(projekty("tokarz.rpr"), Project + QStringLiteral("[ZAGROZENIA]\r\nTABELA0/1=Hałas\r\n"));
    start();
    prompts.fileNames.enqueue(projekty("tokarz.rpr"));
    run("FileOpenItem");
    DocumentWindow* window = active();
    ASSERT_NE(window, nullptr);
    window->findChild<QTabWidget*>()->setCurrentIndex(2);
    window->StringGridIni1->setFocus();
    window->StringGridIni1->setCurrentCell(1, 0);
    QApplication::processEvents();
    EXPECT_EQ(form->statusBar()->currentMessage(), window->StringGridIni1->statusTip());
    EXPECT_FALSE(form->statusBar()->currentMessage().isEmpty());
    // The hint follows the keyboard to the S column.
    QTest::keyClick(window->StringGridIni1, Qt::Key_End);
    EXPECT_TRUE(form->statusBar()->currentMessage().startsWith(QStringLiteral("Stopień szkód S:")))
        << form->statusBar()->currentMessage().toStdString();
    // Leaving the table takes its keys off the status bar.
    window->findChild<QTabWidget*>()->setCurrentIndex(0);
    window->EditIni1->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form->statusBar()->currentMessage(), QString());
}

} // namespace
