// A picture of an assessment window with rated hazards, one of them unacceptable, saved
// into the build folder for a person to look at; the test checks the red risk text is
// really painted.

#include "document_test_support.h"
#include "documents/assessment_window.h"
#include "documents/grid_delegate.h"
#include "documents/project_window.h"
#include "documents/risk_overview_page.h"
#include "documents/risk_overview_view.h"
#include "documents/scale_picker.h"
#include "risk/risk_method.h"
#include "controls/string_grid_ini.h"
#include "support/pages_of.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <numeric>

namespace {


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

// Every column title of the tables of `page` fits its column: its text in the title font,
// the cell's margins (2 pixels a side) and the grid line.
void expectTitlesFit(QWidget* page, const QString& what)
{
    for (TStringGridIni* table : page->findChildren<TStringGridIni*>()) {
        const QFontMetrics metrics(static_cast<GridDelegate*>(table->itemDelegate())->titleFont());
        for (int c = 0; c < table->columnCount(); ++c) {
            if (table->isColumnHidden(c))
                continue;
            EXPECT_GE(table->columnWidth(c), metrics.horizontalAdvance(table->cell(c, 0)) + 5)
                << what.toStdString() << ": " << table->cell(c, 0).toStdString();
        }
    }
}

// Every label of `page` shows its whole text, every column title too, and no two of its
// visible controls overlap (the picker buttons and the answer list lie over their table on
// purpose).
void expectReadable(QWidget* page, const QString& what)
{
    expectTitlesFit(page, what);
    for (QLabel* label : page->findChildren<QLabel*>()) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << what.toStdString() << ": " << label->text().toStdString();
        EXPECT_GE(label->height(), label->sizeHint().height()) << what.toStdString() << ": " << label->text().toStdString();
    }
    QList<QWidget*> controls;
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !qobject_cast<QToolButton*>(child) && !qobject_cast<QComboBox*>(child))
            controls.append(child);
    }
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << what.toStdString() << ": " << controls[i]->metaObject()->className() << " and "
                << controls[j]->metaObject()->className();
    }
}

class ScreenshotTest : public DocumentWindowTest {
protected:
    // Saves a picture of every tab of `window` next to the first one and checks it reads well.
    void saveEveryTab(DocumentWindow* window, const QString& stem)
    {
        const QString pictures = QFileInfo(QStringLiteral(SCREENSHOT_PATH)).path();
        QDir().mkpath(pictures);
        for (int tab = 0; tab < pagesOf(window)->count(); ++tab) {
            pagesOf(window)->setCurrentIndex(tab);
            ASSERT_EQ(pagesOf(window)->currentIndex(), tab);
            paint(window);
            paint(window);
            const QString what = QStringLiteral("%1_tab%2").arg(stem).arg(tab);
            EXPECT_TRUE(window->grab().save(QDir(pictures).filePath(what + QStringLiteral(".png"))));
            expectReadable(pagesOf(window)->widget(tab), what);
        }
    }
};

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
    pagesOf(window)->setCurrentIndex(3);
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

// Realistic content for the pictures of every tab.
const QString kDescription = QStringLiteral(
    "[OPIS]\r\nStanowisko=Spawacz konstrukcji stalowych\r\nDataUtw=03.02.2004\r\nOpracowal=inż. Jan Kowalski\r\n"
    "Uwagi1=Projekt oceny ryzyka dla spawaczy hali montażowej.\r\nUwagi2=Obejmuje spawanie łukowe i gazowe.\r\n"
    "Metoda=FIVE STEPS\r\nOPISA1=Hala montażowa nr 3, stanowiska od S1 do S6\r\n"
    "OPISB1=Pomieszczenie o powierzchni 600 m2, wentylacja mechaniczna\r\n"
    "OPISC1=Spawanie elementów konstrukcji stalowych metodą MAG\r\n"
    "OPISD1=Półautomat spawalniczy, szlifierka kątowa, drut spawalniczy, gaz osłonowy\r\n"
    "OPISE1=Przyłbica spawalnicza, rękawice, fartuch skórzany, obuwie ochronne\r\nOPISF1=Brak\r\n");

QString checklistLines()
{
    return tableLines({
        {"Czy stanowisko pracy jest wyposażone w miejscowy wyciąg dymów spawalniczych?",
         "Zainstalować wyciąg miejscowy", "TAK"},
        {"Czy pracownicy mają aktualne badania lekarskie?", "Skierować na badania", "NIE"},
        {"Czy przewody spawalnicze są w dobrym stanie?", "Wymienić uszkodzone przewody", "TAK"},
    });
}

