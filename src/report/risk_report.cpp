#include "report/risk_report.h"

#include "base/regional_format.h"
#include "model/document_snapshot.h"
#include "model/workers.h"
#include "report/method_section.h"
#include "report/word_basic.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int AcknowledgementLines = 3;

void insertLine(WordBasic& word, const QString& text)
{
    word.Insert(text + QLatin1Char('\r'));
}

// One paragraph per stored paragraph of a memo; an empty memo writes nothing.
void insertMemo(WordBasic& word, const QStringList& paragraphs)
{
    for (const QString& paragraph : paragraphs)
        insertLine(word, paragraph);
}

// A one-cell ruled table 16,2 cm wide holding a bold, centred 12 pt title.
void titleBox(WordBasic& word, const QString& title)
{
    word.TableInsertTable(QString(), 1, 1, QString(), 0, 0);
    word.TableSelectColumn();
    word.TableColumnWidth(QStringLiteral("16,2 cm"), QStringLiteral("0,25 cm"));
    word.TableSelectTable();
    word.FormatBordersAndShading(RuledTableBorders);
    word.Cancel();
    word.Bold();
    word.CenterPara();
    word.FontSize(12);
    word.Insert(title);
    word.LineDown(1);
    InsertEmptyParagraphs(word, 2);
}

// A numbered section's heading: "1. …" of the first level, "1.1 …" of the second.
void headingStyle(WordBasic& word, int level)
{
    word.Style(QStringLiteral("Nagłówek %1").arg(level));
}

void sectionHeading(WordBasic& word, const QString& heading)
{
    word.FontSize(11);
    word.Bold();
    word.LeftPara();
    headingStyle(word, 1);
    word.Insert(heading);
}

// A data table under its header: one header column per width and caption, then ruling.
void headedTable(WordBasic& word, qsizetype rows, const QList<std::pair<const char*, const char*>>& columns)
{
    word.TableInsertTable(QString(), static_cast<int>(columns.size()), static_cast<int>(rows), QString(), 0, 0);
    for (qsizetype i = 0; i < columns.size(); ++i)
        AddHeaderColumn(word, QLatin1String(columns[i].first), QString::fromUtf8(columns[i].second),
                        i == columns.size() - 1);
    RuleTable(word, static_cast<int>(columns.size()));
}

// Rows of `table`, each as the cells of `columns`, numbered from 1.
void dataRows(WordBasic& word, const TableRows& table, std::initializer_list<int> columns, const RowWritten& rowWritten)
{
    int number = 0;
    for (const QStringList& row : table) {
        QStringList texts;
        for (int column : columns)
            texts.append(row.value(column));
        AddDataRow(word, ++number, texts);
        if (rowWritten)
            rowWritten();
    }
}

// The first cell of the header and of the acknowledgement: the unit over its caption (the
// unit itself keeps the cell's alignment), then the next cell.
void unitCell(WordBasic& word, const QString& unit)
{
    word.FontSize(11);
    insertLine(word, unit);
    word.FontSize(10);
    word.CenterPara();
    word.Italic();
    word.Insert(QStringLiteral("jednostka organizacyjna"));
    word.NextCell();
}

void header(WordBasic& word, const AssessmentSnapshot& a)
{
    titleBox(word, QStringLiteral("RAPORT Z OCENY RYZYKA ZAWODOWEGO"));
    AddBoxedRow(word, {QStringLiteral("5,0 cm"), QStringLiteral("7,2 cm"), QStringLiteral("4,0 cm")});
    unitCell(word, a.unit);
    word.FontSize(11);
    word.CenterPara();
    word.Bold();
    insertLine(word, a.cardWorkstation);
    word.FontSize(10);
    word.CenterPara();
    word.Italic();
    word.Insert(QStringLiteral("stanowisko pracy"));
    word.NextCell();
    InsertCaptioned(word, a.preparedOnDate, QStringLiteral("data sporządzenia\r"));
    InsertCaptioned(word, a.cardPreparedBy, QStringLiteral("sporządził\r"));
    // A second row: the card's number, and the employees FIVE STEPS counts in R.
    word.NextCell();
    InsertCaptioned(word, a.cardNumber, QStringLiteral("kolejny numer karty oceny"));
    word.NextCell();
    InsertCaptioned(word, a.employees, QStringLiteral("liczba zatrudnionych (narażonych) na stanowisku"));
    word.NextCell();
    if (a.method != RiskMethod::None)
        InsertCaptioned(word, risk::methodNames().at(static_cast<int>(a.method)), QStringLiteral("metoda oceny ryzyka"));
    EndTable(word);
}

