#pragma once
// The daily exposure of a worker to mechanical vibration and its comparison with the Polish
// limits: reading what the user typed, A(8) and the verdict. Plain functions, no window.

#include "risk_level.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vibration {

// Vibration acting on the body through the hands and arms, or on the whole body.
enum class Kind { HandArm, WholeBody };

// Limits in m/s². NDN: the maximum admissible intensity in the working environment, of the
// daily exposure A(8) and of an exposure lasting 30 minutes or less; the action value obliges
// the employer to act when it is exceeded.
struct Limits {
    double daily = 0;
    double shortTerm = 0;
    double action = 0;
};

Limits limitsOf(Kind kind);

// An exposure whose whole time in the day is at most this long is a short exposure.
inline constexpr double ShortExposureHours = 0.5;

// One activity of the working day: its effective (frequency-weighted, vector-sum)
// acceleration and how long it lasts.
struct Exposure {
    double acceleration = 0;   // m/s²
    double hours = 0;
};

// A(8) = sqrt( sum a_i² t_i / 8 h ): the acceleration that, held for 8 hours, carries the same
// energy as the day's activities.
double dailyExposure(const QList<Exposure>& exposures);

// One row of the table as typed: the activity (only shown), the acceleration, the time.
struct ExposureText {
    QString activity;
    QString acceleration;
    QString duration;
};

// What was typed, read; or, when something cannot be used, a Polish message saying what.
struct ReadResult {
    QList<Exposure> exposures;
    QString error;
};

// Rows left wholly empty are skipped.
ReadResult readExposures(const QList<ExposureText>& rows);

// The exposures against the limits of their kind. Values are compared as shown, rounded to
// 0,01 m/s²: a value equal to a limit does not exceed it.
struct Assessment {
    double dailyValue = 0;         // A(8)
    bool shortExposure = false;    // the exposures last 30 minutes or less in all
    double shortValue = 0;         // the acceleration averaged over their time, when short
    double ratio = 0;              // to the NDN: the larger of A(8) / NDN and, when short, a / NDN
    exposure::RiskLevel level = exposure::RiskLevel::Small;
    // Good: below the action value; Warning: the NDN kept, the action value exceeded; Bad: over the NDN.
    exposure::Severity verdict = exposure::Severity::Good;
    QStringList findings;
    QString verdictText;
    QString summary;               // one line, for a hazard cell
};

// REQUIRES: the exposures last longer than zero in total.
Assessment assess(Kind kind, const QList<Exposure>& exposures);

} // namespace vibration
