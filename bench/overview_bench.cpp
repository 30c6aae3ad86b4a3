// Speed of the assessment window's overview tab ("Podsumowanie") for an assessment whose
// hazards are all unacceptable, the worst case: showing the tab (the overview computed, laid
// out and painted) and one update while it is shown. Run with 1,000 and 10,000 hazards, without
// and with residual ratings (every hazard rated after the measures, every other one still
// unacceptable, so the counts after the measures and a mark per hazard are laid out too): the
// CPU time must stay in proportion to the hazards.

#include "documents/risk_overview_page.h"
#include "documents/risk_overview_view.h"

#include <QApplication>
#include <QStandardItemModel>
#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

// RISK SCORE rows rated R = 270, level 5, with texts that wrap at the window's width; with
// `residual`, each rated after the measures R = 90 (level 3) or R = 540 (level 5) in turn.
AssessmentSnapshot allUnacceptable(int rows, bool residual)
{
    AssessmentSnapshot snapshot;
    snapshot.method = RiskMethod::RiskScore;
    snapshot.hazards.reserve(rows);
    for (int row = 1; row <= rows; ++row)
        snapshot.hazards.append({QStringLiteral("Hałas przy szlifowaniu, stanowisko %1").arg(row),
                                 QStringLiteral("Szlifierka kątowa, praca w hali bez ekranów akustycznych, "
                                                "odbicia od ścian i stropu, wiersz %1").arg(row),
                                 QStringLiteral("Uszkodzenie słuchu"),
                                 QStringLiteral("Ochronniki słuchu, ekrany, skrócenie czasu pracy"),
                                 QStringLiteral("15=straty bardzo duże"), QStringLiteral("3=możliwe"),
                                 QStringLiteral("6=codziennie"), QString()});
    for (int row = 1; residual && row <= rows; ++row)
        snapshot.residual.append({QString::number(row), snapshot.hazards[row - 1][0], QStringLiteral("15=straty bardzo duże"),
                                  row % 2 ? QStringLiteral("1=mało prawdopodobne") : QStringLiteral("6=bardzo prawdopodobne"),
                                  QStringLiteral("6=codziennie"), QString()});
    return snapshot;
}

void settle()
{
    QApplication::processEvents();
}

// The tab page among the window's tabs, shown at the window's usual size.
struct OverviewTab {
    explicit OverviewTab(const benchmark::State& state)
        : snapshot(allUnacceptable(int(state.range(0)), state.range(1) != 0))
    {
        tabs.addTab(new QWidget, QStringLiteral("Zagrożenia"));
        page = new RiskOverviewPage([this] { return snapshot; }, &tabs);
        page->watch(&model);
        tabs.addTab(page, QStringLiteral("Podsumowanie"));
        tabs.resize(1000, 700);
        tabs.show();
        settle();
    }

    bool complete(int rows) const
    {
        const RiskOverview& overview = page->view()->overview();
        return overview.unacceptable.size() == rows && overview.hasResidual == !snapshot.residual.isEmpty();
    }

    AssessmentSnapshot snapshot;
    QStandardItemModel model{1, 1};
    QTabWidget tabs;
    RiskOverviewPage* page;
};

void BM_ShowOverviewTab(benchmark::State& state)
{
    const int rows = int(state.range(0));
    OverviewTab tab(state);
    for (auto _ : state) {
        state.PauseTiming();
        tab.tabs.setCurrentIndex(0);
        settle();
        state.ResumeTiming();
        tab.tabs.setCurrentIndex(1);
        settle();
    }
    if (!tab.complete(rows))
        state.SkipWithError("the overview does not hold every hazard and rating");
    state.counters["rows"] = rows;
    state.counters["residual"] = double(state.range(1));
}

// A change of the watched table while the tab is shown.
void BM_UpdateShownOverview(benchmark::State& state)
{
    const int rows = int(state.range(0));
    OverviewTab tab(state);
    tab.tabs.setCurrentIndex(1);
    settle();
    int change = 0;
    for (auto _ : state) {
        tab.model.setData(tab.model.index(0, 0), ++change);
        settle();
    }
    if (!tab.complete(rows))
        state.SkipWithError("the overview does not hold every hazard and rating");
    state.counters["rows"] = rows;
    state.counters["residual"] = double(state.range(1));
}

} // namespace

BENCHMARK(BM_ShowOverviewTab)->ArgsProduct({{1000, 10000}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateShownOverview)->ArgsProduct({{1000, 10000}, {0, 1}})->Unit(benchmark::kMillisecond);
