// The autoscale rule. This binary runs on an offscreen screen 1024 pixels wide at 120
// pixels per inch, where the rule's factor is 1024 x 96 / (120 x 800) = 1.024.

#include "documents/auto_scale.h"

#include "base/program_settings.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

// A window laid out by hand, as the program's windows are: a panel with a label inside.
struct Window {
    Window()
    {
        window.resize(400, 300);
        panel->setGeometry(10, 20, 100, 30);
        label->setGeometry(5, 3, 33, 11);
    }
    QWidget window;
    QWidget* panel = new QWidget(&window);
    QLabel* label = new QLabel(QStringLiteral("Tekst"), panel);
};

QFont pixelFont(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

class AutoScale : public ::testing::Test {
protected:
    void SetUp() override { programSettings() = ProgramSettings{}; }
    void TearDown() override { programSettings() = ProgramSettings{}; }
};

TEST_F(AutoScale, PositionsAndSizesAreMultipliedAndRounded)
{
    Window w;
    ScaleWidgetTree(&w.window, 128, 100);
    EXPECT_EQ(w.window.size(), QSize(512, 384));
    EXPECT_EQ(w.panel->geometry(), QRect(13, 26, 128, 38));   // 12.8, 25.6, 128, 38.4
    EXPECT_EQ(w.label->geometry(), QRect(6, 4, 42, 14));      // 6.4, 3.84, 42.24, 14.08
}

TEST_F(AutoScale, HalvesRoundAwayFromZero)
{
    Window w;
    w.panel->setGeometry(1, 3, 5, 7);
    ScaleWidgetTree(&w.window, 3, 2);
    EXPECT_EQ(w.panel->geometry(), QRect(2, 5, 8, 11));   // 1.5, 4.5, 7.5, 10.5
}

TEST_F(AutoScale, ScalingDownWorksTheSameWay)
{
    Window w;
    ScaleWidgetTree(&w.window, 1, 2);
    EXPECT_EQ(w.window.size(), QSize(200, 150));
    EXPECT_EQ(w.panel->geometry(), QRect(5, 10, 50, 15));
    EXPECT_EQ(w.label->geometry(), QRect(3, 2, 17, 6));   // 2.5, 1.5, 16.5, 5.5
}

TEST_F(AutoScale, FontsAreScaledOnceEachWhereverTheyAreSet)
{
    Window w;
    w.window.setFont(pixelFont(12));
    QFont points(QStringLiteral("Arial"));
    points.setPointSize(10);
    w.panel->setFont(points);
    ScaleWidgetTree(&w.window, 128, 100);
    EXPECT_EQ(w.window.font().pixelSize(), 15);   // 15.36
    EXPECT_EQ(w.panel->font().pointSize(), 13);   // 12.8
    EXPECT_EQ(w.label->font().pointSize(), 13) << "inherited from the panel, not scaled again";
    w.panel->setFont(pixelFont(20));
    EXPECT_EQ(w.label->font().pixelSize(), 20) << "the label still follows the panel's font";
}

TEST_F(AutoScale, FixedSizesAndSizeLimitsGrowAndShrinkWithTheWindow)
{
    Window w;
    w.panel->setFixedSize(50, 20);
    w.window.setMinimumSize(300, 200);
    ScaleWidgetTree(&w.window, 128, 100);
    EXPECT_EQ(w.panel->size(), QSize(64, 26));
    EXPECT_EQ(w.panel->maximumSize(), QSize(64, 26));
    EXPECT_EQ(w.window.minimumSize(), QSize(384, 256));
    EXPECT_EQ(w.window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_EQ(w.label->minimumSize(), QSize(0, 0));

    ScaleWidgetTree(&w.window, 100, 128);
    EXPECT_EQ(w.panel->size(), QSize(50, 20));
    EXPECT_EQ(w.window.minimumSize(), QSize(300, 200));
}

TEST_F(AutoScale, OtherWindowsAndDocumentWindowsScaleThemselves)
{
    Window w;
    QDialog dialog(&w.window);
    dialog.resize(200, 100);
    auto* area = new QMdiArea(&w.window);
    area->setGeometry(0, 100, 300, 200);
    QMdiSubWindow* document = area->addSubWindow(new QWidget);
    document->setGeometry(10, 10, 150, 80);
    ScaleWidgetTree(&w.window, 2, 1);
    EXPECT_EQ(dialog.size(), QSize(200, 100));
    EXPECT_EQ(document->geometry(), QRect(10, 10, 150, 80));
    EXPECT_EQ(area->geometry(), QRect(0, 200, 600, 400));
}

TEST_F(AutoScale, CompoundControlsKeepTheirInsidesInPlace)
{
    Window w;
    auto* memo = new QPlainTextEdit(&w.window);
    memo->setGeometry(0, 100, 200, 100);
    w.window.show();
    ScaleWidgetTree(&w.window, 128, 100);
    EXPECT_EQ(memo->geometry(), QRect(0, 128, 256, 128));
    EXPECT_EQ(memo->viewport()->geometry(), memo->contentsRect());
}

TEST_F(AutoScale, ScreenRatioIsWidthTimes96OverPixelsPerInchTimes800)
{
    Window w;
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().width(), 1024) << "run with the 1024-pixel offscreen screen";
    ASSERT_EQ(qRound(screen->logicalDotsPerInch()), 120);
    const ScaleRatio ratio = ScreenScaleRatio(&w.window);
    EXPECT_EQ(ratio.m, 1024 * 96);
    EXPECT_EQ(ratio.d, 120 * 800);
}

TEST_F(AutoScale, ApplyAutoScaleUsesTheScreenRatioWhenSwitchedOn)
{
    programSettings().AutoScale = true;
    Window w;
    w.panel->setGeometry(10, 20, 250, 100);
    ApplyAutoScale(&w.window);
    EXPECT_EQ(w.window.size(), QSize(410, 307));            // 409.6, 307.2
    EXPECT_EQ(w.panel->geometry(), QRect(10, 20, 256, 102));   // 10.24, 20.48, 256, 102.4
}

TEST_F(AutoScale, ApplyAutoScaleDoesNothingWhenSwitchedOff)
{
    Window w;
    w.window.setFont(pixelFont(12));
    ApplyAutoScale(&w.window);
    EXPECT_EQ(w.window.size(), QSize(400, 300));
    EXPECT_EQ(w.panel->geometry(), QRect(10, 20, 100, 30));
    EXPECT_EQ(w.window.font().pixelSize(), 12);
}

} // namespace
