// Document windows under the autoscale rule on a screen 1024 pixels wide at 120 pixels per
// inch (factor 1.024): the frame shows the whole scaled window, and the scaled window
// shows all of its content.

#include "file_commands_fixture.h"

#include "documents/document_window.h"
#include "support/pages_of.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>

namespace {

const QString Project = QStringLiteral(
    "[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=PHA\r\n[ZAGROZENIA]\r\nTABELA0/1=Hałas\r\nTABELA4/1=1=małe\r\n");

class ScaledDocumentWindow : public FileCommandsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ScaledDocumentWindow, IsFramedWholeAndShowsAllItsContent)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().width(), 1024);
    writeDocument(projekty("tokarz.rpr"), Project);
    start();
    form->showMaximized();
    programSettings().AutoScale = true;
    prompts.fileNames.enqueue(projekty("tokarz.rpr"));
    run(GetParam());

    QMdiSubWindow* frame = form->mdiArea()->currentSubWindow();
    ASSERT_NE(frame, nullptr);
    DocumentWindow* window = active();
    EXPECT_EQ(window->size(), QSize(773, 459)) << "755 x 448 times 1.024";
    EXPECT_TRUE(frame->contentsRect().contains(window->geometry()));
    EXPECT_TRUE(form->mdiArea()->viewport()->rect().contains(frame->geometry())) << "no edge is cut";

    const QString pictures = QFileInfo(QStringLiteral(SCREENSHOT_PATH)).path();
    QDir().mkpath(pictures);
    for (int tab = 0; tab < pagesOf(window)->count(); ++tab) {
        pagesOf(window)->setCurrentIndex(tab);
        QApplication::processEvents();
        QWidget* page = pagesOf(window)->currentWidget();
        for (const QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->isVisible()) {
                EXPECT_TRUE(page->rect().contains(control->geometry())) << control->metaObject()->className();
            }
        }
        for (const QTableView* table : page->findChildren<QTableView*>()) {
            const int title = table->horizontalHeader()->isVisible() ? table->horizontalHeader()->height()
                                                                      : table->rowHeight(0);
            EXPECT_GE(title, table->fontMetrics().height()) << "the title text is not cut";
        }
        EXPECT_TRUE(form->grab().save(QDir(pictures).filePath(QStringLiteral("scaled_%1_tab%2.png").arg(GetParam()).arg(tab))));
    }
}

INSTANTIATE_TEST_SUITE_P(, ScaledDocumentWindow, ::testing::Values("Projekt1", "FileOpenItem"));

} // namespace
