#include "vibration_dialog.h"

#include "exposure_table.h"
#include "vibration_exposure.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int InitialRows = 6;
constexpr int VibrationHelpContext = 5150;
enum Column { ActivityColumn, AccelerationColumn, DurationColumn };

const char* const Formula = "A(8) = √( Σ a<sub>i</sub><sup>2</sup> · t<sub>i</sub> / 8 h )";

ToolWindow::Description description()
{
    using vibration::Kind;
    const auto value = [](double v) { return exposure::formatNumber(v, 1) + QStringLiteral(" m/s²"); };
    const vibration::Limits hand = vibration::limitsOf(Kind::HandArm);
    const vibration::Limits body = vibration::limitsOf(Kind::WholeBody);
    const QString row = QStringLiteral("<tr><td>%1</td><td align=right>%2</td><td align=right>%3</td></tr>");
    return {
        QStringLiteral("Drgania mechaniczne: dzienna ekspozycja A(8)"),
        QStringLiteral("<p><b>A(8)</b> to dzienna ekspozycja na drgania: skuteczne przyspieszenie drgań "
                       "uśrednione energetycznie do 8-godzinnego dnia pracy, ") + QString::fromUtf8(Formula)
            + QStringLiteral(".</p><p>Wybierz rodzaj drgań i wpisz czynności dnia pracy: skuteczne ważone "
                             "przyspieszenie drgań a [m/s²] i czas w godzinach (2,5), godzinach i minutach (2:30) "
                             "albo minutach (30 min).</p>"),
        QString::fromUtf8(Formula),
        QStringLiteral("Wartości dopuszczalne drgań mechanicznych"),
        QStringLiteral("<table cellspacing=0 cellpadding=3><tr><th></th><th>&nbsp;kończyny górne</th>"
                       "<th>&nbsp;ogólne</th></tr>")
            + row.arg(QStringLiteral("NDN A(8)"), value(hand.daily), value(body.daily))
            + row.arg(QStringLiteral("NDN, ekspozycja ≤ 30 min"), value(hand.shortTerm), value(body.shortTerm))
            + row.arg(QStringLiteral("próg działania A(8)"), value(hand.action), value(body.action))
            + QStringLiteral("</table>"),
        QStringLiteral("NDN: rozporządzenie Ministra Rodziny, Pracy i Polityki Społecznej z 12 czerwca 2018 r. w "
                       "sprawie najwyższych dopuszczalnych stężeń i natężeń czynników szkodliwych dla zdrowia w "
                       "środowisku pracy. Progi działania: rozporządzenie Ministra Gospodarki i Pracy z 5 sierpnia "
                       "2005 r. w sprawie bezpieczeństwa i higieny pracy przy pracach związanych z narażeniem na hałas "
                       "lub drgania mechaniczne. Wyniki zaokrąglone do 0,01 m/s²; wynik równy wartości granicznej jej "
                       "nie przekracza."),
        VibrationHelpContext,
    };
}

} // namespace

VibrationDialog::VibrationDialog(QWidget* owner)
    : ToolWindow(description(), owner)
    , handArm_(new QRadioButton(QStringLiteral("działające przez &kończyny górne")))
    , wholeBody_(new QRadioButton(QStringLiteral("o działaniu o&gólnym")))
    , activities_(new ExposureTable(QStringLiteral("&Czynności w ciągu dnia pracy:"),
                                    {{QStringLiteral("Czynność lub narzędzie")},
                                     {QStringLiteral("a [m/s²]"), ExposureTable::Kind::Number, {}, 110},
                                     {QStringLiteral("Czas [h, h:mm lub min]"), ExposureTable::Kind::Duration, {}, 160}},
                                    InitialRows))
{
    handArm_->setChecked(true);
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(handArm_);
    kinds->addButton(wholeBody_);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(handArm_);
    kindRow->addWidget(wholeBody_);
    kindRow->addStretch();
    inputs()->addLayout(kindRow);
    inputs()->addWidget(activities_, 1);
}

void VibrationDialog::calculate()
{
    QList<vibration::ExposureText> rows;
    for (int row = 0; row < activities_->rowCount(); ++row)
        rows.append({activities_->text(row, ActivityColumn), activities_->text(row, AccelerationColumn),
                     activities_->text(row, DurationColumn)});
    const vibration::ReadResult read = vibration::readExposures(rows);
    if (!read.error.isEmpty()) {
        showError(read.error);
        return;
    }
    const vibration::Kind kind = handArm_->isChecked() ? vibration::Kind::HandArm : vibration::Kind::WholeBody;
    const vibration::Assessment assessment = vibration::assess(kind, read.exposures);
    QString text = QStringLiteral("<p style=\"font-size:large\"><b>A(8) = %1 m/s²</b></p><ul>")
                       .arg(exposure::formatNumber(assessment.dailyValue, 2));
    for (const QString& finding : assessment.findings)
        text += QStringLiteral("<li>%1</li>").arg(finding.toHtmlEscaped());
    text += QStringLiteral("</ul>") + exposure::levelHtml(assessment.level, QStringLiteral("P / P<sub>max</sub>"), assessment.ratio);
    const QString inputs = QStringLiteral("<p>Drgania %1</p>").arg((handArm_->isChecked() ? handArm_ : wholeBody_)->text().remove(QLatin1Char('&')))
                           + activities_->html();
    showResult({text, assessment.verdict, assessment.verdictText, assessment.summary, inputs});
}
