// How the document windows are framed in the document area: a window created or opened
// over a maximised one opens maximised and draws at the area's size; the frames tell their
// documents apart by their icons and, minimised, by their file names; the commands follow
// the active window.

#include "file_commands_fixture.h"

#include "shell/product.h"
#include "support/pages_of.h"

#include <QStyle>
#include <QTabWidget>

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
    EXPECT_EQ(form->windowTitle().count(ProductName), 1) << "only the main window carries the product's name";
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

class DocumentFrames : public FileCommandsTest {
protected:
    // A new project and a new assessment of the project "tokarz.rpr".
    QList<QMdiSubWindow*> openBothKinds()
    {
        writeDocument(projekty("tokarz.rpr"), Project);
        start();
        run("Projekt1");
        prompts.fileNames.enqueue(projekty("tokarz.rpr"));
        run("Ocenaryzyka1");
        return form->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    }
};

TEST_F(DocumentFrames, EachKindHasItsOwnIconAndAMinimisedFrameShowsTheFileName)
{
    const QList<QMdiSubWindow*> frames = openBothKinds();
    ASSERT_EQ(frames.size(), 2);
    const auto image = [](const QIcon& icon) { return icon.pixmap(16, 16).toImage(); };
    QList<QImage> images{image(QApplication::windowIcon()),
                         image(QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton))};
    const QString names[] = {QStringLiteral("PROJEKT1.rpr"), QStringLiteral("OCENA2.ron")};
    run("WindowMinimizeItem");
    for (int i = 0; i < 2; ++i) {
        const QIcon icon = frames[i]->windowIcon();
        EXPECT_FALSE(icon.isNull()) << names[i].toStdString();
        EXPECT_FALSE(images.contains(image(icon))) << names[i].toStdString() << ": an icon of its own kind";
        images.append(image(icon));

        EXPECT_TRUE(frames[i]->isMinimized());
        EXPECT_EQ(frames[i]->windowTitle(), names[i]);
        EXPECT_EQ(frames[i]->widget()->windowTitle(), projekty(names[i])) << "the document keeps its full path";
        frames[i]->showNormal();
        EXPECT_EQ(frames[i]->windowTitle(), projekty(names[i]));
    }
}

// With every window minimised the row and report commands are off; they come back with
// the window restored.
TEST_F(DocumentFrames, WithEveryWindowMinimisedTheCommandsFollowTheActiveOne)
{
    const QList<QMdiSubWindow*> frames = openBothKinds();
    pagesOf(active())->setCurrentIndex(3);
    const auto commandsOn = [this] {
        return QList<bool>{form->findChild<QAction*>("Dodajwierszdoprojektu1")->isEnabled(),
                           form->findChild<QAction*>("PrzeniedoWorda1")->isEnabled()};
    };
    ASSERT_EQ(commandsOn(), (QList<bool>{true, true}));
    run("WindowMinimizeItem");
    EXPECT_EQ(commandsOn(), (QList<bool>{false, false}));
    form->mdiArea()->setActiveSubWindow(frames[1]);
    frames[1]->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(commandsOn(), (QList<bool>{true, true})) << "the assessment shows its hazard table";
    frames[1]->showMinimized();
    QApplication::processEvents();
    EXPECT_EQ(commandsOn(), (QList<bool>{false, false}));
}

} // namespace
