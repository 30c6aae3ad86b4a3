// How the document windows are framed in the document area: a window created or opened
// over a maximised one opens maximised and draws at the area's size, others fill the area or
// take the size last left; the frames tell their
// documents apart by their icons and, minimised, by their file names; the commands follow
// the active window; a window larger than the area starts at its top-left corner.

#include "file_commands_fixture.h"

#include "shell/product.h"
#include "support/pages_of.h"

#include <QFileInfo>
#include <QStyle>
#include <QTabWidget>

namespace {

// New project, new assessment, open: the command decides how the new window comes.
class NewWindow : public FileCommandsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NewWindow, OverAMaximisedOneOpensMaximisedAndDrawsAtTheAreasSize)
{
    start();
    run("Projekt1");
    QMdiSubWindow* first = form->mdiArea()->currentSubWindow();
    first->showMaximized();
    QApplication::processEvents();
    runOnProject(GetParam());

    QMdiSubWindow* second = form->mdiArea()->currentSubWindow();
    ASSERT_NE(second, first);
    const QRect area = form->mdiArea()->viewport()->rect();
    EXPECT_TRUE(second->isMaximized());
    EXPECT_EQ(form->windowTitle().count(ProductName), 1) << "only the main window carries the product's name";
    EXPECT_EQ(second->geometry(), area);
    EXPECT_GT(second->widget()->width(), area.width() - 20) << "drawn at the area's size, not in a corner";
    const QString pictures = QStringLiteral(SCREENSHOT_DIR);
    QDir().mkpath(pictures);
    EXPECT_TRUE(form->grab().save(QDir(pictures).filePath(QStringLiteral("maximised_then_%1.png").arg(GetParam()))));

    second->showNormal();
    EXPECT_EQ(second->geometry(), area) << "restored, it fills the area it was made in";
    second->showMaximized();
    second->close();
    QApplication::processEvents();
    EXPECT_TRUE(first->isMaximized()) << "the window under it comes back as it was";
    EXPECT_EQ(first->geometry(), area);
}

// A window larger than the document area (a document opened while the main window is still
// coming up, a scaled window) starts with its title bar and left edge in the area.
TEST_P(NewWindow, LargerThanTheAreaStartsAtItsTopLeft)
{
    start();
    form->resize(420, 320);
    QApplication::processEvents();
    runOnProject(GetParam());

    QMdiSubWindow* frame = form->mdiArea()->currentSubWindow();
    ASSERT_NE(frame, nullptr);
    ASSERT_GT(frame->width(), form->mdiArea()->viewport()->width());
    EXPECT_EQ(frame->pos(), QPoint(0, 0));
}

INSTANTIATE_TEST_SUITE_P(, NewWindow, ::testing::Values("Projekt1", "Ocenaryzyka1", "FileOpenItem"));

// Once a window has been closed at a size of its own, the next ones take that size, also in
// the next run of the program (TARVEN.INI); before, they fill the area.
TEST_F(FileCommandsTest, NewWindowFillsTheAreaOrTakesTheSizeLastLeft)
{
    start();
    run("Projekt1");
    QMdiSubWindow* first = form->mdiArea()->currentSubWindow();
    first->resize(first->minimumSizeHint() + QSize(40, 30));
    const QSize left = first->size();
    first->close();
    run("Projekt1");
    EXPECT_EQ(form->mdiArea()->currentSubWindow()->size(), left);
    form->mdiArea()->currentSubWindow()->showMaximized();
    form->close();
    ASSERT_FALSE(form->isVisible());

    form = std::make_unique<TForm1>(folder.root());
    form->resize(1000, 700);
    form->show();
    run("Projekt1");
    EXPECT_EQ(form->mdiArea()->currentSubWindow()->size(), left) << "a maximised window keeps no size";
}

// A new project and a new assessment, all minimised, then restored one at a time: each
// frame has an icon of its kind, shows its file name while minimised, and the row and
// report commands are off while the active window is minimised.
TEST_F(FileCommandsTest, MinimisedFramesShowTheirFileNamesAndLeaveTheCommandsOff)
{
    start();
    run("Projekt1");
    runOnProject("Ocenaryzyka1");
    pagesOf(active())->setCurrentIndex(3);   // the hazard table, where every command applies
    const auto image = [](const QIcon& icon) { return icon.pixmap(16, 16).toImage(); };
    QList<QImage> icons{QImage(), image(QApplication::windowIcon()),
                        image(QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton))};
    const auto commandsOn = [this] {
        return form->findChild<QAction*>("Dodajwierszdoprojektu1")->isEnabled() ||
               form->findChild<QAction*>("PrzeniedoWorda1")->isEnabled();
    };
    run("WindowMinimizeItem");
    EXPECT_FALSE(commandsOn());
    for (QMdiSubWindow* frame : form->mdiArea()->subWindowList(QMdiArea::CreationOrder)) {
        const QString path = frame->widget()->windowTitle();
        EXPECT_EQ(frame->windowTitle(), QFileInfo(path).fileName());
        EXPECT_FALSE(icons.contains(image(frame->windowIcon()))) << path.toStdString();
        icons.append(image(frame->windowIcon()));
        form->mdiArea()->setActiveSubWindow(frame);
        frame->showNormal();
        EXPECT_EQ(frame->windowTitle(), path);
        EXPECT_TRUE(commandsOn());
        frame->showMinimized();
        EXPECT_FALSE(commandsOn());
    }
}

} // namespace