void workstationSection(WordBasic& word, const AssessmentSnapshot& a)
{
    static const char* const headings[] = {
        "1.1 Lokalizacja stanowiska pracy:\r",
        "1.2 Opis miejsca, pomieszczenia pracy:\r",
        "1.3 Opis procesu produkcji:\r",
        "1.4 Maszyny, materiały, surowce stosowane w procesie produkcji:\r",
        "1.5 Wymagane środki ochrony osobistej:\r",
        "1.6 Inne uwagi:\r",
    };
    word.FontSize(11);
    word.Bold();
    headingStyle(word, 1);
    word.Insert(QStringLiteral("1. Opis, charakterystyka stanowiska pracy\r"));
    word.FontSize(11);
    word.JustifyPara();
    for (size_t i = 0; i < std::size(headings); ++i) {
        word.Bold();
        headingStyle(word, 2);
        word.Insert(QString::fromUtf8(headings[i]));
        insertMemo(word, a.workstationMemos[i]);
        InsertEmptyParagraphs(word, 2);
    }
}

void hazardSection(WordBasic& word, const AssessmentSnapshot& a, const RowWritten& rowWritten)
{
    word.FontSize(11);
    word.Bold();
    headingStyle(word, 1);
    word.Insert(QStringLiteral("2. Identyfikacja zagrożeń występujących na stanowisku pracy\r"));
    word.FontSize(10);
    word.JustifyPara();
    word.Insert(QStringLiteral("Ryzyko zawodowe jest to prawdopodobieństwo wystąpienia niepożądanych zdarzeń związanych "
                               "z wykonywaną pracą powodujących straty, "));
    word.Insert(QStringLiteral("w szczególności wystąpienie u pracowników niekorzystnych skutków zdrowotnych w wyniku "
                               "zagrożeń zawodowych występujących w środowisku pracy lub sposobu wykonywania pracy.\r"));
    word.FontSize(10);
    word.JustifyPara();
    word.Insert(QStringLiteral("Zagrożeniem zawodowym nazywamy stan środowiska pracy mogący spowodować wypadek lub chorobę.\r"));
    word.FontSize(10);
    word.CenterPara();
    headedTable(word, a.hazards.size(),
                {{"1,6 cm", "L.p."}, {"5,0 cm", "Zagrożenie"}, {"5,0 cm", "Źródło zagrożenia"}, {"4,6 cm", "Możliwe skutki"}});
    dataRows(word, a.hazards, {0, 1, 2}, rowWritten);
    EndTable(word);
}

void preventionSection(WordBasic& word, const AssessmentSnapshot& a)
{
    sectionHeading(word, QStringLiteral("4. Działania zapobiegawcze ograniczające poziom zagrożenia.\r\r"));
    word.CenterPara();
    word.FontSize(10);
    headedTable(word, a.hazards.size(),
                {{"1,6 cm", "L.p."}, {"6,6 cm", "Zagrożenie"}, {"8,0 cm", "Działania zapobiegawcze"}});
    dataRows(word, a.hazards, {0, 3}, {});
    EndTable(word);
}

// The formula of a hazard row by the method, and the column of its risk text.
struct CardFormula {
    QString formula;
    int riskColumn = -1;
};

CardFormula cardFormula(RiskMethod method, const QStringList& row, const QString& factorI)
{
    const auto f = [&row](int column) { return factorText(row.value(column)); };
    switch (method) {
    case RiskMethod::PHA:
    case RiskMethod::Matrycowa:
        return {QStringLiteral("R=%1*%2\r").arg(f(4), f(5)), 6};
    case RiskMethod::RiskScore:
        return {QStringLiteral("R=%1*%2*%3\r").arg(f(4), f(5), f(6)), 7};
    case RiskMethod::FiveSteps:
        return {QStringLiteral("R=%1*%2*%3*%4\r").arg(f(4), f(5), f(6), factorI), 7};
    case RiskMethod::None:
        break;
    }
    return {};
}

