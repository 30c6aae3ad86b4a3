// A picture of an assessment window with rated hazards, one of them unacceptable, saved
// into the build folder for a person to look at; the test checks the red risk text is
// really painted.

#include "document_test_support.h"
#include "documents/assessment_window.h"
#include "storage/string_grid_ini.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using ScreenshotTest = DocumentWindowTest;

// Pixels whose colour is close to pure red, inside `area`.
int reddishPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 90 && c.blue() < 90)
                ++count;
        }
    }
    return count;
}

TEST_F(ScreenshotTest, AssessmentWindowWithRatedHazards)
{
    const QString ini = QStringLiteral(
        "[OPISOC]\r\nZatrudnienie=4\r\n[OPIS]\r\nMetoda=RISK SCORE\r\n[ZAGROZENIA]\r\n") +
        tableLines({
            {"Hałas", "Tokarka, szlifierka", "Uszkodzenie słuchu", "Ochronniki słuchu, przerwy w pracy",
             "7=straty duże, ciężkie uszkodzenia ciała, straty materialne od 30 do 300tyś zł",
             "3=praktycznie możliwe=1%", "6=częsta (codziennie)", "R = 126,0 Ryzyko małe - dopuszczalne"},
            {"Porażenie prądem elektrycznym", "Uszkodzona izolacja przewodów zasilających",
             "Oparzenia, zatrzymanie krążenia, śmierć", "Przeglądy instalacji, wyłącznik różnicowoprądowy",
             "40=katastrofa, kilka ofiar śmiertelnych, straty materialne od 10 - 30 mln zł",
             "10=bardzo prawdopodobne, szansa 50%", "2=okazyjna (raz w miesiącu)",
             "R = 800,0 Ryzyko bardzo duże - niedopuszczalne"},
            {"Wióry", "Obróbka skrawaniem", "Skaleczenia, urazy oczu", "Okulary ochronne, osłony",
             "3=straty średnie, absencja chorobowa, straty materialne od 3 do 30 tyś zł",
             "1=mało prawdopodobne, możliwe, szansa 0,1%", "6=częsta (codziennie)",
             "R = 18,0 Ryzyko bardzo małe - dopuszczalne"},
            {"Poślizgnięcie", "Rozlane chłodziwo", "Stłuczenia", "", "", "", "", ""},
        }) +
        QStringLiteral("[WARUNKI]\r\n");
    TForm5* window = openAssessment(ini);
    window->PageControl1->setCurrentIndex(3);
    selectCell(window->StringGridIni1, 5, 4);
    paint(window);
    paint(window);
    const QImage image = window->grab().toImage();

    const QString path = QStringLiteral(SCREENSHOT_PATH);
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(image.save(path));

    TStringGridIni* table = window->StringGridIni1;
    const auto areaOf = [&](int column, int row) {
        const QRect cell = table->visualRect(table->model()->index(row, column));
        return QRect(table->viewport()->mapTo(window, cell.topLeft()), cell.size());
    };
    EXPECT_GT(reddishPixels(image, areaOf(7, 2)), 20);
    EXPECT_EQ(reddishPixels(image, areaOf(7, 1)), 0);
    EXPECT_FALSE(window->BitBtn2->isHidden());
}

} // namespace
