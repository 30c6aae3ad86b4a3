#include "noise_exposure_dialog.h"

#include "noise_exposure.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int InitialRows = 6;
enum Column { NameColumn, LevelColumn, DurationColumn };

const char* const Intro =
    "<p><b>L<sub>EX,8h</sub></b> to dzienny poziom ekspozycji na hałas: poziom dźwięku A uśredniony "
    "energetycznie do 8-godzinnego dnia pracy,<br>"
    "L<sub>EX,8h</sub> = 10·lg( (1 / 8 h) · Σ t<sub>i</sub> · 10<sup>0,1·L<sub>Aeq,i</sub></sup> ).</p>"
    "<p>Wpisz czynności dnia pracy: równoważny poziom dźwięku A (L<sub>Aeq</sub>, zmierzony lub podany "
    "przez producenta maszyny) i czas trwania w godzinach (2,5) albo w godzinach i minutach (2:30). "
    "Czasu spędzonego w ciszy nie wpisuj: liczy się jak cisza.</p>";

QString colour(noise::Verdict verdict)
{
    switch (verdict) {
    case noise::Verdict::LimitExceeded:
        return QStringLiteral("#b00000");
    case noise::Verdict::LowerActionValueExceeded:
        return QStringLiteral("#9a5800");
    case noise::Verdict::BelowActionValues:
        break;
    }
    return QStringLiteral("#006000");
}

QString decibels(double value)
{
    return QStringLiteral("%1 dB").arg(value);
}

QString cellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

NoiseExposureDialog::NoiseExposureDialog(QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Hałas: dzienna ekspozycja L_EX,8h"));

    auto* intro = new QLabel(QString::fromUtf8(Intro));
    intro->setWordWrap(true);

    peak_ = new QLineEdit;
    maxLevel_ = new QLineEdit;
    auto* optional = new QFormLayout;
    optional->addRow(QStringLiteral("Najwyższy &szczytowy poziom dźwięku C, L_Cpeak [dB] (jeśli zmierzony):"), peak_);
    optional->addRow(QStringLiteral("Najwyższy &maksymalny poziom dźwięku A, L_Amax [dB] (jeśli zmierzony):"), maxLevel_);

    result_ = new QLabel(QStringLiteral("Wpisz czynności i wybierz „Oblicz”."));
    result_->setWordWrap(true);
    result_->setTextFormat(Qt::RichText);
    result_->setFrameShape(QFrame::StyledPanel);
    result_->setMargin(6);
    result_->setMinimumHeight(110);
    result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox;
    QPushButton* calculateButton = buttons->addButton(QStringLiteral("&Oblicz"), QDialogButtonBox::ApplyRole);
    calculateButton->setDefault(true);
    buttons->addButton(QStringLiteral("&Zamknij"), QDialogButtonBox::RejectRole);
    connect(calculateButton, &QPushButton::clicked, this, &NoiseExposureDialog::calculate);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(createActivityTable(), 1);
    layout->addLayout(optional);
    layout->addWidget(result_);
    layout->addWidget(createLimitsBox());
    layout->addWidget(buttons);
    resize(720, 680);
}

QWidget* NoiseExposureDialog::createActivityTable()
{
    activities_ = new QTableWidget(InitialRows, 3);
    activities_->setHorizontalHeaderLabels({QStringLiteral("Czynność lub źródło hałasu"),
                                            QStringLiteral("L_Aeq [dB]"), QStringLiteral("Czas [h lub h:mm]")});
    activities_->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    activities_->setColumnWidth(LevelColumn, 110);
    activities_->setColumnWidth(DurationColumn, 130);
    activities_->verticalHeader()->setDefaultSectionSize(activities_->fontMetrics().height() + 10);

    auto* add = new QPushButton(QStringLiteral("&Dodaj wiersz"));
    auto* remove = new QPushButton(QStringLiteral("&Usuń wiersz"));
    // Enter calculates, whichever button has the focus.
    add->setAutoDefault(false);
    remove->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, [this] { activities_->insertRow(activities_->rowCount()); });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (activities_->rowCount() > 1)
            activities_->removeRow(activities_->currentRow() >= 0 ? activities_->currentRow() : activities_->rowCount() - 1);
    });

    auto* label = new QLabel(QStringLiteral("&Czynności w ciągu dnia pracy:"));
    label->setBuddy(activities_);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    rowButtons->addStretch();

    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins({});
    layout->addWidget(label);
    layout->addWidget(activities_);
    layout->addLayout(rowButtons);
    return box;
}

