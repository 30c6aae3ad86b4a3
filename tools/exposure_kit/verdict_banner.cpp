#include "verdict_banner.h"

namespace {

// Text and background of each severity, readable in both.
QString bannerStyle(exposure::Severity severity)
{
    const char* colours = "#0b5d0b; background: #dcf2dc";
    if (severity == exposure::Severity::Warning)
        colours = "#6b3d00; background: #fde9c4";
    else if (severity == exposure::Severity::Bad)
        colours = "#ffffff; background: #b00000";
    return QStringLiteral("QLabel { font-weight: bold; padding: 6px; color: %1 }").arg(QLatin1String(colours));
}

} // namespace

VerdictBanner::VerdictBanner(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("werdykt"));
    setWordWrap(true);
    hide();
}

void VerdictBanner::showVerdict(exposure::Severity severity, const QString& text)
{
    severity_ = severity;
    setStyleSheet(bannerStyle(severity));
    setText(text);
    show();
}
