#pragma once
// VerdictBanner: the verdict of a calculator in a coloured band, green, amber or red by how
// serious it is; hidden while there is no result.

#include "risk_level.h"

#include <QLabel>

class VerdictBanner : public QLabel {
public:
    explicit VerdictBanner(QWidget* parent = nullptr);

    void showVerdict(exposure::Severity severity, const QString& text);
    exposure::Severity severity() const { return severity_; }

private:
    exposure::Severity severity_ = exposure::Severity::Good;
};
