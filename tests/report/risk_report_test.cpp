// The risk report and the method sections, recorded: the risk card's formulas, the index
// RBHP with its level, memo paragraphs, and the employee count needed by FIVE STEPS alone.

#include "base/app_error.h"
#include "model/document_snapshot.h"
#include "report/command_recorder.h"
#include "report/method_section.h"
#include "report/risk_report.h"

#include <gtest/gtest.h>

namespace {

QString quoted(const QString& text)
{
    CommandRecorder recorder;
    recorder.Insert(text);
    return recorder.commands.first();
}

QStringList record(const AssessmentSnapshot& assessment)
{
    CommandRecorder word;
    BuildRiskReport(word, assessment);
    return word.commands;
}

// The commands from the first one equal to `first`, `count` of them.
QStringList from(const QStringList& commands, const QString& first, int count)
{
    const qsizetype at = commands.indexOf(first);
    return at < 0 ? QStringList{} : commands.mid(at, count);
}

AssessmentSnapshot withHazard(RiskMethod method, const QString& employees, const QStringList& row)
{
    AssessmentSnapshot a;
    a.method = method;
    a.employees = employees;
    a.hazards = {row};
    return a;
}

struct CardCase {
    const char* name;
    RiskMethod method;
    const char* employees;
    QStringList row;
    QStringList fifthCell;   // what follows the row's LeftPara in the risk card
};

class RiskCard : public testing::TestWithParam<CardCase> {};

TEST_P(RiskCard, WritesTheFormulaAndTheRiskText)
{
    const CardCase& c = GetParam();
    const QStringList commands = record(withHazard(c.method, QString::fromUtf8(c.employees), c.row));
    // The card is the third table with the hazard in it: find its last data cell.
    const qsizetype card = commands.lastIndexOf(quoted(c.row[2]));
    ASSERT_GE(card, 0);
    const QStringList expected = QStringList{"NextCell", "LeftPara"} + c.fifthCell;
    EXPECT_EQ(commands.mid(card + 1, expected.size()), expected);
}

const QStringList Rated{"Hałas", "Tokarka", "Głuchota", "Ochronniki", "2=proste złamania", "5=równa szansa",
                        "1=raz na miesiąc", "R = 400,0 Ryzyko duże - niedopuszczalne"};

CardCase fiveSteps(const char* name, const char* employees, const char* factorI)
{
    return {name, RiskMethod::FiveSteps, employees, Rated,
            {quoted(QStringLiteral("R=2*5*1*%1\r").arg(QLatin1String(factorI))), quoted(Rated[7])}};
}

INSTANTIATE_TEST_SUITE_P(
    Report, RiskCard,
    testing::Values(
        CardCase{"Pha", RiskMethod::PHA, "", {"a", "b", "c", "d", "2=lekkie", "3=doraźne", "R = 6,0 Ryzyko średnie"},
                 {quoted("R=2*3\r"), quoted("R = 6,0 Ryzyko średnie")}},
        CardCase{"RiskScore", RiskMethod::RiskScore, "", {"a", "b", "c", "d", "15=duże", "6=częsta", "0,5=rzadko", "R = 45,0"},
                 {quoted("R=15*6*0,5\r"), quoted("R = 45,0")}},
        CardCase{"Matrix", RiskMethod::Matrycowa, "", {"a", "b", "c", "d", "3=Duży", "2=Prawdop.", "R = 6,0"},
                 {quoted("R=3*2\r"), quoted("R = 6,0")}},
        // A row whose factors give no R shows none, whatever its risk cell still holds: the
        // card goes straight on to the end of the table.
        CardCase{"EmptyFactor", RiskMethod::PHA, "", {"a", "b", "c", "d", "", "3=doraźne", "R = 36,0"},
                 {"LineDown 1"}},
        CardCase{"FactorOffTheScale", RiskMethod::RiskScore, "",
                 {"a", "b", "c", "d", "4=pojedyncze wypadki śmiertelne", "6=częsta", "6=całkiem", "R = 72,0"},
                 {"LineDown 1"}},
        CardCase{"NoMethod", RiskMethod::None, "", {"a", "b", "c", "d", "2=lekkie", "3=doraźne", "R"}, {}},
        // The factor I follows the employee count (its steps are tested with the method).
        fiveSteps("FiveSteps3Persons", "3", "2"), fiveSteps("FiveSteps51Persons", "51", "12")),
    [](const auto& test) { return std::string(test.param.name); });

struct IndexCase {
    const char* name;
    QStringList answers;
    QStringList expected;   // from the index line on
};

class RbhpIndex : public testing::TestWithParam<IndexCase> {};

TEST_P(RbhpIndex, CountsExactNieAnswersAndWritesTheLevel)
{
    AssessmentSnapshot a;
    for (const QString& answer : GetParam().answers)
        a.checklist.append({QStringLiteral("pytanie"), QStringLiteral("działanie"), answer});
    const QStringList commands = record(a);
    const QStringList expected = GetParam().expected;
    EXPECT_EQ(from(commands, expected.first(), static_cast<int>(expected.size()) + 1), expected + QStringList{"InsertPara"});
}

QStringList answers(int no, int questions)
{
    QStringList all(questions, QStringLiteral("TAK"));
    for (int i = 0; i < no; ++i)
        all[i] = QStringLiteral("NIE");
    return all;
}

IndexCase index(const char* name, const QStringList& answers, const char* value, const char* level,
                const char* unanswered = nullptr)
{
    IndexCase c{name, answers,
                {quoted(QStringLiteral("Wskaźnik RBHP =%1\r").arg(QLatin1String(value))), "FontSize 10", "LeftPara",
                 quoted(QStringLiteral("Stopień przestrzegania zasad bhp: %1\r").arg(QString::fromUtf8(level)))}};
    if (unanswered)
        c.expected.append(quoted(QString::fromUtf8(unanswered)));
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Report, RbhpIndex,
    testing::Values(
        // Only "TAK" and "NIE" are answers; the index still counts "NIE" among all questions.
        index("TwoOfEightWithLowerCaseAndBlankNotCounted",
              {"NIE", "nie", "NIE ", "", "NIE", "TAK", "TAK", "Nie"}, "0,25", "średni",
              "Pytania bez odpowiedzi: 4 z 8.\r"),
        IndexCase{"NoAnswerAtAll",
                  {"", "", ""},
                  {quoted("Wskaźnik RBHP nie został obliczony: brak odpowiedzi na pytania listy kontrolnej.\r"),
                   "InsertPara", "InsertPara"}},
        index("OneOfTen", answers(1, 10), "0,10", "bardzo duży"), index("TwoOfTen", answers(2, 10), "0,20", "duży"),
        index("SixOfTen", answers(6, 10), "0,60", "mały"), index("SevenOfTen", answers(7, 10), "0,70", "bardzo mały"),
        // Without questions there is no index to compute: a text says so, and no level follows.
        IndexCase{"NoQuestions",
                  {},
                  {quoted("Wskaźnik RBHP nie został obliczony: lista kontrolna nie zawiera pytań.\r"), "InsertPara",
                   "InsertPara"}}),
    [](const auto& test) { return std::string(test.param.name); });

// A stored paragraph is one paragraph of the report, however long (the window wraps it).
TEST(RiskReport, LongMemoParagraphIsWrittenAsStored)
{
    const QString longParagraph = QString(400, QLatin1Char('x'));
    AssessmentSnapshot a;
    a.workstationMemos[1] = {longParagraph};
    const QString heading = quoted("1.2 Opis miejsca, pomieszczenia pracy:\r");
    EXPECT_EQ(from(record(a), heading, 4),
              (QStringList{heading, quoted(longParagraph + "\r"), "InsertPara", "InsertPara"}));
}

TEST(RiskReport, EmployeeCountIsNeededByFiveStepsAlone)
{
    for (RiskMethod method : {RiskMethod::PHA, RiskMethod::RiskScore, RiskMethod::Matrycowa, RiskMethod::None})
        EXPECT_NO_THROW(record(withHazard(method, QString(), Rated))) << int(method);
    try {
        record(withHazard(RiskMethod::FiveSteps, QStringLiteral("kilku"), Rated));
        FAIL() << "a FIVE STEPS report was written without a count";
    } catch (const AppError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("„kilku” nie jest poprawną liczbą całkowitą."));
    }
}

TEST(RiskReport, MethodSectionsHaveTheirCommandCounts)
{
    const int counts[] = {29, 38, 49, 23};
    for (int method = -1; method <= 4; ++method) {
        CommandRecorder word;
        WriteMethodSection(word, method);
        const bool known = method >= 0 && method <= 3;
        EXPECT_EQ(word.commands.size(), known ? counts[method] + 6 : 0) << method;
        if (known) {
            EXPECT_EQ(word.commands.last(),
                      quoted("Ryzyko bardzo duże - niedopuszczalne - Niezwłocznie ograniczyć poziom ryzyka, wstrzymać "
                             "prace na stanowisku.\r\r"));
        }
    }
}

} // namespace