void cardSection(WordBasic& word, const AssessmentSnapshot& a)
{
    sectionHeading(word, QStringLiteral("6. Karta oceny ryzyka zawodowego\r"));
    word.FontSize(10);
    InsertEmptyParagraphs(word, 2);
    word.FontSize(10);
    word.CenterPara();
    headedTable(word, a.hazards.size(),
                {{"1,4 cm", "L.p."},
                 {"3,7 cm", "Zagrożenie"},
                 {"3,8 cm", "Źródło zagrożenia"},
                 {"3,7 cm", "Możliwe skutki"},
                 {"3,6 cm", "Poziom ryzyka"}});
    // Only FIVE STEPS uses the employee count, so only FIVE STEPS needs it to be a number.
    const QString factorI = a.method == RiskMethod::FiveSteps
                                ? QString::number(risk::factorI(regional::parseInteger(a.employees)))
                                : QString();
    int number = 0;
    for (const QStringList& row : a.hazards) {
        AddDataRow(word, ++number, {row.value(0), row.value(1), row.value(2)});
        word.NextCell();
        word.LeftPara();
        const CardFormula card = cardFormula(a.method, row, factorI);
        // A row whose factors give no R (one empty or off the method's scale) shows none,
        // whatever its risk cell still holds.
        if (card.riskColumn >= 0 && risk::riskValue(a.method, row, a.employees)) {
            word.Insert(card.formula);
            word.Insert(row.value(card.riskColumn));
        }
    }
    EndTable(word);
}

void checklistSection(WordBasic& word, const AssessmentSnapshot& a, const RowWritten& rowWritten)
{
    sectionHeading(word, QStringLiteral("7. Ocena warunków bhp na stanowisku pracy\r"));
    word.FontSize(10);
    static const char* const scale[] = {
        "Oceny warunków bhp na stanowisku dokonano metodą listy kontrolnej i obliczono wskaźnik bhp RBHP ",
        "jako iloraz sumy pytań nie spełniających kryterium zadanym w pytaniu do całkowitej liczby pytań. ",
        "Tak obliczony wskaźnik bhp jest klasyfikowany do jednego z pięciu poziomów według skali:\r",
        " - Stopień przestrzegania zasad bhp bardzo duży\t\tRBHP  od 0 do 0,1\r",
        " - Stopień przestrzegania zasad bhp duży\t\t\tRBHP od 0,1 do 0,2\r",
        " - Stopień przestrzegania zasad bhp średni\t\t\tRBHP od 0,2 do 0,4\r",
        " - Stopień przestrzegania zasad bhp mały\t\t\tRBHP od 0,4 do 0,6\r",
        " - Stopień przestrzegania zasad bhp bardzo mały\t\tRBHP od 0,6 do 1\r",
    };
    for (const char* line : scale)
        word.Insert(QString::fromUtf8(line));
    word.FontSize(10);
    InsertEmptyParagraphs(word, 3);
    word.LineUp(1);
    word.FontSize(10);
    word.CenterPara();
    headedTable(word, a.checklist.size(),
                {{"1,6 cm", "L.p."},
                 {"6,1 cm", "Pytania kontrolne do oceny warunków bhp"},
                 {"6,1 cm", "Działania naprawcze"},
                 {"2,4 cm", "Odpowiedź"}});
    dataRows(word, a.checklist, {0, 1, 2}, rowWritten);
    EndTable(word);

    const ChecklistCount count = countAnswers(a.checklist);
    word.FontSize(11);
    word.CenterPara();
    if (count.questions == 0) {
        // No question, no index: a division by zero would give no number to write.
        word.Insert(QStringLiteral("Wskaźnik RBHP nie został obliczony: lista kontrolna nie zawiera pytań.\r"));
    } else if (!count.indexComputed()) {
        word.Insert(QStringLiteral("Wskaźnik RBHP nie został obliczony: brak odpowiedzi na pytania listy kontrolnej.\r"));
    } else {
        word.Insert(QStringLiteral("Wskaźnik RBHP =") + rbhpIndex(count.noAnswers, count.questions) + QLatin1Char('\r'));
        word.FontSize(10);
        word.LeftPara();
        word.Insert(rbhpLevel(count.noAnswers, count.questions));
        if (count.unanswered > 0)
            word.Insert(unansweredLine(count) + QLatin1Char('\r'));
    }
    InsertEmptyParagraphs(word, 3);
}

void signatureBlock(WordBasic& word)
{
    word.TableInsertTable(QString(), 2, 1, QString(), 0, 0);
    word.TableSelectColumn();
    word.TableColumnWidth(QStringLiteral("9,2 cm"), QStringLiteral("0,25 cm"));
    word.FontSize(10);
    word.Insert(QStringLiteral("Ocenę ryzyka zawodowego przeprowadził zespół w składzie:\r\r"));
    word.FontSize(10);
    const QString longLine = QString(94, QLatin1Char('.')) + QLatin1Char('\r');
    word.Insert(longLine);
    word.Insert(longLine);
    word.Italic();
    word.Insert(QStringLiteral("Stanowisko, imię i nazwisko, podpis"));
    word.Cancel();
    word.Cancel();
    word.NextCell();
    word.TableColumnWidth(QStringLiteral("7,0 cm"), QStringLiteral("0,25 cm"));
    word.CenterPara();
    word.Insert(QStringLiteral("Ocenę zatwierdził:\r\r"));
    word.CenterPara();
    word.Insert(QString(44, QLatin1Char('.')) + QLatin1Char('\r'));
    word.CenterPara();
    word.Italic();
    word.Insert(QStringLiteral("Stanowisko, podpis"));
    word.Cancel();
    word.Cancel();
    word.LineDown(1);
    InsertEmptyParagraphs(word, 5);
}

