#include "noise_exposure_dialog.h"

#include "exposure_table.h"
#include "noise_exposure.h"
#include "number_field.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace {

constexpr int InitialRows = 6;
constexpr int NoiseHelpContext = 5140;
enum Column { NameColumn, LevelColumn, DurationColumn };

const char* const Intro =
    "<p><b>L<sub>EX,8h</sub></b> to dzienny poziom ekspozycji na hałas: poziom dźwięku A uśredniony "
    "energetycznie do 8-godzinnego dnia pracy,<br>"
    "L<sub>EX,8h</sub> = 10·lg( (1 / 8 h) · Σ t<sub>i</sub> · 10<sup>0,1·L<sub>Aeq,i</sub></sup> ).</p>"
    "<p>Wpisz czynności dnia pracy: równoważny poziom dźwięku A (L<sub>Aeq</sub>, zmierzony lub podany "
    "przez producenta maszyny) i czas trwania w godzinach (2,5) albo w godzinach i minutach (2:30). "
    "Czasu spędzonego w ciszy nie wpisuj: liczy się jak cisza.</p>";

const char* const Formula =
    "L<sub>EX,8h</sub> = 10·lg( (1 / 8 h) · Σ t<sub>i</sub> · 10<sup>0,1·L<sub>Aeq,i</sub></sup> )";

exposure::Severity severityOf(noise::Verdict verdict)
{
    switch (verdict) {
    case noise::Verdict::LimitExceeded:
        return exposure::Severity::Bad;
    case noise::Verdict::LowerActionValueExceeded:
        return exposure::Severity::Warning;
    case noise::Verdict::BelowActionValues:
        break;
    }
    return exposure::Severity::Good;
}

QString decibels(double value)
{
    return QStringLiteral("%1 dB").arg(value);
}

ToolWindow::Description description()
{
    using namespace noise;
    const QString row = QStringLiteral("<tr><td>%1</td><td align=right>%2</td><td align=right>%3</td><td align=right>%4</td></tr>");
    const QString dash = QStringLiteral("–");
    return {
        QStringLiteral("Hałas: dzienna ekspozycja L_EX,8h"),
        QString::fromUtf8(Intro),
        QString::fromUtf8(Formula),
        QStringLiteral("Wartości dopuszczalne hałasu w środowisku pracy"),
        QStringLiteral("<table cellspacing=0 cellpadding=3>"
                       "<tr><th></th><th>&nbsp;L<sub>EX,8h</sub></th><th>&nbsp;L<sub>Amax</sub></th><th>&nbsp;L<sub>Cpeak</sub></th></tr>")
            + row.arg(QStringLiteral("NDN"), decibels(DailyLimit), decibels(MaxLevelLimit), decibels(PeakLimit))
            + row.arg(QStringLiteral("górny próg działania"), decibels(DailyUpperAction), dash, decibels(PeakUpperAction))
            + row.arg(QStringLiteral("dolny próg działania"), decibels(DailyLowerAction), dash, decibels(PeakLowerAction))
            + QStringLiteral("</table>"),
        QStringLiteral(
            "NDN (najwyższe dopuszczalne natężenie): rozporządzenie w sprawie najwyższych dopuszczalnych stężeń i "
            "natężeń czynników szkodliwych dla zdrowia w środowisku pracy. Progi działania: rozporządzenie w sprawie "
            "BHP przy pracach związanych z narażeniem na hałas lub drgania mechaniczne; po przekroczeniu dolnego "
            "pracodawca udostępnia ochronniki słuchu. Wartości dla dorosłych; dla młodocianych i kobiet w ciąży "
            "obowiązują niższe. Wyniki zaokrąglone do 0,1 dB; wynik równy wartości granicznej jej nie przekracza."),
        NoiseHelpContext,
    };
}

} // namespace

NoiseExposureDialog::NoiseExposureDialog(QWidget* owner)
    : ToolWindow(description(), owner)
    , activities_(new ExposureTable(QStringLiteral("&Czynności w ciągu dnia pracy:"),
                                    {{QStringLiteral("Czynność lub źródło hałasu")},
                                     {QStringLiteral("L_Aeq [dB]"), ExposureTable::Kind::Number, {}, 110},
                                     {QStringLiteral("Czas [h lub h:mm]"), ExposureTable::Kind::Duration, {}, 130}},
                                    InitialRows))
    , peak_(new NumberField(QStringLiteral("LCpeak"), exposure::NumberRule::OptionalNonNegative))
    , maxLevel_(new NumberField(QStringLiteral("LAmax"), exposure::NumberRule::OptionalNonNegative))
{
    auto* optional = new QFormLayout;
    optional->addRow(QStringLiteral("Najwyższy &szczytowy poziom dźwięku C, L_Cpeak [dB] (jeśli zmierzony):"), peak_);
    optional->addRow(QStringLiteral("Najwyższy &maksymalny poziom dźwięku A, L_Amax [dB] (jeśli zmierzony):"), maxLevel_);
    inputs()->addWidget(activities_, 1);
    inputs()->addLayout(optional);
}

void NoiseExposureDialog::calculate()
{
    QList<noise::ActivityText> rows;
    for (int row = 0; row < activities_->rowCount(); ++row)
        rows.append({activities_->text(row, NameColumn), activities_->text(row, LevelColumn),
                     activities_->text(row, DurationColumn)});
    const noise::ReadResult read = noise::readMeasurements(rows, peak_->text(), maxLevel_->text());
    if (!read.error.isEmpty()) {
        showError(read.error);
        return;
    }
    const noise::Assessment assessment = noise::assess(read.measurements);
    const QString level = noise::formatDecibels(assessment.dailyLevel);
    QString text = QStringLiteral("<p style=\"font-size:large\"><b>L<sub>EX,8h</sub> = %1 dB</b></p><ul>").arg(level);
    for (const QString& finding : assessment.findings)
        text += QStringLiteral("<li>%1</li>").arg(finding.toHtmlEscaped());
    text += QStringLiteral("</ul>");
    QString inputs = activities_->html();
    if (read.measurements.peak)
        inputs += QStringLiteral("<p>L<sub>Cpeak</sub> = %1 dB</p>").arg(peak_->text().trimmed().toHtmlEscaped());
    if (read.measurements.maxLevel)
        inputs += QStringLiteral("<p>L<sub>Amax</sub> = %1 dB</p>").arg(maxLevel_->text().trimmed().toHtmlEscaped());
    showResult({text, severityOf(assessment.verdict), assessment.verdictText,
                QStringLiteral("L_EX,8h = %1 dB – %2").arg(level, assessment.verdictText), inputs});
}
