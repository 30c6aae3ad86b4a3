#include "chemical_dialog.h"

#include "chemical_exposure.h"
#include "exposure_input.h"
#include "exposure_table.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int InitialRows = 5;
constexpr int ChemicalHelpContext = 5160;
enum Column { NameColumn, ConcentrationColumn, NdsColumn, ShortColumn, NdschColumn, CarcinogenColumn, SimilarColumn };

const char* const Formula =
    "w = C / NDS (i C<sub>ch</sub> / NDSCh); mieszanina substancji o podobnym działaniu: "
    "W = Σ C<sub>i</sub> / NDS<sub>i</sub> ≤ 1";

const char* const MixtureHint =
    "Zaznacz w kolumnie „Podobne działanie” substancje, które działają podobnie (np. na ten sam narząd). "
    "Ich wskaźniki się sumuje, a suma nie może przekraczać 1.";

ToolWindow::Description description()
{
    return {
        QStringLiteral("Czynniki chemiczne i pyły: wskaźniki C/NDS"),
        QStringLiteral("<p>Dla każdej substancji wskaźnik narażenia to stosunek stężenia średniego ważonego C "
                       "do NDS (i stężenia chwilowego C<sub>ch</sub> do NDSCh). Ryzyko zawodowe wg PN-N-18002: "
                       "duże powyżej 1, średnie powyżej 0,5, małe do 0,5.</p><p>Wpisz substancje ze stężeniami "
                       "zmierzonymi w mg/m³ i ich NDS z rozporządzenia; C<sub>ch</sub> i NDSCh wpisz, jeśli "
                       "substancja ma NDSCh.</p>"),
        QString::fromUtf8(Formula),
        QStringLiteral("Wartości dopuszczalne"),
        QStringLiteral("<table cellspacing=0 cellpadding=3>"
                       "<tr><td>C / NDS, C<sub>ch</sub> / NDSCh</td><td align=right>≤ 1</td></tr>"
                       "<tr><td>Σ C<sub>i</sub> / NDS<sub>i</sub></td><td align=right>≤ 1</td></tr>"
                       "<tr><td>rakotwórcze i mutagenne</td><td align=right>ALARA</td></tr></table>"),
        QStringLiteral("NDS i NDSCh: rozporządzenie Ministra Rodziny, Pracy i Polityki Społecznej z 12 czerwca 2018 r. "
                       "w sprawie najwyższych dopuszczalnych stężeń i natężeń czynników szkodliwych dla zdrowia w "
                       "środowisku pracy (załącznik, wykaz substancji). Narażenie na substancję rakotwórczą lub "
                       "mutagenną ogranicza się do najniższego poziomu technicznie osiągalnego niezależnie od "
                       "wskaźnika; jej ryzyko powyżej 0,1 NDS nie jest małe. Wskaźnik równy 1 nie przekracza NDS."),
        ChemicalHelpContext,
    };
}

} // namespace

ChemicalDialog::ChemicalDialog(QWidget* owner)
    : ToolWindow(description(), owner)
    , substances_(new ExposureTable(
          QStringLiteral("&Substancje w powietrzu stanowiska pracy:"),
          {{QStringLiteral("Substancja")},
           {QStringLiteral("C [mg/m³]"), ExposureTable::Kind::Number, exposure::NumberRule::NonNegative, 85},
           {QStringLiteral("NDS [mg/m³]"), ExposureTable::Kind::Number, exposure::NumberRule::Positive, 95},
           {QStringLiteral("C_ch [mg/m³]"), ExposureTable::Kind::Number, exposure::NumberRule::OptionalNonNegative, 95},
           {QStringLiteral("NDSCh [mg/m³]"), ExposureTable::Kind::Number, exposure::NumberRule::OptionalPositive, 105},
           {QStringLiteral("Rakotwórcza\nlub mutagenna"), ExposureTable::Kind::Check, {}, 105},
           {QStringLiteral("Podobne\ndziałanie"), ExposureTable::Kind::Check, {}, 80}},
          InitialRows))
    , mixture_(new QLabel(QString::fromUtf8(MixtureHint)))
{
    mixture_->setWordWrap(true);
    auto* box = new QGroupBox(QStringLiteral("Substancje o podobnym działaniu"));
    (new QVBoxLayout(box))->addWidget(mixture_);
    inputs()->addWidget(substances_, 1);
    inputs()->addWidget(box);
    resize(940, 760);
}

void ChemicalDialog::calculate()
{
    QList<chemistry::SubstanceText> rows;
    for (int row = 0; row < substances_->rowCount(); ++row)
        rows.append({substances_->text(row, NameColumn), substances_->text(row, ConcentrationColumn),
                     substances_->text(row, NdsColumn), substances_->text(row, ShortColumn),
                     substances_->text(row, NdschColumn), substances_->checked(row, CarcinogenColumn),
                     substances_->checked(row, SimilarColumn)});
    const chemistry::ReadResult read = chemistry::readSubstances(rows);
    if (!read.error.isEmpty()) {
        mixture_->setText(QString::fromUtf8(MixtureHint));
        showError(read.error);
        return;
    }
    const chemistry::Assessment assessment = chemistry::assess(read.substances);
    QString text = QStringLiteral("<ul>");
    for (const chemistry::SubstanceResult& substance : assessment.substances)
        text += QStringLiteral("<li>%1</li>").arg(substance.finding.toHtmlEscaped());
    text += QStringLiteral("</ul>");
    if (assessment.mixtureIndex) {
        const QString mixture = QStringLiteral("Σ C<sub>i</sub> / NDS<sub>i</sub> = <b>%1</b> (%2 1) – ryzyko %3")
                                    .arg(exposure::formatNumber(*assessment.mixtureIndex, 2),
                                         assessment.mixtureLevel == exposure::RiskLevel::Large ? QStringLiteral("&gt;")
                                                                                                : QStringLiteral("≤"),
                                         exposure::riskLevelName(assessment.mixtureLevel));
        mixture_->setText(mixture);
        text += QStringLiteral("<p>Mieszanina substancji o podobnym działaniu: %1</p>").arg(mixture);
    } else {
        mixture_->setText(QString::fromUtf8(MixtureHint));
    }
    text += QStringLiteral("<p>Ryzyko zawodowe (PN-N-18002): <b>%1</b></p>").arg(exposure::riskLevelName(assessment.level));
    showResult({text, assessment.verdict, assessment.verdictText, assessment.summary, substances_->html()});
}
