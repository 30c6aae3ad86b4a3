#include "report/checklist_report.h"

#include "model/document_snapshot.h"
#include "report/word_basic.h"

namespace {

// A centred bold heading in 12 pt, two empty paragraphs, and a centred 11 pt start for the
// table that follows.
void heading(WordBasic& word, const QString& text)
{
    word.CenterPara();
    word.FontSize(12);
    word.Bold();
    word.Style(QStringLiteral("Nagłówek 1"));
    word.Insert(text);
    word.JustifyPara();
    word.FontSize(11);
    InsertEmptyParagraphs(word, 2);
    word.FontSize(11);
    word.CenterPara();
}

// The insertion point is in the table's last row, or in its header row over the one empty
// row of a table without data; it goes below the table either way, so what follows is not
// written into the empty row.
void endTable(WordBasic& word, qsizetype rows)
{
    word.JustifyPara();
    word.LineDown(1);
    if (rows == 0)
        word.LineDown(1);
    InsertEmptyParagraphs(word, 2);
}

// The assessment's card over its checklist: the workstation, the unit and the date.
void cardHeader(WordBasic& word, const AssessmentSnapshot& card)
{
    AddBoxedRow(word, {QStringLiteral("7,2 cm"), QStringLiteral("5,0 cm"), QStringLiteral("4,0 cm")});
    InsertCaptioned(word, card.cardWorkstation, QStringLiteral("stanowisko pracy"));
    word.NextCell();
    InsertCaptioned(word, card.unit, QStringLiteral("jednostka organizacyjna"));
    word.NextCell();
    InsertCaptioned(word, card.preparedOnDate, QStringLiteral("data sporządzenia"));
    word.LineDown(1);
    InsertEmptyParagraphs(word, 2);
}

} // namespace

void BuildChecklistReport(WordBasic& word, const AssessmentSnapshot& document, ChecklistVariant variant,
                          const RowWritten& rowWritten)
{
    if (variant == ChecklistVariant::Assessment)
        cardHeader(word, document);
    heading(word, QStringLiteral("LISTA KONTROLNA\r"));
    word.TableInsertTable(QString(), 4, 2, QString(), 0, 0);
    AddHeaderColumn(word, QStringLiteral("1,8 cm"), QStringLiteral("L.p."), false);
    AddHeaderColumn(word, QStringLiteral("6,2 cm"), QStringLiteral("Pytania kontrolne do oceny warunków bhp"), false);
    AddHeaderColumn(word, variant == ChecklistVariant::Project ? QStringLiteral("6,2 cm") : QStringLiteral("6,5 cm"),
                    QStringLiteral("Działania naprawcze"), false);
    AddHeaderColumn(word, QStringLiteral("2,0 cm"), QStringLiteral("TAK/NIE"), true);
    RuleTable(word, 4);
    int number = 0;
    for (const QStringList& row : document.checklist) {
        AddDataRow(word, ++number, {row.value(0), row.value(1)});
        word.NextCell();
        if (variant == ChecklistVariant::Assessment)
            word.Insert(row.value(2));
        if (rowWritten)
            rowWritten();
    }
    endTable(word, document.checklist.size());

    heading(word, QStringLiteral("ZAGROŻENIA ZAWODOWE\r"));
    word.TableInsertTable(QString(), 4, 2, QString(), 0, 0);
    AddHeaderColumn(word, QStringLiteral("1,6 cm"), QStringLiteral("L.p."), false);
    AddHeaderColumn(word, QStringLiteral("4,9 cm"), QStringLiteral("Zagrożenia zawodowe"), false);
    AddHeaderColumn(word, QStringLiteral("4,9 cm"), QStringLiteral("Źródło zagrożenia"), false);
    AddHeaderColumn(word, QStringLiteral("4,9 cm"), QStringLiteral("Możliwe skutki"), true);
    RuleTable(word, 4);
    number = 0;
    for (const QStringList& row : document.hazards) {
        AddDataRow(word, ++number, {row.value(0), row.value(1), row.value(2)});
        if (rowWritten)
            rowWritten();
    }
    endTable(word, document.hazards.size());
}
