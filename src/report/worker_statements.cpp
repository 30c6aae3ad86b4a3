#include "report/worker_statements.h"

#include "base/app_error.h"
#include "model/document_snapshot.h"
#include "model/workers.h"
#include "report/report_tables.h"
#include "report/word_basic.h"

namespace {

void paragraph(WordBasic& word, const QString& text)
{
    word.LeftPara();
    word.Insert(text + QLatin1Char('\r'));
}

// The hazards with their risk as the hazard table holds it.
void riskTable(WordBasic& word, const AssessmentSnapshot& a)
{
    TableRows hazards;
    std::copy_if(a.hazards.begin(), a.hazards.end(), std::back_inserter(hazards),
                 [](const QStringList& row) { return !row.join(QString()).trimmed().isEmpty(); });
    if (hazards.isEmpty()) {
        paragraph(word, QStringLiteral("Karta oceny nie wymienia zagrożeń."));
        return;
    }
    const int riskColumn = risk::hazardColumns(a.method).risk;
    word.TableInsertTable(QString(), 3, static_cast<int>(hazards.size()), QString(), 0, 0);
    AddHeaderColumn(word, QStringLiteral("1,0 cm"), QStringLiteral("Lp."), false);
    AddHeaderColumn(word, QStringLiteral("7,6 cm"), QStringLiteral("Zagrożenie"), false);
    AddHeaderColumn(word, QStringLiteral("7,6 cm"), QStringLiteral("Ryzyko zawodowe"), true);
    RuleTable(word, 3);
    int number = 0;
    for (const QStringList& row : hazards) {
        const QString risk = row.value(riskColumn);
        AddDataRow(word, ++number, {row.value(0), risk.isEmpty() ? QStringLiteral("nie oceniono") : risk});
    }
    EndTable(word);
}

// A dotted line for each caption, side by side in a table without rules, so that each
// caption stands centred under its own line whatever the font.
void signatureLines(WordBasic& word, const QStringList& captions)
{
    word.TableInsertTable(QString(), static_cast<int>(captions.size()), 1, QString(), 0, 0);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (i > 0)
            word.NextCell();
        SetColumnWidth(word, QStringLiteral("8,1 cm"));
        InsertCaptioned(word, QString(40, QLatin1Char('.')), captions[i]);
    }
    word.LineDown(1);
}

void statementPage(WordBasic& word, const AssessmentSnapshot& a, const QStringList& worker)
{
    const QString workstation = a.cardWorkstation.isEmpty() ? a.workstation : a.cardWorkstation;
    word.FontSize(12);
    word.Bold();
    word.CenterPara();
    word.Insert(QStringLiteral("OŚWIADCZENIE PRACOWNIKA\r"));
    word.FontSize(11);
    InsertEmptyParagraphs(word, 1);
    paragraph(word, QStringLiteral("Jednostka organizacyjna: %1").arg(a.unit));
    paragraph(word, QStringLiteral("Imię i nazwisko: %1").arg(worker.value(workers::Name)));
    paragraph(word, QStringLiteral("Stanowisko / funkcja: %1").arg(worker.value(workers::Position)));
    InsertEmptyParagraphs(word, 1);
    word.JustifyPara();
    word.Insert(QStringLiteral("Oświadczam, że zostałem(-am) zapoznany(-a) z oceną ryzyka zawodowego na stanowisku "
                               "%1, zawartą w karcie oceny ryzyka zawodowego nr %2 z dnia %3, oraz z ryzykiem "
                               "zawodowym zagrożeń występujących na tym stanowisku:\r")
                    .arg(workstation, a.cardNumber, a.preparedOnDate));
    InsertEmptyParagraphs(word, 1);
    word.FontSize(10);
    riskTable(word, a);
    word.FontSize(11);
    word.JustifyPara();
    word.Insert(QStringLiteral("Przyjmuję do wiadomości zakres i rolę wdrożonych środków zapobiegawczych i zobowiązuję "
                               "się je stosować.\r"));
    InsertEmptyParagraphs(word, 3);
    signatureLines(word, {QStringLiteral("data"), QStringLiteral("podpis pracownika")});
}

} // namespace

void BuildWorkerStatements(WordBasic& word, const AssessmentSnapshot& assessment, int worker)
{
    const TableRows listed = workers::listed(assessment.workers);
    if (listed.isEmpty())
        throw AppError(QStringLiteral("ocena nie ma pracowników na liście (zakładka „Pracownicy”)"));
    if (worker >= listed.size())
        throw AppError(QStringLiteral("ocena nie ma na liście pracownika nr %1").arg(worker + 1));
    const TableRows pages = worker < 0 ? listed : TableRows{listed[worker]};
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            word.InsertBreak(0);
        statementPage(word, assessment, pages[i]);
    }
}
