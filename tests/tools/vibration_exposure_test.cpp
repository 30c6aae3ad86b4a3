// The vibration tool's calculation: A(8) and the short exposure from what the user typed, the
// verdict against the Polish limits, the PN-N-18002 level, and the refusal of unusable input.

#include "vibration_exposure.h"

#include "exposure_input.h"

#include <gtest/gtest.h>

namespace {

using exposure::RiskLevel;
using exposure::Severity;
using vibration::ExposureText;
using vibration::Kind;

struct VibrationCase {
    const char* what;
    Kind kind;
    QList<ExposureText> rows;
    QString daily;      // A(8) as shown
    bool shortExposure;
    QString ratio;      // as shown
    RiskLevel level;
    Severity verdict;
    QString summary;    // checked when given
};

// Worked by hand with A(8) = sqrt(sum a_i² t_i / 8 h); a short exposure's a = A(8) * sqrt(8 h / T).
TEST(VibrationExposure, DailyExposureLevelAndVerdictOfWorkedExamples)
{
    const QList<VibrationCase> cases{
        // 8 h at 2,8: exactly the NDN, which it does not exceed; above the action value 2,5.
        {"8 h at the NDN", Kind::HandArm, {{"", "2,8", "8"}}, "2,80", false, "1,00", RiskLevel::Medium, Severity::Warning,
         "A(8) = 2,80 m/s² – nieprzekroczona NDN 2,8 m/s² (1,00 NDN) – ryzyko średnie"},
        // 2 h at 5,6: 5,6 * sqrt(2/8) = 2,80.
        {"2 h at 5,6", Kind::HandArm, {{"szlifierka", "5.6", "2:00"}}, "2,80", false, "1,00", RiskLevel::Medium, Severity::Warning, {}},
        // 2 h at 6,2: 3,10; 3,1 / 2,8 = 1,107.
        {"2 h at 6,2", Kind::HandArm, {{"", "6,2", "2"}, {}}, "3,10", false, "1,11", RiskLevel::Large, Severity::Bad,
         "A(8) = 3,10 m/s² – przekroczona NDN 2,8 m/s² (1,11 NDN) – ryzyko duże"},
        // 8 h at 1,4: exactly half of the NDN, small.
        {"half of the NDN", Kind::HandArm, {{"", "1,4", "8"}}, "1,40", false, "0,50", RiskLevel::Small, Severity::Good, {}},
        // 30 minutes at 11,2: a short exposure at its NDN; A(8) = 11,2 * sqrt(0,5/8) = 2,80.
        {"0:30 at 11,2", Kind::HandArm, {{"", "11,2", "0:30"}}, "2,80", true, "1,00", RiskLevel::Medium, Severity::Warning, {}},
        // 30 minutes at 10: short; A(8) = 2,50, equal to the action value; 10 / 11,2 = 0,893.
        {"30 min at 10", Kind::HandArm, {{"", "10", "30 min"}}, "2,50", true, "0,89", RiskLevel::Medium, Severity::Good, {}},
        // 31 minutes at 10: no longer short; A(8) = 10 * sqrt(31/60/8) = 2,54, above the action value.
        {"31 min at 10", Kind::HandArm, {{"", "10", "31 min"}}, "2,54", false, "0,91", RiskLevel::Medium, Severity::Warning, {}},
        // 15 minutes at 12: A(8) = 12 * sqrt(0,25/8) = 2,12 keeps its NDN, the short exposure of 12 exceeds 11,2.
        {"15 min at 12", Kind::HandArm, {{"", "12", "0,25"}}, "2,12", true, "1,07", RiskLevel::Large, Severity::Bad,
         "A(8) = 2,12 m/s², ekspozycja krótkotrwała a = 12,00 m/s² – przekroczona NDN 11,2 m/s² (1,07 NDN) – ryzyko duże"},
        // Whole body: 8 h at 0,8 is the NDN; 8 h at 0,84 exceeds it (1,05).
        {"whole body at the NDN", Kind::WholeBody, {{"", "0,8", "8"}}, "0,80", false, "1,00", RiskLevel::Medium, Severity::Warning, {}},
        {"whole body over the NDN", Kind::WholeBody, {{"", "0,84", "8"}}, "0,84", false, "1,05", RiskLevel::Large, Severity::Bad, {}},
        // 2 h at 0,8: 0,40, half of the NDN, below the action value 0,5.
        {"whole body half", Kind::WholeBody, {{"", "0,8", "2"}}, "0,40", false, "0,50", RiskLevel::Small, Severity::Good, {}},
        // 4 h at 0,4 and 4 h at 0,6: sqrt((0,64 + 1,44) / 8) = sqrt(0,26) = 0,51 > 0,5.
        {"whole body two", Kind::WholeBody, {{"", "0,4", "4"}, {"", "0,6", "4"}}, "0,51", false, "0,64", RiskLevel::Medium,
         Severity::Warning, {}},
        // 20 minutes at 3,3: A(8) = 3,3 * sqrt(1/3/8) = 0,67; the short exposure exceeds 3,2.
        {"whole body short", Kind::WholeBody, {{"", "3,3", "20 min"}}, "0,67", true, "1,03", RiskLevel::Large, Severity::Bad, {}},
    };
    for (const VibrationCase& c : cases) {
        const vibration::ReadResult read = vibration::readExposures(c.rows);
        ASSERT_EQ(read.error, "") << c.what;
        const vibration::Assessment assessment = vibration::assess(c.kind, read.exposures);
        EXPECT_EQ(exposure::formatNumber(assessment.dailyValue, 2), c.daily) << c.what;
        EXPECT_EQ(assessment.shortExposure, c.shortExposure) << c.what;
        EXPECT_EQ(exposure::formatNumber(assessment.ratio, 2), c.ratio) << c.what;
        EXPECT_EQ(assessment.level, c.level) << c.what;
        EXPECT_EQ(assessment.verdict, c.verdict) << c.what;
        if (!c.summary.isEmpty()) {
            EXPECT_EQ(assessment.summary, c.summary) << c.what;
        }
    }
}

struct RefusalCase {
    QList<ExposureText> rows;
    QString message;
};

TEST(VibrationExposure, InputThatCannotBeUsedIsRefusedWithAPolishMessage)
{
    const QList<RefusalCase> cases{
        {{}, "Wpisz co najmniej jedną czynność: przyspieszenie a i czas jej trwania."},
        {{{" ", "", ""}}, "Wpisz co najmniej jedną czynność: przyspieszenie a i czas jej trwania."},
        {{{"szlifierka", "", "2"}}, "Wiersz 1, przyspieszenie a: wpisz wartość."},
        {{{"", "-1", "2"}}, "Wiersz 1, przyspieszenie a: wartość nie może być ujemna."},
        {{{"", "3 m/s2", "2"}}, "Wiersz 1, przyspieszenie a: „3 m/s2” nie jest liczbą; wpisz np. 2,5."},
        {{{}, {"", "3", ""}}, "Wiersz 2, czas: wpisz czas, np. 2,5 (godziny), 2:30 lub 30 min."},
        {{{"", "3", "pół"}}, "Wiersz 1, czas: „pół” nie jest czasem; wpisz np. 2,5 (godziny), 2:30 lub 30 min."},
        {{{"", "3", "-0:30"}}, "Wiersz 1, czas: wartość nie może być ujemna."},
        {{{"", "3", "-5 min"}}, "Wiersz 1, czas: wartość nie może być ujemna."},
        {{{"", "3", "0"}}, "Łączny czas czynności musi być dłuższy od zera."},
        {{{"", "3", "20"}, {"", "3", "4:01"}}, "Łączny czas czynności przekracza 24 godziny doby."},
    };
    for (const RefusalCase& c : cases) {
        const vibration::ReadResult read = vibration::readExposures(c.rows);
        EXPECT_EQ(read.error, c.message) << c.message.toStdString();
        EXPECT_TRUE(read.exposures.isEmpty()) << c.message.toStdString();
    }
}

} // namespace
