// The "&Okna" menu: arranging the document windows and the list of open windows.

#include "shell/main_window.h"
#include "shell/mdi_arrange.h"

#include "base/program_settings.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <algorithm>

namespace {

class WindowArrangement : public ::testing::Test {
protected:
    void SetUp() override
    {
        programSettings() = ProgramSettings{};
        QObject::disconnect(&form, &TForm1::welcomeScreenRequested, &form, nullptr);   // no welcome screen
        form.resize(900, 700);
        form.show();
        for (const char* title : {"/dok/PROJEKT1.rpr", "/dok/PROJEKT2.rpr", "/dok/OCENA1.ron"}) {
            auto* document = new QWidget;
            document->setWindowTitle(title);
            QMdiSubWindow* window = form.mdiArea()->addSubWindow(document);
            window->setGeometry(10, 10, 300, 200);
            window->show();
            windows.append(window);
        }
        QApplication::processEvents();
    }
    void TearDown() override { programSettings() = ProgramSettings{}; }

    void run(const char* command)
    {
        form.findChild<QAction*>(command)->trigger();
        QApplication::processEvents();
    }

    QRect area() const { return form.mdiArea()->viewport()->rect(); }

    TempFolder folder;
    PromptsScope scope;
    TForm1 form{folder.root()};
    QList<QMdiSubWindow*> windows;
};

TEST_F(WindowArrangement, CascadePutsTheWindowsOnADiagonal)
{
    run("WindowCascadeItem");
    QList<QPoint> corners;
    for (QMdiSubWindow* window : windows)
        corners.append(window->pos());
    std::sort(corners.begin(), corners.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    for (qsizetype i = 1; i < corners.size(); ++i) {
        EXPECT_GT(corners[i].y(), corners[i - 1].y());
        EXPECT_GT(corners[i].x(), corners[i - 1].x());
    }
}

TEST_F(WindowArrangement, TileGivesEveryWindowTheFullWidthOneBelowTheOther)
{
    windows[0]->showMaximized();
    run("WindowTileItem");
    const QRect free = area();
    int expectedTop = 0;
    for (QMdiSubWindow* window : windows) {
        EXPECT_FALSE(window->isMaximized());
        EXPECT_EQ(window->x(), 0);
        EXPECT_EQ(window->width(), free.width());
        EXPECT_EQ(window->y(), expectedTop);
        EXPECT_NEAR(window->height(), free.height() / 3, 1);
        expectedTop += window->height();
    }
    EXPECT_EQ(expectedTop, free.height());
}

TEST_F(WindowArrangement, TileLeavesTheRowOfMinimisedWindowsFree)
{
    windows[2]->showMinimized();
    run("WindowTileItem");
    EXPECT_TRUE(windows[2]->isMinimized());
    const int iconTop = area().height() - windows[2]->height();
    EXPECT_EQ(windows[0]->y(), 0);
    EXPECT_EQ(windows[1]->y() + windows[1]->height(), iconTop);
    EXPECT_EQ(windows[1]->y(), windows[0]->height());
}

TEST_F(WindowArrangement, MinimiseAllMinimisesEveryWindow)
{
    run("WindowMinimizeItem");
    for (QMdiSubWindow* window : windows)
        EXPECT_TRUE(window->isMinimized()) << window->windowTitle().toStdString();
}

TEST_F(WindowArrangement, ArrangeIconsLinesUpTheMinimisedWindowsAlongTheBottom)
{
    run("WindowMinimizeItem");
    windows[0]->move(200, 40);
    windows[2]->move(5, 5);
    run("WindowTileItem2");
    int left = 0;
    for (QMdiSubWindow* window : windows) {
        EXPECT_EQ(window->pos(), QPoint(left, area().height() - window->height()))
            << window->windowTitle().toStdString();
        left += window->width();
    }
}

TEST_F(WindowArrangement, ArrangeIconsLeavesOpenWindowsWhereTheyAre)
{
    windows[1]->showMinimized();
    windows[0]->move(123, 45);
    run("WindowTileItem2");
    EXPECT_EQ(windows[0]->pos(), QPoint(123, 45));
    EXPECT_EQ(windows[1]->pos(), QPoint(0, area().height() - windows[1]->height()));
}

TEST_F(WindowArrangement, WindowMenuListsTheOpenWindowsWithTheActiveOneCheckedAndRestoresTheChosen)
{
    form.mdiArea()->setActiveSubWindow(windows[1]);
    auto* menu = form.findChild<QMenu*>("Window1");
    emit menu->aboutToShow();
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4 + 1 + 3);
    EXPECT_TRUE(items[4]->isSeparator());
    EXPECT_EQ(items[5]->text(), "&1 /dok/PROJEKT1.rpr");
    EXPECT_EQ(items[6]->text(), "&2 /dok/PROJEKT2.rpr");
    EXPECT_EQ(items[7]->text(), "&3 /dok/OCENA1.ron");
    EXPECT_FALSE(items[5]->isChecked());
    EXPECT_TRUE(items[6]->isChecked());

    items[7]->trigger();
    EXPECT_EQ(form.mdiArea()->activeSubWindow(), windows[2]);

    // A minimised window chosen from the list comes back to be worked on.
    windows[0]->showMinimized();
    emit menu->aboutToShow();
    menu->actions()[5]->trigger();
    EXPECT_EQ(form.mdiArea()->activeSubWindow(), windows[0]);
    EXPECT_FALSE(windows[0]->isMinimized());
}

TEST_F(WindowArrangement, WindowMenuFollowsWindowsThatClose)
{
    auto* menu = form.findChild<QMenu*>("Window1");
    emit menu->aboutToShow();
    delete windows.takeLast();
    delete windows.takeLast();
    emit menu->aboutToShow();
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4 + 1 + 1);
    EXPECT_EQ(items[5]->text(), "&1 /dok/PROJEKT1.rpr");
    delete windows.takeLast();
    emit menu->aboutToShow();
    ASSERT_EQ(menu->actions().size(), 5);
    EXPECT_FALSE(menu->actions()[4]->isVisible()) << "no separator without windows";
}

TEST_F(WindowArrangement, ScrollBarsReachAWindowMovedPartlyOutOfTheArea)
{
    windows[0]->move(area().width() - 50, area().height() - 50);
    QApplication::processEvents();
    EXPECT_GT(form.mdiArea()->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(form.mdiArea()->verticalScrollBar()->maximum(), 0);
}

TEST(ArrangeIcons, StartsANewRowAboveWhenARowIsFull)
{
    QMdiArea area;
    area.resize(400, 300);
    area.show();
    QList<QMdiSubWindow*> icons;
    for (int i = 0; i < 3; ++i) {
        QMdiSubWindow* window = area.addSubWindow(new QWidget);
        window->show();
        window->showMinimized();
        icons.append(window);
    }
    QApplication::processEvents();
    // Room for two and a half icons in a row.
    const QSize icon = icons[0]->size();
    area.resize(icon.width() * 5 / 2 + area.width() - area.viewport()->width(), 300);
    QApplication::processEvents();
    const int perRow = 2;

    arrangeIcons(&area);
    const int bottomRow = area.viewport()->height() - icon.height();
    for (int i = 0; i < 3; ++i) {
        const QPoint expected((i % perRow) * icon.width(), bottomRow - (i / perRow) * icon.height());
        EXPECT_EQ(icons[i]->pos(), expected) << i;
    }
}

} // namespace
