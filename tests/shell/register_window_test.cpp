// The register window: the rows the quick filters and the search leave, their totals, the
// order of a column by its value, and opening a row.

#include "shell/register_table.h"
#include "shell/register_window.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

RegisterEntry entry(const char* workstation, int unacceptable, int overdue, QDate review, const char* preparedBy = "")
{
    RegisterEntry e;
    e.path = QStringLiteral("/oceny/%1.ron").arg(QLatin1String(workstation));
    e.workstation = QLatin1String(workstation);
    e.preparedBy = QString::fromUtf8(preparedBy);
    e.unacceptable = unacceptable;
    e.overdue = overdue;
    e.review = review;
    return e;
}

QStringList shownWorkstations(const RegisterWindow& window)
{
    QStringList shown;
    for (const RegisterEntry& e : window.shownEntries())
        shown.append(e.workstation);
    return shown;
}

} // namespace

TEST(RegisterWindow, FiltersSortAndTotalsFollowTheRowsShown)
{
    const QDate today(2026, 12, 7);
    RegisterWindow window;
    window.table()->setEntries({entry("Biuro", 0, 0, today.addYears(1), "Anna Żak"), entry("Spawacz", 2, 1, today.addDays(-3)),
                                entry("Magazyn", 0, 3, today.addDays(10)), entry("Tokarz", 1, 0, {}, "Jan Nowak")},
                               today);
    struct Case {
        const char* name;
        QString search;
        int quick;
        QStringList shown;
        QString totals;
    };
    const Case cases[] = {
        {"all", {}, 0, {"Biuro", "Magazyn", "Spawacz", "Tokarz"},
         "Ocen: 4 · z ryzykiem niedopuszczalnym: 2 · z działaniami po terminie: 2 · do przeglądu: 2"},
        {"unacceptable", {}, RegisterFilter::UnacceptableOnly, {"Spawacz", "Tokarz"},
         "Ocen: 2 · z ryzykiem niedopuszczalnym: 2 · z działaniami po terminie: 1 · do przeglądu: 1"},
        {"overdue and review", {}, RegisterFilter::OverdueOnly | RegisterFilter::ReviewOnly, {"Magazyn", "Spawacz"},
         "Ocen: 2 · z ryzykiem niedopuszczalnym: 1 · z działaniami po terminie: 2 · do przeglądu: 2"},
        {"author, any case", QStringLiteral("żAK"), 0, {"Biuro"},
         "Ocen: 1 · z ryzykiem niedopuszczalnym: 0 · z działaniami po terminie: 0 · do przeglądu: 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.filter()->setText(c.search);
        window.filter()->setQuick(c.quick);
        EXPECT_EQ(shownWorkstations(window), c.shown);
        EXPECT_EQ(window.totals(), c.totals);
    }
    window.filter()->setText({});
    window.filter()->setQuick(0);
    // A number column sorts by its number, a date column by its date.
    window.view()->sortByColumn(RegisterOverdue, Qt::DescendingOrder);
    EXPECT_EQ(shownWorkstations(window), (QStringList{"Magazyn", "Spawacz", "Biuro", "Tokarz"}));
    window.view()->sortByColumn(RegisterReview, Qt::AscendingOrder);
    EXPECT_EQ(shownWorkstations(window), (QStringList{"Tokarz", "Spawacz", "Magazyn", "Biuro"}));
}

TEST(RegisterWindow, ReadsTheFolderInTheBackgroundAndOpensARow)
{
    TempFolder folder;
    QDir(folder.root()).mkpath(QStringLiteral("a"));
    folder.write(QStringLiteral("a/ocena.ron"), "[OPISOC]\r\nStanowisko=Tokarz\r\n[OPIS]\r\nMetoda=PHA\r\n");
    folder.write(QStringLiteral("zla.ron"), "nie ocena\r\n");
    RegisterWindow window;
    QSignalSpy opened(&window, &RegisterWindow::openRequested);
    window.readFolder(folder.root());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.reading(); }, 10000));
    QCoreApplication::processEvents();
    ASSERT_EQ(window.table()->rowCount(), 2);
    EXPECT_TRUE(window.totals().endsWith(QStringLiteral("nieodczytanych plików: 1")));
    window.view()->sortByColumn(RegisterWorkstation, Qt::DescendingOrder);
    for (int row = 0; row < 2; ++row) {
        window.view()->setCurrentIndex(window.filter()->index(row, 0));
        QTest::keyClick(window.view(), Qt::Key_Return);
    }
    ASSERT_EQ(opened.size(), 1) << "an unreadable file opens nothing";
    EXPECT_TRUE(opened[0][0].toString().endsWith(QStringLiteral("a/ocena.ron")));
}
