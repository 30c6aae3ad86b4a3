// Document windows under the autoscale rule on a screen 1024 pixels wide at 120 pixels per
// inch (factor 1.024): the frame shows the whole scaled window, and the scaled window
// shows all of its content; what the controls draw at sizes of their own (table rows and
// title rows, "..." buttons, radio circles, toolbar icons) scales with them.

#include "file_commands_fixture.h"

#include "documents/auto_scale.h"
#include "documents/document_window.h"
#include "documents/project_window.h"
#include "support/pages_of.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QRadioButton>
#include <QToolBar>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>

namespace {

class ScaledDocumentWindow : public FileCommandsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ScaledDocumentWindow, IsFramedWholeAndShowsAllItsContent)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().width(), 1024);
    start();
    form->showMaximized();
    programSettings().AutoScale = true;
    runOnProject(GetParam());

    QMdiSubWindow* frame = form->mdiArea()->currentSubWindow();
    ASSERT_NE(frame, nullptr);
    DocumentWindow* window = active();
    EXPECT_EQ(window->minimumSize(), QSize(773, 451)) << "755 x 440 times 1.024";
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

struct Ratio {
    const char* name;
    int m;   // 0: the screen's own ratio
    int d;
};

class ScaledDrawing : public FileCommandsTest, public ::testing::WithParamInterface<Ratio> {};

TEST_P(ScaledDrawing, FollowsTheWindow)
{
    start();
    runOnProject("FileOpenItem");
    auto* window = static_cast<TForm2*>(active());
    ASSERT_NE(window, nullptr);
    const ScaleRatio ratio = GetParam().m ? ScaleRatio{GetParam().m, GetParam().d} : ScreenScaleRatio(window);
    const auto scaled = [&ratio](int value) { return qRound(double(value) * ratio.m / ratio.d); };
    QRadioButton* method = window->RadioGroupIni1->findChild<QRadioButton*>();
    const auto circle = [method] { return method->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, method); };
    const int circleBefore = circle();

    ScaleWidgetTree(form.get(), ratio.m, ratio.d);
    ScaleWidgetTree(window, ratio.m, ratio.d);
    QApplication::processEvents();

    EXPECT_EQ(form->findChild<QToolBar*>(QStringLiteral("ToolBar1"))->iconSize(), QSize(scaled(32), scaled(32)));
    EXPECT_EQ(window->BitBtn1->size(), QSize(scaled(20), scaled(20)));
    EXPECT_EQ(circle(), scaled(circleBefore));
    for (const TStringGridIni* table : {window->StringGridIni1, window->StringGridIni2}) {
        EXPECT_EQ(table->verticalHeader()->defaultSectionSize(), scaled(20));
        EXPECT_GE(table->horizontalHeader()->height(), scaled(20)) << "the title row";
        EXPECT_GT(table->horizontalHeader()->height(), QFontMetrics(table->font()).height())
            << "the title text is not cut";
    }
}

INSTANTIATE_TEST_SUITE_P(, ScaledDrawing,
                         ::testing::Values(Ratio{"Screen", 0, 0}, Ratio{"Double", 2, 1}, Ratio{"FiveQuarters", 5, 4},
                                           Ratio{"TwoThirds", 2, 3}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
