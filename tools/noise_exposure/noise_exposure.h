#pragma once
// The daily noise exposure of a worker and its comparison with the Polish limits for noise
// at work: reading what the user typed, the energy average over an 8-hour day and the verdict.
// Plain functions, no window.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace noise {

// Limits for adults (decibels). NDN: the maximum admissible intensity in the working
// environment; the action values oblige the employer to act when they are exceeded.
inline constexpr double DailyLimit = 85.0;         // NDN of L_EX,8h
inline constexpr double DailyLowerAction = 80.0;
inline constexpr double DailyUpperAction = 85.0;
inline constexpr double MaxLevelLimit = 115.0;     // NDN of the maximum A-weighted level L_Amax
inline constexpr double PeakLimit = 135.0;         // NDN of the C-weighted peak level L_Cpeak
inline constexpr double PeakLowerAction = 135.0;
inline constexpr double PeakUpperAction = 137.0;

// One activity of the working day: its equivalent A-weighted sound level and how long it lasts.
struct Activity {
    double level = 0;   // L_Aeq, dB
    double hours = 0;
};

// L_EX,8h = 10 lg( (1 / 8 h) * sum of t_i * 10^(0.1 L_i) ): the level that, held for 8 hours,
// carries the same sound energy as the day's activities. Time not listed counts as quiet.
// REQUIRES: the activities last longer than zero in total.
double dailyExposureLevel(const QList<Activity>& activities);

// One row of the activity table as typed: a name (only shown), the level in dB, the duration
// in hours ("2,5", "2.5") or hours and minutes ("2:30").
struct ActivityText {
    QString name;
    QString level;
    QString duration;
};

struct Measurements {
    QList<Activity> activities;
    std::optional<double> peak;       // L_Cpeak, the day's highest, when given
    std::optional<double> maxLevel;   // L_Amax, the day's highest, when given
};

// What was typed, read: either the measurements or, when something cannot be used, a Polish
// message that says what and where.
struct ReadResult {
    Measurements measurements;
    QString error;
};

// Rows left wholly empty are skipped; peak and maximum may be left empty.
ReadResult readMeasurements(const QList<ActivityText>& rows, const QString& peak, const QString& maxLevel);

enum class Verdict { BelowActionValues, LowerActionValueExceeded, LimitExceeded };

// The measurements against the limits. Values are compared as shown, rounded to 0,1 dB: a value
// equal to a limit does not exceed it.
struct Assessment {
    double dailyLevel = 0;   // L_EX,8h, rounded to 0,1 dB
    Verdict verdict = Verdict::BelowActionValues;
    QStringList findings;    // one line per quantity: its value and the limits it exceeds or keeps
    QString verdictText;
};

Assessment assess(const Measurements& measurements);

// A level as shown: one decimal after a comma, "85,0".
QString formatDecibels(double value);

} // namespace noise
