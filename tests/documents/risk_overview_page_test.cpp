// The assessment window's overview tab: looking at it stores nothing, it follows the ratings
// whether they change while it is shown or hidden, it sets the risk after the measures beside
// the current one, and it exports a PNG picture and PDF pages, telling why when the file
// cannot be written.

#include "document_test_support.h"
#include "documents/assessment_window.h"
#include "documents/risk_overview_page.h"
#include "documents/risk_overview_view.h"
#include "storage/ini_dat.h"
#include "controls/string_grid_ini.h"
#include "support/pages_of.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

constexpr int OverviewTab = 7;

// A hazard row with its factors from column 4 on (S, P and, for three factors, E) and an
// empty risk cell.
QStringList hazard(const QString& name, const QStringList& factors)
{
    return QStringList{name, QStringLiteral("źródło ") + name, QStringLiteral("skutek"),
                       QStringLiteral("działanie ") + name} +
           factors + QStringList{QString()};
}

QString assessmentText(const QString& method, const QString& employees, const QList<QStringList>& hazards)
{
    return QStringLiteral("[OPISOC]\r\nZatrudnienie=%1\r\n[OPIS]\r\nMetoda=%2\r\n[ZAGROZENIA]\r\n")
               .arg(employees, method) +
           tableLines(hazards) + QStringLiteral("[WARUNKI]\r\n") +
           tableLines({{"Czy przejścia są wolne?", "Uprzątnąć", "NIE"}, {"Czy jest apteczka?", "", "TAK"}});
}

// How each method rates is the overview's own test; here one FIVE STEPS card (3 employees,
// I = 2: R up to 5, 20, 50, 500, above) whose third hazard is not rated.
TEST_F(DocumentWindowTest, OverviewFollowsTheRatingsWhetherShownOrNot)
{
    TForm5* window = openAssessment(assessmentText(
        QStringLiteral("FIVE STEPS"), QStringLiteral("3"),
        {hazard("a", {"0,5=", "2=", "2,5="}), hazard("b", {"4=", "8=", "6="}), hazard("c", {"1=", "", ""})}));
    const RiskOverviewView* view = window->OverviewPage->view();
    const auto shows = [&](const std::array<int, 5>& counts) {
        EXPECT_EQ(view->overview().levelCounts, counts);
        EXPECT_EQ(view->overview().unrated, 1);
        EXPECT_EQ(view->overview().levelCounts, riskOverview(window->document().assessmentValue()).levelCounts);
    };
    pagesOf(window)->setCurrentIndex(OverviewTab);
    shows({1, 0, 0, 1, 0});

    // Changed while the tab is shown.
    window->StringGridIni1->setCell(4, 1, QStringLiteral("15="));
    QApplication::processEvents();
    shows({0, 0, 0, 2, 0});

    // Changed while another tab is shown.
    pagesOf(window)->setCurrentIndex(3);
    window->StringGridIni1->setCell(4, 1, QStringLiteral("0,5="));
    pagesOf(window)->setCurrentIndex(OverviewTab);
    shows({1, 0, 0, 1, 0});
}

// The tab's caption and place are checked with the window's shape.
TEST_F(DocumentWindowTest, LookingAtTheOverviewStoresNothing)
{
    const QString text = assessmentText(QStringLiteral("RISK SCORE"), QStringLiteral("4"),
                                        {hazard("a", {"7=", "3=", "6="}), hazard("b", {"40=", "10=", "2="})});
    TForm5* unseen = openAssessment(text, QStringLiteral("pierwsza.ron"));
    unseen->saveFileAs(folder.path(QStringLiteral("bez.ron")));

    TForm5* seen = openAssessment(text, QStringLiteral("druga.ron"));
    ASSERT_EQ(pagesOf(seen)->widget(OverviewTab)->findChild<RiskOverviewPage*>(), seen->OverviewPage);
    pagesOf(seen)->setCurrentIndex(OverviewTab);
    paint(seen);
    EXPECT_EQ(seen->OverviewPage->view()->overview().unacceptable.size(), 1);
    EXPECT_FALSE(seen->document().isModified());
    seen->saveFileAs(folder.path(QStringLiteral("z.ron")));

    EXPECT_FALSE(folder.read(QStringLiteral("z.ron")).isEmpty());
    EXPECT_EQ(folder.read(QStringLiteral("z.ron")), folder.read(QStringLiteral("bez.ron")));
}

TEST_F(DocumentWindowTest, HomeAndEndGoToTheTopAndTheFootOfTheOverview)
{
    QList<QStringList> hazards;
    for (int i = 1; i <= 40; ++i)
        hazards.append(hazard(QString::number(i), {"40=", "10=", "6="}));
    TForm5* window = openAssessment(assessmentText(QStringLiteral("RISK SCORE"), QString(), hazards));
    pagesOf(window)->setCurrentIndex(OverviewTab);
    paint(window);
    auto* scroll = window->OverviewPage->findChild<QScrollArea*>();
    const QScrollBar* bar = scroll->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    for (const auto& [key, expected] : {std::pair{Qt::Key_End, bar->maximum()}, {Qt::Key_Home, bar->minimum()}}) {
        scroll->setFocus();
        QTest::keyClick(scroll, key);
        EXPECT_EQ(bar->value(), expected) << QKeySequence(key).toString().toStdString();
    }
}

