// The chemical agents tool's calculation: each substance's index against its NDS and NDSCh, the
// mixture of substances with similar action, the carcinogens, the PN-N-18002 levels, and the
// refusal of unusable input.

#include "chemical_exposure.h"

#include <gtest/gtest.h>

namespace {

using chemistry::SubstanceText;
using exposure::RiskLevel;
using exposure::Severity;

SubstanceText substance(const char* name, const char* c, const char* nds, bool carcinogenic = false, bool similar = false)
{
    return {name, c, nds, {}, {}, carcinogenic, similar};
}

struct ChemicalCase {
    const char* what;
    QList<SubstanceText> rows;
    QList<RiskLevel> levels;           // per substance
    std::optional<double> mixture;     // the mixture index, when there is one
    RiskLevel level;                   // the highest
    Severity verdict;
    QString summary;                   // checked when given
};

TEST(ChemicalExposure, IndicesLevelsAndVerdictOfWorkedExamples)
{
    const QList<ChemicalCase> cases{
        // C equal to its NDS does not exceed it; C / NDS = 1 is medium.
        {"at the NDS", {substance("Toluen", "100", "100")}, {RiskLevel::Medium}, {}, RiskLevel::Medium, Severity::Warning,
         "Toluen: C = 100 mg/m³ – nieprzekroczona NDS 100 mg/m³ (1,00 NDS) – ryzyko średnie"},
        {"over the NDS", {substance("Toluen", "120", "100")}, {RiskLevel::Large}, {}, RiskLevel::Large, Severity::Bad,
         "Toluen: C = 120 mg/m³ – przekroczona NDS 100 mg/m³ (1,20 NDS) – ryzyko duże"},
        // Exactly half, also where the division is not exact in binary (0,3 / 0,6).
        {"half", {substance("Ksylen", "50", "100")}, {RiskLevel::Small}, {}, RiskLevel::Small, Severity::Good, {}},
        {"half of a fraction", {substance("Pył", "0,3", "0.6")}, {RiskLevel::Small}, {}, RiskLevel::Small, Severity::Good, {}},
        // The short-term index 250 / 200 = 1,25 decides.
        {"NDSCh exceeded", {{"Toluen", "50", "100", "250", "200", false, false}}, {RiskLevel::Large}, {}, RiskLevel::Large,
         Severity::Bad, "Toluen: C_ch = 250 mg/m³ – przekroczona NDSCh 200 mg/m³ (1,25 NDSCh) – ryzyko duże"},
        // A carcinogen at 0,3 NDS is medium, at exactly 0,1 NDS small.
        {"carcinogen at 0,3", {substance("Benzen", "0,48", "1,6", true)}, {RiskLevel::Medium}, {}, RiskLevel::Medium,
         Severity::Warning, {}},
        {"carcinogen at 0,1", {substance("Benzen", "0,16", "1,6", true)}, {RiskLevel::Small}, {}, RiskLevel::Small,
         Severity::Good, {}},
        // 0,3 + 0,3: each small, the mixture 0,6 medium.
        {"mixture medium", {substance("A", "30", "100", false, true), substance("B", "3", "10", false, true)},
         {RiskLevel::Small, RiskLevel::Small}, 0.6, RiskLevel::Medium, Severity::Warning,
         "Mieszanina: Σ C/NDS = 0,60 – nieprzekroczona wartość 1 (0,60 NDS) – ryzyko średnie"},
        // 0,6 + 0,5 = 1,1: the mixture exceeds 1 while each substance keeps its NDS.
        {"mixture over 1", {substance("Toluen", "60", "100", false, true), substance("Ksylen", "50", "100", false, true)},
         {RiskLevel::Medium, RiskLevel::Small}, 1.1, RiskLevel::Large, Severity::Bad, {}},
        // Exactly 1 keeps it.
        {"mixture at 1", {substance("A", "50", "100", false, true), substance("B", "5", "10", false, true)},
         {RiskLevel::Small, RiskLevel::Small}, 1.0, RiskLevel::Medium, Severity::Warning, {}},
        // One substance of similar action makes no mixture.
        {"one similar", {substance("A", "40", "100", false, true), substance("B", "4", "10")},
         {RiskLevel::Small, RiskLevel::Small}, {}, RiskLevel::Small, Severity::Good, {}},
    };
    for (const ChemicalCase& c : cases) {
        const chemistry::ReadResult read = chemistry::readSubstances(c.rows);
        ASSERT_EQ(read.error, "") << c.what;
        const chemistry::Assessment assessment = chemistry::assess(read.substances);
        QList<RiskLevel> levels;
        for (const chemistry::SubstanceResult& result : assessment.substances)
            levels.append(result.level);
        EXPECT_EQ(levels, c.levels) << c.what;
        EXPECT_EQ(assessment.mixtureIndex.has_value(), c.mixture.has_value()) << c.what;
        if (c.mixture && assessment.mixtureIndex) {
            EXPECT_NEAR(*assessment.mixtureIndex, *c.mixture, 1e-9) << c.what;
        }
        EXPECT_EQ(assessment.level, c.level) << c.what;
        EXPECT_EQ(assessment.verdict, c.verdict) << c.what;
        EXPECT_EQ(assessment.verdictText.contains("najniższego poziomu technicznie osiągalnego"), assessment.carcinogen) << c.what;
        if (!c.summary.isEmpty()) {
            EXPECT_EQ(assessment.summary, c.summary) << c.what;
        }
    }
}

struct RefusalCase {
    QList<SubstanceText> rows;
    QString message;
};

TEST(ChemicalExposure, InputThatCannotBeUsedIsRefusedWithAPolishMessage)
{
    const QList<RefusalCase> cases{
        {{}, "Wpisz co najmniej jedną substancję: jej stężenie C i NDS."},
        {{substance(" ", "", "")}, "Wpisz co najmniej jedną substancję: jej stężenie C i NDS."},
        {{substance("Toluen", "", "100")}, "Wiersz 1, stężenie C: wpisz wartość."},
        {{{}, substance("Toluen", "-5", "100")}, "Wiersz 2, stężenie C: wartość nie może być ujemna."},
        {{substance("Toluen", "5", "0")}, "Wiersz 1, NDS: wartość musi być większa od zera."},
        {{substance("Toluen", "5", "sto")}, "Wiersz 1, NDS: „sto” nie jest liczbą; wpisz np. 2,5."},
        {{{"Toluen", "5", "100", "x", "200", false, false}}, "Wiersz 1, stężenie C_ch: „x” nie jest liczbą; wpisz np. 2,5."},
        {{{"Toluen", "5", "100", "10", "", false, false}},
         "Wiersz 1, wpisz oba: stężenie chwilowe C_ch i NDSCh, albo żadne z nich."},
    };
    for (const RefusalCase& c : cases) {
        const chemistry::ReadResult read = chemistry::readSubstances(c.rows);
        EXPECT_EQ(read.error, c.message) << c.message.toStdString();
        EXPECT_TRUE(read.substances.isEmpty()) << c.message.toStdString();
    }
}

} // namespace
