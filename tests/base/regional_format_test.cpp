#include "base/app_error.h"
#include "base/regional_format.h"

#include <gtest/gtest.h>

using namespace regional;

namespace {

QString floatError(const char* text)
{
    try {
        parseFloat(QString::fromUtf8(text));
    } catch (const AppError& e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

QString integerError(const char* text)
{
    try {
        parseInteger(QString::fromUtf8(text));
    } catch (const AppError& e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

} // namespace

TEST(ParseFloat, ReadsDecimalComma)
{
    EXPECT_DOUBLE_EQ(parseFloat("0,5"), 0.5);
    EXPECT_DOUBLE_EQ(parseFloat("0,033"), 0.033);
    EXPECT_DOUBLE_EQ(parseFloat("15"), 15.0);
    EXPECT_DOUBLE_EQ(parseFloat(" -1,5 "), -1.5);
    EXPECT_DOUBLE_EQ(parseFloat("+2"), 2.0);
    EXPECT_DOUBLE_EQ(parseFloat("1,5e2"), 150.0);
    EXPECT_DOUBLE_EQ(parseFloat(",5"), 0.5);
    EXPECT_DOUBLE_EQ(parseFloat("5,"), 5.0);
    EXPECT_DOUBLE_EQ(parseFloat("-1E+3"), -1000.0);
}

TEST(ParseFloat, PointIsNoSeparator)
{
    EXPECT_EQ(floatError("0.5"), "„0.5” nie jest poprawną liczbą.");
}

TEST(ParseFloat, RejectsLettersAndEmptyText)
{
    EXPECT_EQ(floatError(""), "„” nie jest poprawną liczbą.");
    EXPECT_EQ(floatError("abc"), "„abc” nie jest poprawną liczbą.");
    EXPECT_EQ(floatError("1,2,3"), "„1,2,3” nie jest poprawną liczbą.");
    EXPECT_EQ(floatError("1 000"), "„1 000” nie jest poprawną liczbą.");
    for (const char* text : {",", "+", "--1", "1e", ",e5", "1e5,", "\u0663"})
        EXPECT_EQ(floatError(text), QStringLiteral("„%1” nie jest poprawną liczbą.").arg(QString::fromUtf8(text)));
}

TEST(ParseInteger, ReadsWholeNumbersInRange)
{
    EXPECT_EQ(parseInteger("0"), 0);
    EXPECT_EQ(parseInteger("51"), 51);
    EXPECT_EQ(parseInteger("-7"), -7);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), -2147483647 - 1);
}

TEST(ParseInteger, RejectsFractionsOverflowAndEmptyText)
{
    EXPECT_EQ(integerError("1."), "„1.” nie jest poprawną liczbą całkowitą.");
    EXPECT_EQ(integerError("1,5"), "„1,5” nie jest poprawną liczbą całkowitą.");
    EXPECT_EQ(integerError(""), "„” nie jest poprawną liczbą całkowitą.");
    EXPECT_EQ(integerError("2147483648"), "„2147483648” nie jest poprawną liczbą całkowitą.");
    EXPECT_EQ(integerError("12a"), "„12a” nie jest poprawną liczbą całkowitą.");
}

TEST(FormatFixed, OneDecimalRoundsHalfUp)
{
    EXPECT_EQ(formatFixed(0.25, 1), "0,3");
    EXPECT_EQ(formatFixed(0.75, 1), "0,8");
    EXPECT_EQ(formatFixed(2, 1), "2,0");
    EXPECT_EQ(formatFixed(16200, 1), "16200,0");
    EXPECT_EQ(formatFixed(0.00165, 1), "0,0");
    EXPECT_EQ(formatFixed(0, 1), "0,0");
    EXPECT_EQ(formatFixed(9.96, 1), "10,0");
    EXPECT_EQ(formatFixed(10000, 1), "10000,0");
}

TEST(FormatFixed, ProductsOfScaleValuesKeepTheirDecimal)
{
    EXPECT_EQ(formatFixed(0.1 * 0.5, 1), "0,1");   // 0.05 rounds up
    EXPECT_EQ(formatFixed(1.5 * 0.5, 1), "0,8");
    EXPECT_EQ(formatFixed(0.033 * 15, 1), "0,5");  // 0.495
}

TEST(FormatFixed, TwoDecimalsAndNegatives)
{
    EXPECT_EQ(formatFixed(0.125, 2), "0,13");
    EXPECT_EQ(formatFixed(87.5, 2), "87,50");
    EXPECT_EQ(formatFixed(-1.25, 1), "-1,3");
    EXPECT_EQ(formatFixed(-0.01, 1), "0,0");
}

TEST(DateAndTime, UseDotsAndColon)
{
    EXPECT_EQ(formatDate(QDate(2026, 3, 7)), "07.03.2026");
    EXPECT_EQ(formatTime(QTime(9, 5)), "09:05");
    EXPECT_EQ(formatTime(QTime(21, 45)), "21:45");
}
