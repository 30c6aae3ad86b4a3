#include "report/report_tables.h"

#include "report/word_basic.h"

void AddHeaderColumn(WordBasic& word, const QString& width, const QString& caption, bool last)
{
    word.TableSelectColumn();
    word.TableColumnWidth(width, QStringLiteral("0,25 cm"));
    word.Cancel();
    word.Cancel();
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
