// How the document windows are framed in the document area: a window created or opened
// over a maximised one opens maximised and draws at the area's size.

#include "file_commands_fixture.h"

namespace {

const QString Project = QStringLiteral("[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=PHA\r\n");

class OverAMaximisedWindow : public FileCommandsTest, public ::testing::WithParamInterface<const char*> {};

// New project, new assessment, open: the command decides how the second window comes.
TEST_P(OverAMaximisedWindow, TheNewWindowOpensMaximisedAndDrawsAtTheAreasSize)
{
    writeDocument(projekty("tokarz.rpr"), Project);
    start();
    run("Projekt1");
    QMdiSubWindow* first = form->mdiArea()->currentSubWindow();
    first->showMaximized();
    QApplication::processEvents();
    prompts.fileNames.enqueue(projekty("tokarz.rpr"));
    run(GetParam());

    QMdiSubWindow* second = form->mdiArea()->currentSubWindow();
    ASSERT_NE(second, first);
    const QRect area = form->mdiArea()->viewport()->rect();
    EXPECT_TRUE(second->isMaximized());
    EXPECT_EQ(second->geometry(), area);
    EXPECT_GT(second->widget()->width(), area.width() - 20) << "drawn at the area's size, not in a corner";
    const QString pictures = QStringLiteral(SCREENSHOT_DIR);
    QDir().mkpath(pictures);
    EXPECT_TRUE(form->grab().save(QDir(pictures).filePath(QStringLiteral("maximised_then_%1.png").arg(GetParam()))));

    second->showNormal();
    EXPECT_EQ(second->widget()->size(), QSize(755, 448)) << "restored, it has the size it was made with";
    second->showMaximized();
    second->close();
    QApplication::processEvents();
    EXPECT_TRUE(first->isMaximized()) << "the window under it comes back as it was";
    EXPECT_EQ(first->geometry(), area);
}

INSTANTIATE_TEST_SUITE_P(, OverAMaximisedWindow, ::testing::Values("Projekt1", "Ocenaryzyka1", "FileOpenItem"));

} // namespace