TEST_F(ScreenshotTest, EveryTabOfAProjectReadsWell)
{
    TForm2* window = openProject(kDescription + QStringLiteral("[ZAGROZENIA]\r\n") +
                                 tableLines({
                                     {"Promieniowanie nadfioletowe", "Łuk spawalniczy", "Oparzenia skóry, zapalenie spojówek",
                                      "Przyłbica z filtrem, osłony stanowiska", "0,5=skaleczenia, łagodne obrażenia"},
                                     {"Dymy spawalnicze", "Spawanie MAG", "Choroby układu oddechowego",
                                      "Wyciąg miejscowy, półmaska", "4=skomplikowane złamania, poważne choroby"},
                                 }) +
                                 QStringLiteral("[WARUNKI]\r\n") + checklistLines());
    saveEveryTab(window, QStringLiteral("project"));
}

TEST_F(ScreenshotTest, EveryTabOfAFiveStepsAssessmentReadsWell)
{
    TForm5* window = openAssessment(
        QStringLiteral("[OPISOC]\r\nJednostka=Wydział konstrukcji stalowych\r\nStanowisko=Spawacz\r\n"
                       "Zatrudnienie=12\r\nNrKarty=7/2004\r\nDataSp=15.03.2004\r\nSporzodzil=Anna Wiśniewska\r\n"
                       "Uwagi1=Ryzyko od dymów spawalniczych wymaga działań.\r\n") +
        kDescription + QStringLiteral("[ZAGROZENIA]\r\n") +
        tableLines({
            {"Promieniowanie nadfioletowe", "Łuk spawalniczy", "Oparzenia skóry", "Przyłbica z filtrem",
             "0,5=skaleczenia, łagodne obrażenia", "2=możliwe ale niecodziennie", "2,5=raz dziennie", ""},
            {"Dymy spawalnicze", "Spawanie MAG", "Choroby układu oddechowego", "Wyciąg miejscowy",
             "4=skomplikowane złamania, poważne choroby", "8=prawdopodobne (jeden wypadek raz w miesiącu)", "6=ciągle", ""},
        }) +
        QStringLiteral("[WARUNKI]\r\n") + checklistLines());
    window->document().recomputeRow(1);
    window->document().recomputeRow(2);
    saveEveryTab(window, QStringLiteral("assessment"));
}

TEST_F(ScreenshotTest, PickerWithTheLongestScaleReadsWell)
{
    // Nine entries of the FIVE STEPS P scale, the longest list any picker shows.
    TForm3 picker(2, nullptr);
    picker.addEntries(risk::scale(RiskMethod::FiveSteps, risk::Factor::P));
    picker.setItemIndex(0);
    picker.show();
    paint(&picker);
    const QString pictures = QFileInfo(QStringLiteral(SCREENSHOT_PATH)).path();
    EXPECT_TRUE(picker.grab().save(QDir(pictures).filePath(QStringLiteral("picker_p.png"))));
    const QList<QRadioButton*> buttons = picker.RadioGroup1->findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 9);
    for (QRadioButton* button : buttons) {
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        EXPECT_GE(button->height(), button->sizeHint().height()) << button->text().toStdString();
        EXPECT_TRUE(picker.RadioGroup1->contentsRect().contains(button->geometry())) << button->text().toStdString();
    }
}

// Twelve hazards of a metalworking shop: name, source, preventive actions.
const QList<QStringList> kShopHazards = {
    {"Hałas", "Tokarki, szlifierki", "Ochronniki słuchu, przerwy w pracy"},
    {"Porażenie prądem", "Uszkodzona izolacja przewodów", "Przeglądy instalacji, wyłącznik różnicowoprądowy"},
    {"Wióry", "Obróbka skrawaniem", "Okulary ochronne, osłony"},
    {"Poślizgnięcie", "Rozlane chłodziwo", "Sprzątanie stanowiska, obuwie antypoślizgowe"},
    {"Pochwycenie przez wirujące części", "Wrzeciono tokarki", "Osłony, zakaz pracy w rękawicach"},
    {"Dźwiganie", "Ręczne przenoszenie półfabrykatów", "Wózki, podnośniki, szkolenie"},
    {"Pył", "Szlifowanie", "Wyciąg miejscowy, półmaska"},
    {"Oparzenie", "Gorące detale po obróbce", "Rękawice, oznakowanie"},
    {"Uderzenie spadającym przedmiotem", "Regały z materiałem", "Mocowanie ładunków, kaski"},
    {"Wibracje", "Narzędzia ręczne pneumatyczne", "Narzędzia antywibracyjne, przerwy"},
    {"Zmęczenie wzroku", "Niewystarczające oświetlenie", "Oświetlenie miejscowe"},
    {"Pożar", "Materiały łatwopalne", "Gaśnice, zakaz palenia"},
};

