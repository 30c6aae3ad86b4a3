#include "report/risk_overview_appendix.h"

#include "model/risk_overview.h"
#include "report/report_tables.h"
#include "report/word_basic.h"

namespace {

// The fill of a level in the overview's colour, so a colour means the same on screen and on
// paper.
BordersAndShading levelShading(int level)
{
    // The cell's own edges are single lines, as inside the ruled table.
    return {{ApplyToCells, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
            QStringLiteral("0 pt"),
            {0, 0, 0},
            QStringLiteral("0"),
            -1,
            QColor::fromRgb(riskLevelRgb(level))};
}

// With residual ratings a fourth column counts the same hazards after the measures, and a
// note under the table says how a hazard without one is counted.
void levelCounts(WordBasic& word, const RiskOverview& overview)
{
    const bool residual = overview.hasResidual;
    const int columns = residual ? 4 : 3;
    word.TableInsertTable(QString(), columns, 6, QString(), 0, 0);
    AddHeaderColumn(word, QStringLiteral("2,0 cm"), QStringLiteral("Poziom"), false);
    AddHeaderColumn(word, residual ? QStringLiteral("8,2 cm") : QStringLiteral("10,2 cm"), QStringLiteral("Ocena ryzyka"),
                    false);
    AddHeaderColumn(word, residual ? QStringLiteral("3,0 cm") : QStringLiteral("4,0 cm"),
                    QStringLiteral("Liczba zagrożeń"), !residual);
    if (residual)
        AddHeaderColumn(word, QStringLiteral("3,0 cm"), QStringLiteral("Po działaniach"), true);
    RuleTable(word, columns);
    const auto row = [&](QStringList cells, const QString& after) {
        if (residual)
            cells.append(after);
        return cells;
    };
    for (int level = 1; level <= 5; ++level)
        AddDataRow(word, level,
                   row({risk::levelText(level), QString::number(overview.levelCounts[level - 1])},
                       QString::number(overview.residualCounts[level - 1])));
    AddDataRow(word, QStringLiteral("–"),
               row({QStringLiteral("Zagrożenia nieocenione"), QString::number(overview.unrated)}, QString()));
    if (overview.wrongFactors > 0)
        AddDataRow(word, QStringLiteral("–"), row({QStringLiteral("Zagrożenia z wartością spoza skali metody"),
                                                   QString::number(overview.wrongFactors)},
                                                  QString()));
    word.LineDown(1);
    if (residual) {
        word.LeftPara();
        word.Insert(residualCountsNote() + QLatin1Char('\r'));
        word.CenterPara();
    }
    InsertEmptyParagraphs(word, 2);
}

// Rows S from the highest down, columns P, as the overview shows them; each cell holds its
// number of hazards over the level of S x P.
void grid(WordBasic& word, const RiskOverview& overview)
{
    word.LeftPara();
    word.Insert(QStringLiteral("Wiersze: ciężkość skutków S, kolumny: prawdopodobieństwo P. W każdej komórce liczba "
                               "zagrożeń i poziom ryzyka iloczynu S x P.\r"));
    word.CenterPara();
    const auto columns = static_cast<int>(overview.grid.first().size());
    word.TableInsertTable(QString(), columns + 1, static_cast<int>(overview.grid.size()), QString(), 0, 0);
    AddHeaderColumn(word, QStringLiteral("1,8 cm"), QStringLiteral("S \\ P"), false);
    // The grid's columns share the rest of the 16,2 cm text width.
    const QString width = QString::number(14.4 / columns, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" cm");
    for (int p = 1; p <= columns; ++p)
        AddHeaderColumn(word, width, QString::number(p), p == columns);
    RuleTable(word, columns + 1);
    for (auto s = static_cast<int>(overview.grid.size()); s >= 1; --s) {
        word.NextCell();
        word.Insert(QString::number(s));
        for (int p = 1; p <= columns; ++p) {
            const int level = risk::level(overview.method, s * p);
            word.NextCell();
            word.CenterPara();
            word.FormatBordersAndShading(levelShading(level));
            word.Insert(QString::number(overview.grid[s - 1][p - 1]) + QLatin1Char('\r'));
            word.Italic();
            word.Insert(QStringLiteral("poziom %1").arg(level));
        }
    }
    EndTable(word);
}

void unacceptable(WordBasic& word, const RiskOverview& overview)
{
    if (overview.unacceptable.isEmpty()) {
        word.LeftPara();
        word.Insert(QStringLiteral("Brak zagrożeń o ryzyku niedopuszczalnym.\r"));
        return;
    }
    word.TableInsertTable(QString(), 5, static_cast<int>(overview.unacceptable.size()), QString(), 0, 0);
    AddHeaderColumn(word, QStringLiteral("1,2 cm"), QStringLiteral("Nr"), false);
    AddHeaderColumn(word, QStringLiteral("3,6 cm"), QStringLiteral("Zagrożenie"), false);
    AddHeaderColumn(word, QStringLiteral("3,2 cm"), QStringLiteral("Źródło zagrożenia"), false);
    AddHeaderColumn(word, QStringLiteral("4,0 cm"), QStringLiteral("Poziom ryzyka"), false);
    AddHeaderColumn(word, QStringLiteral("4,2 cm"), QStringLiteral("Działania zapobiegawcze"), true);
    RuleTable(word, 5);
    // Numbered as in the report's hazard tables, so that each can be found there.
    for (const RatedHazard& hazard : overview.unacceptable)
        AddDataRow(word, hazard.row,
                   {hazard.hazard, hazard.sources, risk::riskText(overview.method, hazard.r), hazard.actions});
    EndTable(word);
}

} // namespace

void WriteRiskOverviewAppendix(WordBasic& word, const AssessmentSnapshot& assessment)
{
    const RiskOverview overview = riskOverview(assessment);
    StartAppendix(word, QStringLiteral("ZAŁĄCZNIK: PODSUMOWANIE RYZYKA"));
    if (overview.method != RiskMethod::None)
        word.Insert(QStringLiteral("Metoda oceny ryzyka: ") + risk::methodNames().at(static_cast<int>(overview.method))
                    + QLatin1Char('\r'));
    InsertEmptyParagraphs(word, 1);

    int number = 0;
    AppendixHeading(word, ++number, QStringLiteral("Liczba zagrożeń na poziomach ryzyka"));
    levelCounts(word, overview);
    if (hasGrid(overview.method)) {
        AppendixHeading(word, ++number, QStringLiteral("Macierz ryzyka S x P"));
        grid(word, overview);
    }
    AppendixHeading(word, ++number, QStringLiteral("Zagrożenia o ryzyku niedopuszczalnym (poziomy 4 i 5)"));
    unacceptable(word, overview);
}
