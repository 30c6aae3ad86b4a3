#pragma once
// Reading the values a user types into an exposure calculator: decimal numbers written with a
// comma (or a point), durations, and the Polish message that says why a value cannot be used.
// Plain functions, no window.

#include <QString>
#include <optional>

namespace exposure {

// A decimal number written with a comma or a point ("2,5", "2.5"); nothing for anything else.
std::optional<double> parseDecimal(const QString& text);

// A duration in hours: a decimal number of hours ("2,5"), hours and minutes ("2:30") or minutes
// ("30 min"); nothing for anything else. A leading minus is kept, so that it can be refused.
std::optional<double> parseHours(const QString& text);

// What a value must be besides a number.
enum class NumberRule {
    NonNegative,           // zero allowed
    Positive,              // greater than zero
    OptionalNonNegative,   // may also be left empty
    OptionalPositive,
};

// Why `text` cannot be used as a value under `rule`, as a phrase that follows the name of the
// value ("wpisz wartość.", "wartość nie może być ujemna."); empty when it can be used.
QString numberProblem(const QString& text, NumberRule rule);
// The same for a duration read by parseHours (always required, zero allowed).
QString durationProblem(const QString& text);

// The first letter in capitals: a phrase made into a sentence of its own.
QString sentence(const QString& phrase);

// Input that cannot be used, with the message that says what and where.
struct InputError {
    QString message;
};

// The value of `text`, or InputError "<what>: <problem>" (for an optional value left empty:
// nothing).
std::optional<double> readNumber(const QString& text, const QString& what, NumberRule rule);
double readRequired(const QString& text, const QString& what, NumberRule rule);
double readDuration(const QString& text, const QString& what);

// A number as shown, with a decimal comma and `decimals` places: "2,80".
QString formatNumber(double value, int decimals);

// A number as shown with no more places than it needs: "100", "0,05".
QString formatValue(double value);

} // namespace exposure
