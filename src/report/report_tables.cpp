#include "report/report_tables.h"

#include "report/word_basic.h"

void SetColumnWidth(WordBasic& word, const QString& width)
{
    word.TableSelectColumn();
    word.TableColumnWidth(width, QStringLiteral("0,25 cm"));
    word.Cancel();
    word.Cancel();
}

void AddHeaderColumn(WordBasic& word, const QString& width, const QString& caption, bool last)
{
    SetColumnWidth(word, width);
    word.Insert(caption);
    if (!last)
        word.NextCell();
}

void RuleTable(WordBasic& word, int columns)
{
    word.TableSelectTable();
    word.FormatBordersAndShading(RuledTableBorders);
    word.Cancel();
    word.Cancel();
    for (int i = 0; i < columns; ++i)
        word.NextCell();
    word.TableHeadings(1);
}

void AddDataRow(WordBasic& word, int number, const QStringList& texts)
{
    AddDataRow(word, QString::number(number), texts);
}

void AddDataRow(WordBasic& word, const QString& first, const QStringList& texts)
{
    word.NextCell();
    word.Insert(first);
    for (const QString& text : texts) {
        word.NextCell();
        word.LeftPara();
        word.Insert(text);
    }
}

void InsertEmptyParagraphs(WordBasic& word, int count)
{
    for (int i = 0; i < count; ++i)
        word.InsertPara();
}

void LeaveColumnAndRuleTable(WordBasic& word)
{
    word.Cancel();
    word.Cancel();
    word.TableSelectTable();
    word.FormatBordersAndShading(RuledTableBorders);
    word.Cancel();
    word.Cancel();
}

void AddBoxedRow(WordBasic& word, const QStringList& widths)
{
    word.TableInsertTable(QString(), static_cast<int>(widths.size()), 1, QString(), 0, 0);
    word.TableSelectColumn();
    for (qsizetype i = 0; i < widths.size(); ++i) {
        if (i > 0)
            word.NextCell();
        word.TableColumnWidth(widths[i], QStringLiteral("0,25 cm"));
    }
    LeaveColumnAndRuleTable(word);
}

void InsertCaptioned(WordBasic& word, const QString& value, const QString& caption)
{
    word.FontSize(11);
    word.CenterPara();
    word.Insert(value + QLatin1Char('\r'));
    word.FontSize(10);
    word.CenterPara();
    word.Italic();
    word.Insert(caption);
}

void EndTable(WordBasic& word)
{
    word.LineDown(1);
    InsertEmptyParagraphs(word, 2);
}

void StartAppendix(WordBasic& word, const QString& title)
{
    word.InsertBreak(0);
    word.FontSize(12);
    word.Bold();
    word.CenterPara();
    word.Style(QStringLiteral("Nagłówek 1"));
    word.Insert(title + QLatin1Char('\r'));
    word.FontSize(10);
}

void AppendixHeading(WordBasic& word, int number, const QString& text)
{
    word.FontSize(11);
    word.Bold();
    word.LeftPara();
    word.Style(QStringLiteral("Nagłówek 2"));
    word.Insert(QStringLiteral("%1. %2\r").arg(number).arg(text));
    word.FontSize(10);
    word.CenterPara();
}
