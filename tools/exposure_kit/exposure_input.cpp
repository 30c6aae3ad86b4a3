#include "exposure_input.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace exposure {

std::optional<double> parseDecimal(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(QString(text).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

std::optional<double> parseHours(const QString& text)
{
    static const QRegularExpression hoursAndMinutes(QStringLiteral("^(-?)(\\d+):([0-5]?\\d)$"));
    static const QRegularExpression minutes(QStringLiteral("^(.+?)\\s*min$"));
    if (const QRegularExpressionMatch match = minutes.match(text); match.hasMatch()) {
        const std::optional<double> count = parseDecimal(match.captured(1));
        return count ? std::optional(*count / 60.0) : std::nullopt;
    }
    const QRegularExpressionMatch match = hoursAndMinutes.match(text);
    if (!match.hasMatch())
        return parseDecimal(text);
    const double hours = match.captured(2).toDouble() + match.captured(3).toDouble() / 60.0;
    return match.captured(1).isEmpty() ? hours : -hours;
}

namespace {

QString signProblem(double value, bool positive)
{
    if (value < 0)
        return QStringLiteral("wartość nie może być ujemna.");
    if (positive && value == 0)
        return QStringLiteral("wartość musi być większa od zera.");
    return {};
}

} // namespace

QString numberProblem(const QString& typed, NumberRule rule)
{
    const QString text = typed.trimmed();
    const bool optional = rule == NumberRule::OptionalNonNegative || rule == NumberRule::OptionalPositive;
    if (text.isEmpty())
        return optional ? QString() : QStringLiteral("wpisz wartość.");
    const std::optional<double> value = parseDecimal(text);
    if (!value)
        return QStringLiteral("„%1” nie jest liczbą; wpisz np. 2,5.").arg(text);
    return signProblem(*value, rule == NumberRule::Positive || rule == NumberRule::OptionalPositive);
}

QString durationProblem(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return QStringLiteral("wpisz czas, np. 2,5 (godziny), 2:30 lub 30 min.");
    const std::optional<double> hours = parseHours(text);
    if (!hours)
        return QStringLiteral("„%1” nie jest czasem; wpisz np. 2,5 (godziny), 2:30 lub 30 min.").arg(text);
    return signProblem(*hours, false);
}

QString sentence(const QString& phrase)
{
    return phrase.isEmpty() ? phrase : phrase.first(1).toUpper() + phrase.mid(1);
}

std::optional<double> readNumber(const QString& text, const QString& what, NumberRule rule)
{
    if (const QString problem = numberProblem(text, rule); !problem.isEmpty())
        throw InputError{QStringLiteral("%1: %2").arg(what, problem)};
    return parseDecimal(text.trimmed());
}

double readRequired(const QString& text, const QString& what, NumberRule rule)
{
    const std::optional<double> value = readNumber(text, what, rule);
    if (!value)
        throw InputError{QStringLiteral("%1: %2").arg(what, numberProblem({}, NumberRule::NonNegative))};
    return *value;
}

double readDuration(const QString& text, const QString& what)
{
    if (const QString problem = durationProblem(text); !problem.isEmpty())
        throw InputError{QStringLiteral("%1: %2").arg(what, problem)};
    return *parseHours(text.trimmed());
}

QString formatNumber(double value, int decimals)
{
    return QLocale(QLocale::Polish).toString(value, 'f', decimals);
}

QString formatValue(double value)
{
    QLocale polish(QLocale::Polish);
    polish.setNumberOptions(QLocale::OmitGroupSeparator);
    return polish.toString(value, 'g', 6);
}

} // namespace exposure
