#include "noise_exposure.h"

#include "exposure_input.h"

#include <QLocale>
#include <cmath>

namespace noise {

namespace {

constexpr double ReferenceHours = 8.0;
constexpr int HoursInDay = 24;
// Wider than anything heard at work; keeps the energy sum finite.
constexpr double LowestLevel = 0.0;
constexpr double HighestLevel = 200.0;

using exposure::InputError;

// A level in dB; `what` opens the message ("Wiersz 2: poziom dźwięku").
double readLevel(const QString& text, const QString& what)
{
    const std::optional<double> level = exposure::parseDecimal(text);
    if (!level)
        throw InputError{QStringLiteral("%1 „%2” nie jest liczbą. Wpisz liczbę decybeli, np. 85 lub 87,5.").arg(what, text)};
    if (*level < LowestLevel || *level > HighestLevel)
        throw InputError{QStringLiteral("%1 %2 dB jest poza zakresem od 0 do 200 dB.").arg(what, text)};
    return *level;
}

// One row of the table, counted from 1 in the messages.
Activity readActivity(const ActivityText& row, qsizetype number)
{
    const QString prefix = QStringLiteral("Wiersz %1: ").arg(number);
    const QString level = row.level.trimmed();
    const QString duration = row.duration.trimmed();
    if (level.isEmpty())
        throw InputError{prefix + QStringLiteral("wpisz poziom dźwięku L_Aeq w dB.")};
    const double decibels = readLevel(level, prefix + QStringLiteral("poziom dźwięku"));
    if (duration.isEmpty())
        throw InputError{prefix + QStringLiteral("wpisz czas trwania czynności w godzinach, np. 2,5 lub 2:30.")};
    const std::optional<double> hours = exposure::parseHours(duration);
    if (!hours)
        throw InputError{prefix + QStringLiteral("czas trwania „%1” nie jest liczbą godzin. Wpisz np. 2,5 lub 2:30.").arg(duration)};
    if (*hours < 0)
        throw InputError{prefix + QStringLiteral("czas trwania nie może być ujemny.")};
    return {decibels, *hours};
}

// A level below the table, which may be left empty (not measured).
std::optional<double> readOptionalLevel(const QString& typed, const QString& what)
{
    const QString text = typed.trimmed();
    return text.isEmpty() ? std::nullopt : std::optional(readLevel(text, what));
}

Measurements read(const QList<ActivityText>& rows, const QString& peak, const QString& maxLevel)
{
    Measurements result;
    double totalHours = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const ActivityText& row = rows[i];
        if (row.name.trimmed().isEmpty() && row.level.trimmed().isEmpty() && row.duration.trimmed().isEmpty())
            continue;
        result.activities.append(readActivity(row, i + 1));
        totalHours += result.activities.last().hours;
    }
    if (result.activities.isEmpty())
        throw InputError{QStringLiteral("Wpisz co najmniej jedną czynność: jej poziom dźwięku L_Aeq i czas trwania.")};
    if (const qint64 minutes = qRound64(totalHours * 60); minutes > HoursInDay * 60)
        throw InputError{QStringLiteral("Łączny czas czynności (%1 h %2 min) przekracza 24 godziny doby.")
                             .arg(minutes / 60).arg(minutes % 60)};
    if (totalHours <= 0)
        throw InputError{QStringLiteral("Łączny czas czynności musi być dłuższy od zera.")};
    result.peak = readOptionalLevel(peak, QStringLiteral("Szczytowy poziom dźwięku C"));
    result.maxLevel = readOptionalLevel(maxLevel, QStringLiteral("Maksymalny poziom dźwięku A"));
    return result;
}

double roundedToTenth(double value)
{
    return std::round(value * 10.0) / 10.0;
}

enum class LimitKind { Ndn, UpperAction, LowerAction };

struct Limit {
    LimitKind kind;
    double value;
};

// How a limit reads after "przekracza" (exceeded) and after "nie przekracza".
QString limitName(LimitKind kind, bool exceeded)
{
    switch (kind) {
    case LimitKind::Ndn:
        return QStringLiteral("NDN");
    case LimitKind::UpperAction:
        return exceeded ? QStringLiteral("górny próg działania") : QStringLiteral("górnego progu działania");
    case LimitKind::LowerAction:
        return exceeded ? QStringLiteral("dolny próg działania") : QStringLiteral("dolnego progu działania");
    }
    return {};
}

struct Finding {
    QString text;
    bool ndnExceeded = false;
    bool anyExceeded = false;
};

// "L_EX,8h = 82,0 dB: przekracza dolny próg działania (80 dB); nie przekracza NDN (85 dB), ...".
Finding compare(const QString& symbol, double value, const QList<Limit>& limits)
{
    Finding result;
    QStringList above;
    QStringList kept;
    for (const Limit& limit : limits) {
        const bool exceeded = value > limit.value;
        (exceeded ? above : kept).append(QStringLiteral("%1 (%2 dB)").arg(limitName(limit.kind, exceeded)).arg(limit.value));
        result.ndnExceeded = result.ndnExceeded || (exceeded && limit.kind == LimitKind::Ndn);
    }
    result.anyExceeded = !above.isEmpty();
    QStringList parts;
    if (!above.isEmpty())
        parts.append(QStringLiteral("przekracza ") + above.join(QStringLiteral(", ")));
    if (!kept.isEmpty())
        parts.append(QStringLiteral("nie przekracza ") + kept.join(QStringLiteral(", ")));
    result.text = QStringLiteral("%1 = %2 dB: %3").arg(symbol, formatDecibels(value), parts.join(QStringLiteral("; ")));
    return result;
}

} // namespace

