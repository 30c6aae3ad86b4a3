#include "base/app_error.h"
#include "risk/risk_method.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using namespace risk;

namespace {

const QString kLevel1 = QStringLiteral("Ryzyko bardzo małe - dopuszczalne");
const QString kLevel2 = QStringLiteral("Ryzyko małe - dopuszczalne");
const QString kLevel3 = QStringLiteral("Ryzyko śrdenie - dopuszczalne");
const QString kLevel4 = QStringLiteral("Ryzyko duże - niedopuszczalne");
const QString kLevel5 = QStringLiteral("Ryzyko bardzo duże - niedopuszczalne");

constexpr std::array kMethods = {RiskMethod::PHA, RiskMethod::RiskScore, RiskMethod::FiveSteps,
                                 RiskMethod::Matrycowa};

// A hazard row as wide as the method's table, with the factor cells filled in.
QStringList row(RiskMethod method, const QString& s, const QString& p, const QString& e = {})
{
    const HazardColumns columns = hazardColumns(method);
    QStringList cells(columns.count);
    cells[0] = QStringLiteral("1");
    cells[1] = QStringLiteral("Hałas");
    cells[columns.s] = s;
    cells[columns.p] = p;
    if (columns.e >= 0)
        cells[columns.e] = e;
    cells[columns.risk] = QStringLiteral("R = 1,0 stary tekst");
    return cells;
}

// The error text a call raises, or "no error".
template <typename Call>
QString errorOf(Call call)
{
    try {
        call();
    } catch (const AppError& e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

QString compute(RiskMethod method, const QString& s, const QString& p, const QString& e = {},
                const QString& employees = QStringLiteral("1"))
{
    return ObliczWiersz(method, row(method, s, p, e), employees).value_or(QStringLiteral("unchanged"));
}

} // namespace

// --- methods and scales -------------------------------------------------------------------

TEST(Methods, NamesAndIndices)
{
    EXPECT_EQ(methodNames(), QStringList({"PHA", "RISK SCORE", "FIVE STEPS", "Matrycowa (PN-N-18002)"}));
    EXPECT_EQ(methodFromIndex(0), RiskMethod::PHA);
    EXPECT_EQ(methodFromIndex(1), RiskMethod::RiskScore);
    EXPECT_EQ(methodFromIndex(2), RiskMethod::FiveSteps);
    EXPECT_EQ(methodFromIndex(3), RiskMethod::Matrycowa);
    EXPECT_EQ(methodFromIndex(-1), RiskMethod::None);
    EXPECT_EQ(methodFromIndex(4), RiskMethod::None);
}

struct ScaleCase {
    RiskMethod method;
    Factor factor;
    qsizetype size;
    const char* first;
    const char* last;
};

TEST(Scales, SizesAndEndEntries)
{
    const ScaleCase cases[] = {
        {RiskMethod::PHA, Factor::S, 6, "1=znikome urazy, lekkie szkody",
         "6=zbiorowe wypadki śmiertelne, szkody na bardzo dużą skalę poza terenem zakładu"},
        {RiskMethod::PHA, Factor::P, 6, "1=bardzo nieprawdopodobne", "6=duże prawdopodobieństwo wydarzenia"},
        {RiskMethod::RiskScore, Factor::S, 6,
         "100=poważna katastrofa, wiele ofiar śmiertelnych, straty materialne powyżej 30 mln zł",
         "1=straty małe, konieczność udzielenia pierwszej pomocy, straty materialne poniżej 3 tyś zł"},
        {RiskMethod::RiskScore, Factor::P, 7, "10=bardzo prawdopodobne, szansa 50%",
         "0,1=teoretycznie możliwe, szansa 0,0001%"},
        {RiskMethod::RiskScore, Factor::E, 6, "10=stała, (24 godziny na dobę)", "0,5=znikoma (raz w roku)"},
        {RiskMethod::FiveSteps, Factor::S, 8, "0,1=zadrapania, siniaki, otarcia, stłuczenia", "15=śmierć"},
        {RiskMethod::FiveSteps, Factor::P, 9, "0=niemożliwe", "15=pewne"},
        {RiskMethod::FiveSteps, Factor::E, 6, "0,5=raz na rok", "6=ciągle"},
        {RiskMethod::Matrycowa, Factor::S, 3,
         "1=małe, urazy i choroby które nie powodują długotrwałych dolegliwości i absencji w pracy.",
         "3=duże, urazy i choroby, które powodują ciężkie i stałe dolegliwości i/lub śmierć."},
        {RiskMethod::Matrycowa, Factor::P, 3,
         "1=mało prawdopodobne, nie powinny wystąpić podczas całego okresu aktywności zawodowej.",
         "3=wysoce prawdopodobne, mogą wystąpić wielokrotnie podczas okresu aktywności zawodowej."},
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(c.first);
        const QStringList& entries = scale(c.method, c.factor);
        ASSERT_EQ(entries.size(), c.size);
        EXPECT_EQ(entries.first(), QString::fromUtf8(c.first));
        EXPECT_EQ(entries.last(), QString::fromUtf8(c.last));
    }
}

TEST(Scales, MissingFactorsAreEmpty)
{
    EXPECT_TRUE(scale(RiskMethod::PHA, Factor::E).isEmpty());
    EXPECT_TRUE(scale(RiskMethod::Matrycowa, Factor::E).isEmpty());
    for (const Factor factor : {Factor::S, Factor::P, Factor::E})
        EXPECT_TRUE(scale(RiskMethod::None, factor).isEmpty());
}

TEST(Scales, RiskScoreRunsDownOthersRunUp)
{
    for (const RiskMethod method : kMethods) {
        for (const Factor factor : {Factor::S, Factor::P, Factor::E}) {
            const QStringList& entries = scale(method, factor);
            for (qsizetype i = 1; i < entries.size(); ++i) {
                SCOPED_TRACE(entries.at(i).toStdString());
                if (method == RiskMethod::RiskScore)
                    EXPECT_GT(entryValue(entries.at(i - 1)), entryValue(entries.at(i)));
                else
                    EXPECT_LT(entryValue(entries.at(i - 1)), entryValue(entries.at(i)));
            }
        }
    }
}

TEST(Scales, MiddleEntriesWithTrickyTexts)
{
    EXPECT_EQ(scale(RiskMethod::RiskScore, Factor::P).at(2), QStringLiteral("3=praktycznie możliwe=1%"));
    EXPECT_EQ(scale(RiskMethod::FiveSteps, Factor::P).at(1), QStringLiteral("0,033=prawie niemożliwe"));
    EXPECT_EQ(scale(RiskMethod::Matrycowa, Factor::P).at(1),
              QStringLiteral("2=prawdopodobne, mogą wystąpić nie więcej niż kilkakrotnie podczas okresu "
                             "aktywności zawodowe."));
}

TEST(Scales, ShortMatrycowaS)
{
    EXPECT_EQ(shortMatrycowaS(), QStringList({"1=małe", "2=średnie", "3=duże"}));
    EXPECT_DOUBLE_EQ(entryValue(shortMatrycowaS().at(0)), 1.0);
    EXPECT_DOUBLE_EQ(entryValue(shortMatrycowaS().at(1)), 2.0);
    EXPECT_DOUBLE_EQ(entryValue(shortMatrycowaS().at(2)), 3.0);
}

// --- entry values -------------------------------------------------------------------------

TEST(EntryValue, NumberBeforeFirstEquals)
{
    EXPECT_DOUBLE_EQ(entryValue(QStringLiteral("3=praktycznie możliwe=1%")), 3.0);
    EXPECT_DOUBLE_EQ(entryValue(QStringLiteral("0,033=prawie niemożliwe")), 0.033);
    EXPECT_DOUBLE_EQ(entryValue(QStringLiteral("15=pewne")), 15.0);
    EXPECT_DOUBLE_EQ(entryValue(QStringLiteral("0,5=raz na rok")), 0.5);
}

TEST(EntryValue, ConversionErrorsNameTheTextBeforeEquals)
{
    EXPECT_EQ(errorOf([] { entryValue(QStringLiteral("0.5=raz na rok")); }),
              "„0.5” nie jest poprawną liczbą.");
    EXPECT_EQ(errorOf([] { entryValue(QStringLiteral("pięć=raz")); }),
              "„pięć” nie jest poprawną liczbą.");
    EXPECT_EQ(errorOf([] { entryValue(QStringLiteral("15")); }), "„” nie jest poprawną liczbą.");
    EXPECT_EQ(errorOf([] { entryValue(QStringLiteral("=pewne")); }), "„” nie jest poprawną liczbą.");
}

// --- factor I, levels, texts --------------------------------------------------------------

TEST(FactorI, EmployeeBands)
{
    const std::pair<qint32, int> cases[] = {{0, 1},  {1, 1},  {2, 1},  {3, 2},  {7, 2},
                                            {8, 4},  {15, 4}, {16, 8}, {50, 8}, {51, 12}};
    for (const auto& [employees, weight] : cases)
        EXPECT_EQ(factorI(employees), weight) << employees;
}

TEST(FactorI, NegativeCountIsTakenUnsigned)
{
    EXPECT_EQ(factorI(-1), 12);
    EXPECT_EQ(factorI(std::numeric_limits<qint32>::min()), 12);
}

TEST(Level, LevelTextsAndRedRule)
{
    const QString texts[] = {kLevel1, kLevel2, kLevel3, kLevel4, kLevel5};
    for (int level = 1; level <= 5; ++level) {
        EXPECT_EQ(levelText(level), texts[level - 1]);
        EXPECT_EQ(isUnacceptable(QStringLiteral("R = 1,0 ") + levelText(level)), level >= 4) << level;
    }
    EXPECT_FALSE(isUnacceptable(QString()));
}

TEST(Level, NRoundsHalfToEvenAndLimitsBelongToLowerLevel)
{
    // 10 x 1,05 is exactly 10,5 and rounds to 10; 10 x 1,15 is 11,5 and rounds to 12.
    EXPECT_EQ(level(RiskMethod::Matrycowa, 1.05), 1);
    EXPECT_EQ(level(RiskMethod::Matrycowa, 1.15), 2);
    EXPECT_EQ(level(RiskMethod::PHA, 2.05), 1);
    EXPECT_EQ(level(RiskMethod::PHA, 2.06), 2);
    EXPECT_EQ(level(RiskMethod::RiskScore, 20.05), 1);
    EXPECT_EQ(level(RiskMethod::FiveSteps, 50.04), 3);
    EXPECT_EQ(level(RiskMethod::FiveSteps, 50.06), 4);
    EXPECT_EQ(level(RiskMethod::FiveSteps, 500.04), 4);
    EXPECT_EQ(level(RiskMethod::FiveSteps, 500.06), 5);
    EXPECT_EQ(level(RiskMethod::FiveSteps, 0.0), 1);
}

TEST(RiskText, FormatAndRounding)
{
    EXPECT_EQ(riskText(RiskMethod::PHA, 2), "R = 2,0 " + kLevel1);
    EXPECT_EQ(riskText(RiskMethod::RiskScore, 0.25), "R = 0,3 " + kLevel1);
    EXPECT_EQ(riskText(RiskMethod::RiskScore, 0.75), "R = 0,8 " + kLevel1);
    EXPECT_EQ(riskText(RiskMethod::FiveSteps, 16200), "R = 16200,0 " + kLevel5);
    EXPECT_EQ(riskText(RiskMethod::FiveSteps, 0.00165), "R = 0,0 " + kLevel1);
}

TEST(HazardColumns, ByMethod)
{
    const auto fields = [](RiskMethod method) {
        const HazardColumns c = hazardColumns(method);
        return std::array{c.s, c.p, c.e, c.risk, c.count};
    };
    for (const RiskMethod method : {RiskMethod::PHA, RiskMethod::Matrycowa, RiskMethod::None})
        EXPECT_EQ(fields(method), (std::array{4, 5, -1, 6, 7}));
    for (const RiskMethod method : {RiskMethod::RiskScore, RiskMethod::FiveSteps})
        EXPECT_EQ(fields(method), (std::array{4, 5, 6, 7, 8}));
}

// --- ObliczWiersz -------------------------------------------------------------------------

TEST(ObliczWiersz, Pha)
{
    const QStringList& s = scale(RiskMethod::PHA, Factor::S);
    const QStringList& p = scale(RiskMethod::PHA, Factor::P);
    EXPECT_EQ(compute(RiskMethod::PHA, "2=lekkie obrażenia, wymierne szkody", "1=bardzo nieprawdopodobne"),
              "R = 2,0 Ryzyko bardzo małe - dopuszczalne");
    EXPECT_EQ(compute(RiskMethod::PHA, s[2], p[0]), "R = 3,0 Ryzyko małe - dopuszczalne");
    EXPECT_EQ(compute(RiskMethod::PHA, s[2], p[2]), "R = 9,0 Ryzyko śrdenie - dopuszczalne");
    EXPECT_EQ(compute(RiskMethod::PHA, s[1], p[5]), "R = 12,0 Ryzyko duże - niedopuszczalne");
    EXPECT_EQ(compute(RiskMethod::PHA, s[5], p[5]), "R = 36,0 Ryzyko bardzo duże - niedopuszczalne");
}

TEST(ObliczWiersz, RiskScore)
{
    const auto rs = [](const char* s, const char* p, const char* e) {
        return compute(RiskMethod::RiskScore, s, p, e);
    };
    EXPECT_EQ(rs("40=x", "0,5=x", "1=x"), "R = 20,0 Ryzyko bardzo małe - dopuszczalne");
    EXPECT_EQ(rs("7=x", "10=x", "1=x"), "R = 70,0 Ryzyko małe - dopuszczalne");
    EXPECT_EQ(rs("40=x", "10=x", "1=x"), "R = 400,0 Ryzyko duże - niedopuszczalne");
    EXPECT_EQ(rs("100=x", "10=x", "10=x"), "R = 10000,0 Ryzyko bardzo duże - niedopuszczalne");
    EXPECT_EQ(rs("1=x", "0,5=x", "0,5=x"), "R = 0,3 Ryzyko bardzo małe - dopuszczalne");
    EXPECT_EQ(rs("1=x", "3=praktycznie możliwe=1%", "1=x"), "R = 3,0 Ryzyko bardzo małe - dopuszczalne");
}

TEST(ObliczWiersz, FiveSteps)
{
    const auto fs = [](const char* s, const char* p, const char* e, const char* employees) {
        return compute(RiskMethod::FiveSteps, s, p, e, employees);
    };
    EXPECT_EQ(fs("15=śmierć", "0=niemożliwe", "6=ciągle", "60"), "R = 0,0 Ryzyko bardzo małe - dopuszczalne");
    EXPECT_EQ(fs("15=śmierć", "15=pewne", "6=ciągle", "60"), "R = 16200,0 Ryzyko bardzo duże - niedopuszczalne");
    EXPECT_EQ(fs("0,1=x", "0,033=x", "0,5=x", "1"), "R = 0,0 Ryzyko bardzo małe - dopuszczalne");
    // S x P x E = 1 makes R the weight I itself.
    const std::pair<const char*, const char*> counts[] = {
        {"0", "R = 1,0"},  {"1", "R = 1,0"},  {"2", "R = 1,0"},  {"3", "R = 2,0"},  {"7", "R = 2,0"},
        {"8", "R = 4,0"},  {"15", "R = 4,0"}, {"16", "R = 8,0"}, {"50", "R = 8,0"}, {"51", "R = 12,0"},
    };
    for (const auto& [employees, prefix] : counts)
        EXPECT_TRUE(fs("1=x", "1=x", "1=x", employees).startsWith(QString::fromUtf8(prefix) + " ")) << employees;
}

TEST(ObliczWiersz, Matrycowa)
{
    const QStringList& s = scale(RiskMethod::Matrycowa, Factor::S);
    const QStringList& p = scale(RiskMethod::Matrycowa, Factor::P);
    EXPECT_EQ(compute(RiskMethod::Matrycowa, s[0], p[0]), "R = 1,0 " + kLevel1);
    EXPECT_EQ(compute(RiskMethod::Matrycowa, s[1], p[0]), "R = 2,0 " + kLevel2);
    EXPECT_EQ(compute(RiskMethod::Matrycowa, s[1], p[1]), "R = 4,0 " + kLevel3);
    EXPECT_EQ(compute(RiskMethod::Matrycowa, s[1], p[2]), "R = 6,0 Ryzyko duże - niedopuszczalne");
    EXPECT_EQ(compute(RiskMethod::Matrycowa, s[2], p[2]), "R = 9,0 " + kLevel5);
    EXPECT_EQ(compute(RiskMethod::Matrycowa, shortMatrycowaS()[2], p[1]), "R = 6,0 " + kLevel4);
}

TEST(ObliczWiersz, LeavesRowUnchanged)
{
    EXPECT_FALSE(ObliczWiersz(RiskMethod::None, row(RiskMethod::None, "2=x", "2=x"), "1"));
    EXPECT_FALSE(ObliczWiersz(RiskMethod::PHA, row(RiskMethod::PHA, "2=x", ""), "1"));
    EXPECT_FALSE(ObliczWiersz(RiskMethod::PHA, row(RiskMethod::PHA, "", "2=x"), "1"));
    EXPECT_FALSE(ObliczWiersz(RiskMethod::RiskScore, row(RiskMethod::RiskScore, "1=x", "1=x", ""), "1"));
    // An empty cell stops before the count is read.
    EXPECT_FALSE(ObliczWiersz(RiskMethod::FiveSteps, row(RiskMethod::FiveSteps, "1=x", "", "1=x"), "1."));
    // A short row counts as one with empty cells.
    EXPECT_FALSE(ObliczWiersz(RiskMethod::PHA, QStringList({"1", "Hałas"}), "1"));
}

// Only the FIVE STEPS count can fail: a factor off the method's scale (a point for the
// comma, no number, a value of another scale) gives no risk and no error.
TEST(ObliczWiersz, ConversionErrors)
{
    const auto error = [](RiskMethod method, QStringList cells, const char* employees) {
        return errorOf([&] { EXPECT_FALSE(ObliczWiersz(method, cells, employees)); });
    };
    for (const char* p : {"0.5=x", "dwa", "7=x"}) {
        EXPECT_EQ(error(RiskMethod::PHA, row(RiskMethod::PHA, "2=x", p), "1"), "no error") << p;
        EXPECT_TRUE(hasOffScaleFactor(RiskMethod::PHA, row(RiskMethod::PHA, "2=x", p))) << p;
    }
    EXPECT_EQ(error(RiskMethod::FiveSteps, row(RiskMethod::FiveSteps, "1=x", "1=x", "1=x"), "1."),
              "„1.” nie jest poprawną liczbą całkowitą.");
    EXPECT_EQ(error(RiskMethod::FiveSteps, row(RiskMethod::FiveSteps, "1=x", "1=x", "1=x"), "99999999999"),
              "„99999999999” nie jest poprawną liczbą całkowitą.");
    // The count is read only once every factor is on its scale, and only by FIVE STEPS.
    EXPECT_EQ(error(RiskMethod::FiveSteps, row(RiskMethod::FiveSteps, "1=x", "2,5=x", "1=x"), "1."), "no error");
    EXPECT_EQ(errorOf([] { ObliczWiersz(RiskMethod::RiskScore, row(RiskMethod::RiskScore, "1=x", "1=x", "1=x"), "1."); }),
              "no error");
}

// Every product the scales can give lands in the level its R limits name. The expected level is
// worked out exactly on thousandths (every scale value is a whole number of them), independently
// of the rounded N that the program classifies by.
TEST(ObliczWiersz, EveryProductMatchesRLimits)
{
    struct Limits {
        RiskMethod method;
        std::array<long long, 4> r;
    };
    const Limits methods[] = {
        {RiskMethod::PHA, {2, 4, 9, 12}},
        {RiskMethod::RiskScore, {20, 70, 200, 400}},
        {RiskMethod::FiveSteps, {5, 20, 50, 500}},
        {RiskMethod::Matrycowa, {1, 2, 4, 6}},
    };
    // One employee count for every weight I.
    const std::pair<const char*, long long> weights[] = {{"1", 1}, {"3", 2}, {"8", 4}, {"16", 8}, {"51", 12}};
    const auto thousandths = [](const QString& entry) { return std::llround(entryValue(entry) * 1000); };

    for (const auto& [method, limits] : methods) {
        const QStringList sScale = scale(method, Factor::S);
        const QStringList pScale = scale(method, Factor::P);
        const QStringList eScale = scale(method, Factor::E).isEmpty() ? QStringList({QString()})
                                                                      : scale(method, Factor::E);
        const bool hasE = hazardColumns(method).e >= 0;
        const long long scaleUnit = hasE ? 1000LL * 1000 * 1000 : 1000LL * 1000;
        const std::size_t weightCount = method == RiskMethod::FiveSteps ? std::size(weights) : 1;
        int checked = 0;
        for (const QString& s : sScale)
            for (const QString& p : pScale)
                for (const QString& e : eScale)
                    for (std::size_t w = 0; w < weightCount; ++w) {
                        const auto [employees, weight] = weights[w];
                        const long long eValue = hasE ? thousandths(e) : 1;
                        const long long product = thousandths(s) * thousandths(p) * eValue * weight;
                        int expected = 1;
                        for (const long long limit : limits)
                            if (product > limit * scaleUnit)
                                ++expected;
                        const QString text = compute(method, s, p, e, employees);
                        EXPECT_TRUE(text.endsWith(" " + levelText(expected)))
                            << text.toStdString() << " from " << s.toStdString() << " x " << p.toStdString()
                            << " x " << e.toStdString() << " x " << weight;
                        ++checked;
                    }
        EXPECT_EQ(checked, sScale.size() * pScale.size() * eScale.size() * static_cast<qsizetype>(weightCount));
    }
}