struct ResidualCase {
    const char* name;
    QList<QStringList> residual;   // rows of RYZYKO_PO
    QString shown;                 // on the pages
    bool red;                      // the pure red of a risk still unacceptable after the measures
};

class OverviewResidualTest : public DocumentWindowTest, public testing::WithParamInterface<ResidualCase> {};

// Hałas is at level 5 (3 x 3), Pył at level 3 (2 x 2); the columns "teraz" and "po
// działaniach" come with residual ratings only.
TEST_P(OverviewResidualTest, ShowsTheRiskAfterTheMeasures)
{
    const ResidualCase& c = GetParam();
    TForm5* window = openAssessment(
        assessmentText(QStringLiteral("Matrycowa (PN-N-18002)"), {}, {hazard("Hałas", {"3=", "3="}), hazard("Pył", {"2=", "2="})}) +
        (c.residual.isEmpty() ? QString() : QStringLiteral("[RYZYKO_PO]\r\n") + tableLines(c.residual)));
    pagesOf(window)->setCurrentIndex(OverviewTab);
    const RiskOverviewView* view = window->OverviewPage->view();
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-"), QStringLiteral("-")});
    reader.write(view->pdf());
    reader.closeWriteChannel();
    ASSERT_TRUE(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains(c.shown)) << text.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("teraz")), !c.residual.isEmpty()) << text.toStdString();
    const QImage picture = view->picture().convertToFormat(QImage::Format_RGB32);
    int red = 0;
    for (int y = 0; y < picture.height(); ++y)
        red += int(std::count(reinterpret_cast<const QRgb*>(picture.constScanLine(y)),
                              reinterpret_cast<const QRgb*>(picture.constScanLine(y)) + picture.width(), qRgb(255, 0, 0)));
    EXPECT_EQ(red > 0, c.red);
}

INSTANTIATE_TEST_SUITE_P(
    Ratings, OverviewResidualTest,
    testing::Values(
        ResidualCase{"None", {}, "Wiersz 1: Hałas", false},
        ResidualCase{"DownToLevel2", {{"1", "Hałas", "2=", "1=", "", ""}},
                     "— po działaniach: R = 2,0 Ryzyko małe - dopuszczalne", false},
        ResidualCase{"StillUnacceptable", {{"1", "Hałas", "3=", "2=", "", ""}, {"2", "Pył", "1=", "1=", "", ""}},
                     "— po działaniach nadal niedopuszczalne: R = 6,0 Ryzyko duże - niedopuszczalne", true}),
    [](const testing::TestParamInfo<ResidualCase>& test) { return test.param.name; });

struct ExportCase {
    const char* name;
    bool pdf;
    QString typed;      // the name given in the save dialog, "" to cancel
    QString written;    // the file expected, "" for none
    QByteArray magic;
    bool fails = false; // an error is shown
};

class OverviewExportTest : public DocumentWindowTest, public testing::WithParamInterface<ExportCase> {};

TEST_P(OverviewExportTest, WritesTheChosenFile)
{
    const ExportCase& c = GetParam();
    TForm5* window = openAssessment(
        assessmentText(QStringLiteral("PHA"), {}, {hazard("Hałas", {"4=", "5="}), hazard("Pył", {"1=", "2="})}),
        QStringLiteral("karta.ron"));
    pagesOf(window)->setCurrentIndex(OverviewTab);
    prompts.fileNames.enqueue(c.typed.isEmpty() ? QString() : folder.path(c.typed));
    (c.pdf ? window->OverviewPage->PdfButton : window->OverviewPage->PngButton)->click();

    ASSERT_EQ(prompts.messages.size(), c.fails ? 1 : 0);
    if (c.fails) {
        EXPECT_TRUE(prompts.messages[0].text.contains(QDir::toNativeSeparators(folder.path(c.typed))))
            << prompts.messages[0].text.toStdString();
    }
    ASSERT_EQ(prompts.proposedPaths.size(), 1);
    EXPECT_EQ(prompts.proposedPaths[0],
              folder.path(QStringLiteral("karta - podsumowanie") + (c.pdf ? QStringLiteral(".pdf") : QStringLiteral(".png"))));
    const QStringList files = QDir(folder.root()).entryList({QStringLiteral("*.p??")}, QDir::Files);
    if (c.written.isEmpty()) {
        EXPECT_TRUE(files.isEmpty());
        return;
    }
    EXPECT_EQ(files, QStringList{c.written});
    const QByteArray bytes = folder.read(c.written);
    EXPECT_TRUE(bytes.startsWith(c.magic));
    if (!c.pdf) {
        const QImage picture = QImage::fromData(bytes, "PNG");
        EXPECT_GT(picture.height(), picture.width() / 2);
        return;
    }
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {folder.path(c.written), QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Podsumowanie oceny ryzyka"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Wiersz 1: Hałas"))) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Formats, OverviewExportTest,
    testing::Values(ExportCase{"Png", false, "obraz", "obraz.png", QByteArray("\x89PNG\r\n\x1a\n")},
                    ExportCase{"Pdf", true, "wydruk.pdf", "wydruk.pdf", QByteArray("%PDF-")},
                    ExportCase{"Cancelled", true, "", "", {}},
                    ExportCase{"FolderMissing", false, "brak/obraz.png", "", {}, true}),
    [](const testing::TestParamInfo<ExportCase>& test) { return test.param.name; });

} // namespace
