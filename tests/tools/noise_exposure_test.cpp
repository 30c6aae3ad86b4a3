// The noise tool's calculation: L_EX,8h from what the user typed, the verdict against the
// Polish limits, and the refusal of input that cannot be used.

#include "noise_exposure.h"

#include <gtest/gtest.h>

namespace {

using noise::ActivityText;
using noise::Verdict;

struct ExposureCase {
    const char* what;
    QList<ActivityText> rows;
    QString peak;
    QString maxLevel;
    QString dailyLevel;   // as shown
    Verdict verdict;
};

// Worked by hand with L_EX,8h = 10 lg( (1/8) * sum t_i * 10^(0.1 L_i) ):
TEST(NoiseExposure, DailyLevelAndVerdictOfWorkedExamples)
{
    const QList<ExposureCase> cases{
        // 8 h at 85 dB: 10 lg(8 * 10^8.5 / 8) = 85,0; equal to the NDN, so it does not exceed it.
        {"8 h at 85", {{"", "85", "8"}}, "", "", "85,0", Verdict::LowerActionValueExceeded},
        // 4 h at 88 dB, the rest quiet: 88 + 10 lg(4/8) = 88 - 3,01 = 84,99 -> 85,0.
        {"4 h at 88", {{"szlifowanie", "88", "4"}, {}}, "", "", "85,0", Verdict::LowerActionValueExceeded},
        // 2 h at 90 and 6 h at 80: 10 lg((2 * 10^9 + 6 * 10^8) / 8) = 10 lg(3,25 * 10^8) = 85,12 -> 85,1.
        {"2 h at 90, 6 h at 80", {{"", "90", "2"}, {"", "80", "6"}}, "", "", "85,1", Verdict::LimitExceeded},
        // 2:30 at 91,5 written with a comma and a point alike: 91,5 + 10 lg(2,5/8) = 91,5 - 5,052 = 86,448 -> 86,4.
        {"h:mm and comma", {{"", "91,5", "2:30"}}, "", "", "86,4", Verdict::LimitExceeded},
        {"point", {{"", "91.5", "2.5"}}, "", "", "86,4", Verdict::LimitExceeded},
        // 8 h at 80: 80,0, equal to the lower action value.
        {"8 h at 80", {{"", "80", "8"}}, "", "", "80,0", Verdict::BelowActionValues},
        // A 10-hour shift at 80: 80 + 10 lg(10/8) = 80,97 -> 81,0.
        {"10 h at 80", {{"", "80", "10"}}, "", "", "81,0", Verdict::LowerActionValueExceeded},
        // 8 h at 70 (70,0) with peaks: 135 keeps the NDN and the lower action value, 135,1 exceeds
        // both; an L_Amax of 115,1 exceeds its NDN of 115.
        {"peak 135", {{"", "70", "8"}}, "135", "", "70,0", Verdict::BelowActionValues},
        {"peak 135,1", {{"", "70", "8"}}, "135,1", "", "70,0", Verdict::LimitExceeded},
        {"max 115,1", {{"", "70", "8"}}, "", "115,1", "70,0", Verdict::LimitExceeded},
    };
    for (const ExposureCase& c : cases) {
        const noise::ReadResult read = noise::readMeasurements(c.rows, c.peak, c.maxLevel);
        ASSERT_EQ(read.error, "") << c.what;
        const noise::Assessment assessment = noise::assess(read.measurements);
        EXPECT_EQ(noise::formatDecibels(assessment.dailyLevel), c.dailyLevel) << c.what;
        EXPECT_EQ(assessment.verdict, c.verdict) << c.what;
    }
}

TEST(NoiseExposure, FindingsNameEachLimitExceededAndKept)
{
    // 2 h at 90 and 6 h at 80 gives 85,1 (above); the peak of 136 exceeds its NDN and lower action value.
    const noise::ReadResult read = noise::readMeasurements({{"", "90", "2"}, {"", "80", "6"}}, "136", "110");
    const noise::Assessment assessment = noise::assess(read.measurements);
    EXPECT_EQ(assessment.findings,
              QStringList({"L_EX,8h = 85,1 dB: przekracza NDN (85 dB), górny próg działania (85 dB), dolny próg działania (80 dB)",
                           "L_Cpeak = 136,0 dB: przekracza NDN (135 dB), dolny próg działania (135 dB); "
                           "nie przekracza górnego progu działania (137 dB)",
                           "L_Amax = 110,0 dB: nie przekracza NDN (115 dB)"}));
    EXPECT_EQ(assessment.verdictText,
              "Przekroczone NDN hałasu: narażenie jest niedopuszczalne i trzeba je niezwłocznie ograniczyć.");
}

struct RefusalCase {
    QList<ActivityText> rows;
    QString peak;
    QString message;
};

TEST(NoiseExposure, InputThatCannotBeUsedIsRefusedWithAPolishMessage)
{
    const QList<RefusalCase> cases{
        {{}, "", "Wpisz co najmniej jedną czynność: jej poziom dźwięku L_Aeq i czas trwania."},
        {{{" ", "", " "}}, "", "Wpisz co najmniej jedną czynność: jej poziom dźwięku L_Aeq i czas trwania."},
        {{{}, {"prasa", "", "2"}}, "", "Wiersz 2: wpisz poziom dźwięku L_Aeq w dB."},
        {{{"", "abc", "2"}}, "", "Wiersz 1: poziom dźwięku „abc” nie jest liczbą. Wpisz liczbę decybeli, np. 85 lub 87,5."},
        {{{"", "85 dB", "2"}}, "", "Wiersz 1: poziom dźwięku „85 dB” nie jest liczbą. Wpisz liczbę decybeli, np. 85 lub 87,5."},
        {{{"", "250", "2"}}, "", "Wiersz 1: poziom dźwięku 250 dB jest poza zakresem od 0 do 200 dB."},
        {{{"", "85", ""}}, "", "Wiersz 1: wpisz czas trwania czynności w godzinach, np. 2,5 lub 2:30."},
        {{{"", "85", "dwie"}}, "", "Wiersz 1: czas trwania „dwie” nie jest liczbą godzin. Wpisz np. 2,5 lub 2:30."},
        {{{"", "85", "2:75"}}, "", "Wiersz 1: czas trwania „2:75” nie jest liczbą godzin. Wpisz np. 2,5 lub 2:30."},
        {{{"", "85", "-1"}}, "", "Wiersz 1: czas trwania nie może być ujemny."},
        {{{"", "85", "-0:30"}}, "", "Wiersz 1: czas trwania nie może być ujemny."},
        {{{"", "85", "20"}, {"", "80", "4:01"}}, "", "Łączny czas czynności (24 h 1 min) przekracza 24 godziny doby."},
        {{{"", "85", "0"}}, "", "Łączny czas czynności musi być dłuższy od zera."},
        {{{"", "85", "8"}}, "x", "Szczytowy poziom dźwięku C „x” nie jest liczbą. Wpisz liczbę decybeli, np. 85 lub 87,5."},
    };
    for (const RefusalCase& c : cases)
        EXPECT_EQ(noise::readMeasurements(c.rows, c.peak, {}).error, c.message) << c.message.toStdString();
    // A whole day is allowed.
    EXPECT_EQ(noise::readMeasurements({{"", "85", "20"}, {"", "80", "4:00"}}, {}, {}).error, "");
}

} // namespace