// The shop's hazards rated S and P by the matrix method.
const QList<QStringList> kShopMatrix = {{"2=", "3="}, {"3=", "2="}, {"1=", "2="}, {"1=", "3="}, {"3=", "3="}, {"2=", "2="},
                                        {"2=", "2="}, {"1=", "1="}, {"3=", "1="}, {"2=", "1="}, {"1=", "1="}, {"3=", "2="}};

struct OverviewPicture {
    const char* name;
    QString method;
    QList<QStringList> factors;   // one per hazard of kShopHazards
    QList<QStringList> residual = {};  // rows of RYZYKO_PO: hazard number, name, S, P, E, risk
};

class OverviewScreenshotTest : public ScreenshotTest, public testing::WithParamInterface<OverviewPicture> {};

// The overview tab of an assessment with a dozen rated hazards: saved for a person to look
// at, shown whole (the view takes its full height inside the scroll area) and counting them all.
TEST_P(OverviewScreenshotTest, TabOfADozenRatedHazards)
{
    const OverviewPicture& c = GetParam();
    QList<QStringList> rows;
    for (int i = 0; i < kShopHazards.size(); ++i)
        rows.append(QStringList{kShopHazards[i][0], kShopHazards[i][1], QStringLiteral("Urazy"), kShopHazards[i][2]} +
                    c.factors[i] + QStringList{QString()});
    TForm5* window = openAssessment(QStringLiteral("[OPISOC]\r\nZatrudnienie=5\r\n[OPIS]\r\nMetoda=") + c.method +
                                    QStringLiteral("\r\n[ZAGROZENIA]\r\n") + tableLines(rows) +
                                    QStringLiteral("[WARUNKI]\r\n") + checklistLines() +
                                    (c.residual.isEmpty() ? QString() : QStringLiteral("[RYZYKO_PO]\r\n") + tableLines(c.residual)));
    frame.resize(900, 720);
    window->resize(900, 720);
    pagesOf(window)->setCurrentIndex(7);
    paint(window);
    paint(window);
    const QString pictures = QFileInfo(QStringLiteral(SCREENSHOT_PATH)).path();
    EXPECT_TRUE(window->grab().save(QDir(pictures).filePath(QStringLiteral("overview_%1.png").arg(c.name))));
    const RiskOverviewView* view = window->OverviewPage->view();
    EXPECT_TRUE(view->picture().save(QDir(pictures).filePath(QStringLiteral("overview_%1_export.png").arg(c.name))));
    QFile pages(QDir(pictures).filePath(QStringLiteral("overview_%1.pdf").arg(c.name)));
    ASSERT_TRUE(pages.open(QIODevice::WriteOnly));
    EXPECT_GT(pages.write(view->pdf()), 1000);

    const std::array<int, 5>& counts = view->overview().levelCounts;
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 12);
    EXPECT_GE(view->height(), view->heightForWidth(view->width()));
    EXPECT_LT(window->OverviewPage->findChild<QScrollArea*>()->viewport()->height(), view->height());
    EXPECT_GE(view->width(), view->minimumSizeHint().width());
}

INSTANTIATE_TEST_SUITE_P(
    Methods, OverviewScreenshotTest,
    testing::Values(
        OverviewPicture{"risk_score", "RISK SCORE",
                        {{"7=", "3=", "6="}, {"40=", "10=", "2="}, {"3=", "1=", "6="}, {"1=", "3=", "6="},
                         {"15=", "3=", "6="}, {"7=", "6=", "3="}, {"3=", "6=", "6="}, {"3=", "3=", "6="},
                         {"15=", "1=", "3="}, {"7=", "6=", "10="}, {"1=", "6=", "10="}, {"40=", "0,5=", "1="}}},
        OverviewPicture{"matrix", "Matrycowa (PN-N-18002)", kShopMatrix},
        // The same shop after the measures: three unacceptable hazards brought down, one not.
        OverviewPicture{"matrix_residual", "Matrycowa (PN-N-18002)", kShopMatrix,
                        {{"1", "Hałas", "1=", "3=", "", ""}, {"2", "Porażenie prądem", "3=", "1=", "", ""},
                         {"5", "Pochwycenie przez wirujące części", "3=", "2=", "", ""}, {"12", "Pożar", "2=", "1=", "", ""}}}),
    [](const testing::TestParamInfo<OverviewPicture>& test) { return test.param.name; });

} // namespace