QWidget* NoiseExposureDialog::createLimitsBox()
{
    using namespace noise;
    const QString row = QStringLiteral("<tr><td>%1</td><td align=right>%2</td><td align=right>%3</td><td align=right>%4</td></tr>");
    const QString dash = QStringLiteral("–");
    auto* limits = new QLabel(
        QStringLiteral("<table cellspacing=0 cellpadding=3>"
                       "<tr><th></th><th>&nbsp;L<sub>EX,8h</sub></th><th>&nbsp;L<sub>Amax</sub></th><th>&nbsp;L<sub>Cpeak</sub></th></tr>")
        + row.arg(QStringLiteral("NDN"), decibels(DailyLimit), decibels(MaxLevelLimit), decibels(PeakLimit))
        + row.arg(QStringLiteral("górny próg działania"), decibels(DailyUpperAction), dash, decibels(PeakUpperAction))
        + row.arg(QStringLiteral("dolny próg działania"), decibels(DailyLowerAction), dash, decibels(PeakLowerAction))
        + QStringLiteral("</table>"));
    auto* sources = new QLabel(QStringLiteral(
        "NDN (najwyższe dopuszczalne natężenie): rozporządzenie w sprawie najwyższych dopuszczalnych stężeń i "
        "natężeń czynników szkodliwych dla zdrowia w środowisku pracy. Progi działania: rozporządzenie w sprawie "
        "BHP przy pracach związanych z narażeniem na hałas lub drgania mechaniczne; po przekroczeniu dolnego "
        "pracodawca udostępnia ochronniki słuchu. Wartości dla dorosłych; dla młodocianych i kobiet w ciąży "
        "obowiązują niższe. Wyniki zaokrąglone do 0,1 dB; wynik równy wartości granicznej jej nie przekracza."));
    sources->setWordWrap(true);
    auto* box = new QGroupBox(QStringLiteral("Wartości dopuszczalne hałasu w środowisku pracy"));
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(limits, 0, Qt::AlignTop);
    layout->addWidget(sources, 1);
    return box;
}

void NoiseExposureDialog::calculate()
{
    QList<noise::ActivityText> rows;
    for (int row = 0; row < activities_->rowCount(); ++row)
        rows.append({cellText(activities_, row, NameColumn), cellText(activities_, row, LevelColumn),
                     cellText(activities_, row, DurationColumn)});
    const noise::ReadResult read = noise::readMeasurements(rows, peak_->text(), maxLevel_->text());
    if (!read.error.isEmpty()) {
        result_->setText(QStringLiteral("<p style=\"color:#b00000\"><b>Nie można obliczyć.</b> %1</p>")
                             .arg(read.error.toHtmlEscaped()));
        return;
    }
    const noise::Assessment assessment = noise::assess(read.measurements);
    QString text = QStringLiteral("<p style=\"font-size:large\"><b>L<sub>EX,8h</sub> = %1 dB</b></p><ul>")
                       .arg(noise::formatDecibels(assessment.dailyLevel));
    for (const QString& finding : assessment.findings)
        text += QStringLiteral("<li>%1</li>").arg(finding.toHtmlEscaped());
    text += QStringLiteral("</ul><p style=\"color:%1\"><b>%2</b></p>")
                .arg(colour(assessment.verdict), assessment.verdictText.toHtmlEscaped());
    result_->setText(text);
}