void acknowledgementSheet(WordBasic& word, const AssessmentSnapshot& a)
{
    titleBox(word, QStringLiteral("Potwierdzenie o zapoznaniu się pracownika z ryzykiem zawodowym"));
    AddBoxedRow(word, {QStringLiteral("8,1 cm"), QStringLiteral("8,1 cm")});
    unitCell(word, a.unit);
    // Left for handwriting.
    word.FontSize(11);
    word.CenterPara();
    word.Bold();
    word.FontSize(10);
    word.CenterPara();
    word.Italic();
    word.Insert(QStringLiteral("(komórka organizacyjna)"));
    word.NextCell();
    EndTable(word);

    word.FontSize(11);
    word.Bold();
    word.CenterPara();
    word.Insert(QStringLiteral("OŚWIADCZENIE\r"));
    word.FontSize(11);
    word.CenterPara();
    word.Insert(QStringLiteral("Oświadczam, że zostałem zapoznany z zagrożeniami i ryzykiem zawodowym związanym z "
                               "wykonywanymi czynnościami na moim stanowisku pracy. "));
    word.Insert(QStringLiteral("Przyjmuję do wiadomości zakres i rolę wdrożonych do stosowania środków zapobiegawczych. "
                               "Jestem świadom, "));
    word.Insert(QStringLiteral("że niestosowanie wdrożonych środków zapobiegawczych powoduje wzrost ryzyka zawodowego - "
                               "zwiększa prawdopodobieństwo zaistnienia wypadku czy choroby zawodowej.\r"));
    InsertEmptyParagraphs(word, 2);

    // The listed workers, then at least the three empty lines for handwriting.
    const TableRows listed = workers::listed(a.workers);
    const int rows = std::max(AcknowledgementLines, int(listed.size())) + 1;
    word.TableInsertTable(QString(), 4, rows, QString(), 0, 0);
    static const char* const columns[][2] = {
        {"5,2 cm", "Imię i nazwisko pracownika"}, {"5,0 cm", "Stanowisko pracy"}, {"2,8 cm", "Data"}, {"3,2 cm", "Podpis"}};
    for (int i = 0; i < 4; ++i) {
        if (i < 2)
            word.TableSelectColumn();
        word.TableColumnWidth(QLatin1String(columns[i][0]), QStringLiteral("0,25 cm"));
        word.Cancel();
        word.FontSize(10);
        word.CenterPara();
        word.Bold();
        word.Insert(QString::fromUtf8(columns[i][1]));
        if (i < 3)
            word.NextCell();
    }
    for (const QStringList& worker : listed)
        AddDataRow(word, worker.value(workers::Name), {worker.value(workers::Position), QString(), QString()});
    LeaveColumnAndRuleTable(word);
    EndTable(word);
}

} // namespace

QString factorText(const QString& cell)
{
    const qsizetype equals = cell.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : cell.left(equals);
}

void BuildRiskReport(WordBasic& word, const AssessmentSnapshot& assessment, const RowWritten& rowWritten)
{
    header(word, assessment);
    workstationSection(word, assessment);
    hazardSection(word, assessment, rowWritten);

    sectionHeading(word, QStringLiteral("3. Metoda oceny ryzyka zawodowego\r\r"));
    word.LeftPara();
    word.FontSize(10);
    WriteMethodSection(word, static_cast<int>(assessment.method));

    preventionSection(word, assessment);

    word.FontSize(11);
    word.LeftPara();
    word.Bold();
    headingStyle(word, 1);
    word.Insert(QStringLiteral("5. Wynik prowadzonej oceny, wnioski i uwagi\r"));
    word.FontSize(10);
    word.LeftPara();
    insertMemo(word, assessment.remarks);
    InsertEmptyParagraphs(word, 3);

    cardSection(word, assessment);
    checklistSection(word, assessment, rowWritten);
    signatureBlock(word);
    acknowledgementSheet(word, assessment);
}