double dailyExposureLevel(const QList<Activity>& activities)
{
    double energy = 0;
    for (const Activity& activity : activities)
        energy += activity.hours * std::pow(10.0, 0.1 * activity.level);
    return 10.0 * std::log10(energy / ReferenceHours);
}

ReadResult readMeasurements(const QList<ActivityText>& rows, const QString& peak, const QString& maxLevel)
{
    try {
        return {read(rows, peak, maxLevel), {}};
    } catch (const InputError& error) {
        return {{}, error.message};
    }
}

Assessment assess(const Measurements& measurements)
{
    using enum LimitKind;
    Assessment result;
    result.dailyLevel = roundedToTenth(dailyExposureLevel(measurements.activities));
    QList<Finding> findings{compare(QStringLiteral("L_EX,8h"), result.dailyLevel,
                                    {{Ndn, DailyLimit}, {UpperAction, DailyUpperAction}, {LowerAction, DailyLowerAction}})};
    if (measurements.peak)
        findings.append(compare(QStringLiteral("L_Cpeak"), roundedToTenth(*measurements.peak),
                                {{Ndn, PeakLimit}, {UpperAction, PeakUpperAction}, {LowerAction, PeakLowerAction}}));
    if (measurements.maxLevel)
        findings.append(compare(QStringLiteral("L_Amax"), roundedToTenth(*measurements.maxLevel), {{Ndn, MaxLevelLimit}}));

    bool ndnExceeded = false;
    bool anyExceeded = false;
    for (const Finding& finding : findings) {
        result.findings.append(finding.text);
        ndnExceeded = ndnExceeded || finding.ndnExceeded;
        anyExceeded = anyExceeded || finding.anyExceeded;
    }
    if (ndnExceeded) {
        result.verdict = Verdict::LimitExceeded;
        result.verdictText = QStringLiteral("Przekroczone NDN hałasu: narażenie jest niedopuszczalne i trzeba je "
                                            "niezwłocznie ograniczyć.");
    } else if (anyExceeded) {
        result.verdict = Verdict::LowerActionValueExceeded;
        result.verdictText = QStringLiteral("NDN zachowane, ale przekroczony dolny próg działania: pracownicy muszą "
                                            "mieć dostęp do ochronników słuchu.");
    } else {
        result.verdictText = QStringLiteral("NDN zachowane, progi działania nie są przekroczone.");
    }
    return result;
}

QString formatDecibels(double value)
{
    return QLocale(QLocale::Polish).toString(value, 'f', 1);
}

} // namespace noise
