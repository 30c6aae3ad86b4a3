// The manual handling tool's calculation: the limit of the worker group for permanent or
// occasional work, the excess, the PN-N-18002 level, and the refusal of unusable input.

#include "manual_handling.h"

#include "exposure_input.h"

#include <QList>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using exposure::RiskLevel;
using handling::Group;

struct HandlingCase {
    const char* mass;
    const char* perHour;
    Group group;
    double limit;
    double excess;
    RiskLevel level;
    QString summary;   // checked when given
};

TEST(ManualHandling, LimitExcessAndLevelOfWorkedExamples)
{
    const QList<HandlingCase> cases{
        // Men: 30 kg permanent, 50 kg occasional (up to 4 lifts an hour).
        {"30", "10", Group::Men, 30, 0, RiskLevel::Medium,
         "Masa 30 kg (mężczyźni, praca stała) – nieprzekroczona dopuszczalna masa 30 kg (1,00 dopuszczalnej) – ryzyko średnie"},
        {"33", "10", Group::Men, 30, 3, RiskLevel::Large,
         "Masa 33 kg (mężczyźni, praca stała) – przekroczona dopuszczalna masa 30 kg o 3 kg (1,10 dopuszczalnej) – ryzyko duże"},
        {"15", "10", Group::Men, 30, 0, RiskLevel::Small, {}},
        {"50", "4", Group::Men, 50, 0, RiskLevel::Medium, {}},
        {"50", "5", Group::Men, 30, 20, RiskLevel::Large, {}},
        {"40", "4,5", Group::Men, 30, 10, RiskLevel::Large, {}},
        // Women: 12 kg permanent, 20 kg occasional.
        {"20", "4", Group::Women, 20, 0, RiskLevel::Medium, {}},
        {"25", "2", Group::Women, 20, 5, RiskLevel::Large,
         "Masa 25 kg (kobiety, praca dorywcza) – przekroczona dopuszczalna masa 20 kg o 5 kg (1,25 dopuszczalnej) – ryzyko duże"},
        {"12", "5", Group::Women, 12, 0, RiskLevel::Medium, {}},
        {"12,5", "5", Group::Women, 12, 0.5, RiskLevel::Large, {}},
        {"6", "60", Group::Women, 12, 0, RiskLevel::Small, {}},
        // Pregnant or breastfeeding: 3 kg permanent, 5 kg occasional.
        {"5", "2", Group::PregnantOrBreastfeeding, 5, 0, RiskLevel::Medium, {}},
        {"6", "2", Group::PregnantOrBreastfeeding, 5, 1, RiskLevel::Large, {}},
        {"3", "8", Group::PregnantOrBreastfeeding, 3, 0, RiskLevel::Medium, {}},
        {"2,5", "0", Group::PregnantOrBreastfeeding, 5, 0, RiskLevel::Small, {}},
    };
    for (const HandlingCase& c : cases) {
        const QString what = QStringLiteral("%1 kg, %2/h, %3").arg(c.mass, c.perHour, handling::groupName(c.group));
        const handling::ReadResult read = handling::readTask(c.mass, c.perHour, c.group);
        ASSERT_EQ(read.error, "") << what.toStdString();
        const handling::Assessment assessment = handling::assess(read.task);
        EXPECT_EQ(assessment.limit, c.limit) << what.toStdString();
        EXPECT_NEAR(assessment.excess, c.excess, 1e-9) << what.toStdString();
        EXPECT_EQ(assessment.level, c.level) << what.toStdString();
        EXPECT_EQ(assessment.verdict, exposure::severityOf(c.level)) << what.toStdString();
        if (!c.summary.isEmpty()) {
            EXPECT_EQ(assessment.summary, c.summary) << what.toStdString();
        }
    }
}

TEST(ManualHandling, InputThatCannotBeUsedIsRefusedWithAPolishMessage)
{
    const QList<std::tuple<QString, QString, QString>> cases{
        {"", "2", "Masa ładunku: wpisz wartość."},
        {"-3", "2", "Masa ładunku: wartość nie może być ujemna."},
        {"0", "2", "Masa ładunku: wartość musi być większa od zera."},
        {"dwa", "2", "Masa ładunku: „dwa” nie jest liczbą; wpisz np. 2,5."},
        {"2,5", " ", "Liczba podniesień na godzinę: wpisz wartość."},
        {"2,5", "-1", "Liczba podniesień na godzinę: wartość nie może być ujemna."},
        {"2,5", "4/h", "Liczba podniesień na godzinę: „4/h” nie jest liczbą; wpisz np. 2,5."},
    };
    for (const auto& [mass, perHour, message] : cases)
        EXPECT_EQ(handling::readTask(mass, perHour, Group::Men).error, message) << message.toStdString();
}

} // namespace
