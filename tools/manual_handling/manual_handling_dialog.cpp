#include "manual_handling_dialog.h"

#include "exposure_input.h"
#include "manual_handling.h"
#include "number_field.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace {

constexpr int ManualHandlingHelpContext = 5170;

const char* const Formula = "r = m / m<sub>dop</sub>; praca dorywcza: do 4 podniesień na godzinę, stała: więcej";

ToolWindow::Description description()
{
    using handling::Group;
    QString rows;
    for (const Group group : {Group::Men, Group::Women, Group::PregnantOrBreastfeeding}) {
        const handling::Limits limits = handling::limitsOf(group);
        rows += QStringLiteral("<tr><td>%1</td><td align=right>%2 kg</td><td align=right>%3 kg</td></tr>")
                    .arg(handling::groupName(group), exposure::formatValue(limits.permanent),
                         exposure::formatValue(limits.occasional));
    }
    return {
        QStringLiteral("Ręczne prace transportowe: dopuszczalna masa"),
        QStringLiteral("<p>Masę ładunku podnoszonego lub przenoszonego ręcznie przez jednego pracownika porównuje "
                       "się z masą dopuszczalną dla grupy pracowników: przy pracy dorywczej (do 4 razy na godzinę) "
                       "wyższą, przy pracy stałej niższą. Ryzyko zawodowe wg PN-N-18002 wynika ze stosunku "
                       "r = m / m<sub>dop</sub>: duże powyżej 1, średnie powyżej 0,5, małe do 0,5.</p>"),
        QString::fromUtf8(Formula),
        QStringLiteral("Dopuszczalna masa ładunku na jednego pracownika"),
        QStringLiteral("<table cellspacing=0 cellpadding=3><tr><th></th><th>&nbsp;praca stała</th>"
                       "<th>&nbsp;praca dorywcza</th></tr>")
            + rows + QStringLiteral("</table>"),
        QStringLiteral("Mężczyźni: rozporządzenie Ministra Pracy i Polityki Socjalnej z 14 marca 2000 r. w sprawie "
                       "bezpieczeństwa i higieny pracy przy ręcznych pracach transportowych. Kobiety, kobiety w ciąży "
                       "i karmiące piersią: rozporządzenie Rady Ministrów z 3 kwietnia 2017 r. w sprawie wykazu prac "
                       "uciążliwych, niebezpiecznych lub szkodliwych dla zdrowia kobiet w ciąży i kobiet karmiących "
                       "dziecko piersią oraz prac wzbronionych kobietom. Masa równa dopuszczalnej jej nie przekracza."),
        ManualHandlingHelpContext,
    };
}

} // namespace

ManualHandlingDialog::ManualHandlingDialog(QWidget* owner)
    : ToolWindow(description(), owner)
    , mass_(new NumberField(QStringLiteral("masa"), exposure::NumberRule::Positive))
    , perHour_(new NumberField(QStringLiteral("czestosc"), exposure::NumberRule::NonNegative))
    , group_(new QComboBox)
{
    using handling::Group;
    for (const Group group : {Group::Men, Group::Women, Group::PregnantOrBreastfeeding})
        group_->addItem(handling::groupName(group), int(group));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Masa ładunku [kg]:"), mass_);
    form->addRow(QStringLiteral("&Liczba podniesień lub przeniesień na godzinę:"), perHour_);
    form->addRow(QStringLiteral("&Grupa pracowników:"), group_);
    inputs()->addLayout(form);
    inputs()->addStretch();
    resize(760, 600);
}

void ManualHandlingDialog::calculate()
{
    const auto group = static_cast<handling::Group>(group_->currentData().toInt());
    const handling::ReadResult read = handling::readTask(mass_->text(), perHour_->text(), group);
    if (!read.error.isEmpty()) {
        showError(read.error);
        return;
    }
    const handling::Assessment assessment = handling::assess(read.task);
    const QString text = QStringLiteral("<p style=\"font-size:large\"><b>%1</b></p>").arg(assessment.finding.toHtmlEscaped())
                         + exposure::levelHtml(assessment.level, QStringLiteral("m / m<sub>dop</sub>"), assessment.ratio);
    const QString inputs = QStringLiteral("<p>Masa ładunku: %1 kg<br>Podniesień lub przeniesień na godzinę: %2<br>"
                                          "Grupa pracowników: %3</p>")
                               .arg(mass_->text().trimmed().toHtmlEscaped(), perHour_->text().trimmed().toHtmlEscaped(),
                                    handling::groupName(group));
    showResult({text, assessment.verdict, assessment.verdictText, assessment.summary, inputs});
}
