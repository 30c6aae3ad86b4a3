#include "base/regional_format.h"

#include "base/app_error.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace regional {

namespace {

AppError floatError(const QString& text)
{
    return AppError(QStringLiteral("„%1” nie jest poprawną liczbą.").arg(text));
}

AppError integerError(const QString& text)
{
    return AppError(QStringLiteral("„%1” nie jest poprawną liczbą całkowitą.").arg(text));
}

// Whether `text` is a number as the user writes it: an optional sign, digits with an optional
// decimal comma and decimals (or a comma and decimals alone), an optional exponent. Checked
// by hand: a table's pass reads a number from every factor cell.
bool isDecimalText(QStringView text)
{
    qsizetype i = 0;
    const auto sign = [&text, &i] { i += i < text.size() && (text[i] == u'+' || text[i] == u'-'); };
    const auto digits = [&text, &i] {
        const qsizetype from = i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        return i - from;
    };
    sign();
    const qsizetype whole = digits();
    const bool comma = i < text.size() && text[i] == u',';
    i += comma;
    if (whole == 0 && (!comma || digits() == 0))
        return false;
    if (comma)
        digits();
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        sign();
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

// Adds one unit at position `at` of a string of decimal digits, carrying to the left;
// returns true when the carry ran out of the leftmost digit.
bool incrementDigits(std::string& digits, int at)
{
    for (int i = at; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

} // namespace

double parseFloat(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (!isDecimalText(trimmed))
        throw floatError(text);
    std::string ascii = trimmed.toStdString();
    for (char& c : ascii)
        if (c == ',')
            c = '.';
    if (ascii.front() == '+')
        ascii.erase(0, 1);
    double value = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size())
        throw floatError(text);
    return value;
}

qint32 parseInteger(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?\\d+$"));
    const QString trimmed = text.trimmed();
    if (!pattern.match(trimmed).hasMatch())
        throw integerError(text);
    std::string ascii = trimmed.toStdString();
    if (ascii.front() == '+')
        ascii.erase(0, 1);
    qint32 value = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size())
        throw integerError(text);
    return value;
}

QString formatFixed(double value, int decimals)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    // 18 significant digits in scientific form: d.ddddddddddddddddde±XX
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17e", value);
    const std::string sci(buffer);
    const bool negative = sci.front() == '-';
    const std::size_t ePos = sci.find('e');
    std::string mantissa = sci.substr(negative ? 1 : 0, ePos - (negative ? 1 : 0));
    mantissa.erase(1, 1); // drop the point: 18 digits
    const int exponent = std::stoi(sci.substr(ePos + 1));

    // Lay the digits out with `intDigits` digits before the point.
    std::string digits = mantissa;
    int intDigits = exponent + 1;
    if (intDigits <= 0) {
        digits = std::string(static_cast<std::size_t>(1 - intDigits), '0') + digits;
        intDigits = 1;
    }
    const int keep = intDigits + decimals;
    if (static_cast<int>(digits.size()) < keep + 1)
        digits.append(static_cast<std::size_t>(keep + 1 - static_cast<int>(digits.size())), '0');
    const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (roundUp && incrementDigits(digits, keep - 1)) {
        digits = '1' + digits;
        ++intDigits;
    }

    std::string out = digits.substr(0, static_cast<std::size_t>(intDigits));
    if (decimals > 0)
        out += ',' + digits.substr(static_cast<std::size_t>(intDigits));
    const bool allZero = out.find_first_not_of("0,") == std::string::npos;
    if (negative && !allZero)
        out = '-' + out;
    return QString::fromStdString(out);
}

QString formatDate(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString formatTime(const QTime& time)
{
    return time.toString(QStringLiteral("hh:mm"));
}

} // namespace regional
