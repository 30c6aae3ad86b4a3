#pragma once
// The regional formats the whole program uses, whatever the system's locale says:
// decimal comma (no thousands separator), dates "dd.MM.yyyy", times "hh:mm".
// Parsing failures raise AppError with the texts the user sees.

#include <QDate>
#include <QString>
#include <QTime>

namespace regional {

// A decimal number whose separator is the comma: "0,5", "-3", "1,5e2". A point is no
// separator ("0.5" fails). Blanks at both ends are ignored.
// Throws AppError with the text "„<text>” nie jest poprawną liczbą."
double parseFloat(const QString& text);

// A whole number in the 32-bit range, optionally signed. Blanks at both ends are ignored.
// Throws AppError with the text "„<text>” nie jest poprawną liczbą całkowitą."
qint32 parseInteger(const QString& text);

// `value` in fixed notation with `decimals` decimals and a decimal comma. The decimal
// expansion is first taken to 18 significant digits and then rounded at the last kept
// decimal, a 5 or more in the next digit rounding away from zero: 0.25 gives "0,3".
QString formatFixed(double value, int decimals);

QString formatDate(const QDate& date);   // "dd.MM.yyyy"
QString formatTime(const QTime& time);   // "hh:mm"

} // namespace regional
