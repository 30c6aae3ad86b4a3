#pragma once
// Lifting and carrying by hand against the Polish limits of the mass of a load: the limit for
// the worker group and the kind of work (permanent or occasional), the verdict and the
// PN-N-18002 level from mass / limit. Plain functions, no window.

#include "risk_level.h"

#include <QString>

namespace handling {

enum class Group { Men, Women, PregnantOrBreastfeeding };

// Masses in kg that one worker may lift or carry by hand.
struct Limits {
    double permanent = 0;
    double occasional = 0;
};

Limits limitsOf(Group group);
// "mężczyźni", "kobiety", "kobiety w ciąży lub karmiące piersią".
QString groupName(Group group);

// Up to this many lifts an hour the work is occasional, above it permanent.
inline constexpr double OccasionalLiftsPerHour = 4.0;

struct Task {
    double mass = 0;       // kg
    double perHour = 0;    // lifts or carries an hour
    Group group = Group::Men;
};

struct ReadResult {
    Task task;
    QString error;   // Polish, saying what cannot be used; empty when everything can
};

ReadResult readTask(const QString& mass, const QString& perHour, Group group);

// The mass against its limit; a mass equal to the limit does not exceed it.
struct Assessment {
    bool occasional = false;
    double limit = 0;
    double ratio = 0;    // mass / limit
    double excess = 0;   // kg over the limit, 0 within it
    exposure::RiskLevel level = exposure::RiskLevel::Small;
    exposure::Severity verdict = exposure::Severity::Good;
    QString finding;
    QString verdictText;
    QString summary;     // one line, for a hazard cell
};

Assessment assess(const Task& task);

} // namespace handling
