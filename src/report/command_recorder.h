#pragma once
// CommandRecorder: a WordBasic that keeps every command it is sent as one line of text, so
// a test can compare a builder's whole command sequence with the one expected. A line is the
// command's name, then its arguments separated by ", ": numbers in decimal, texts in double
// quotes with a carriage return written \r, a tab \t, a backslash \\ and a quote \".
//   Insert "LISTA KONTROLNA\r"      TableInsertTable "", 4, 2, "", 0, 0      NextCell

#include "report/word_basic.h"

#include <QStringList>

class CommandRecorder : public WordBasic {
public:
    QStringList commands;

    void AppShow() override;
    void FileNew(const QString& templateName) override;
    void FileSaveAs(const QString& fileName) override;
    void Insert(const QString& text) override;
    void InsertPara() override;
    void InsertBreak(int type) override;
    void CenterPara() override;
    void LeftPara() override;
    void JustifyPara() override;
    void FontSize(int points) override;
    void Bold() override;
    void Italic() override;
    void Style(const QString& name) override;
    void TableInsertTable(const QString& convertFrom, int columns, int rows, const QString& columnWidth, int format,
                          int apply) override;
    void TableSelectColumn() override;
    void TableColumnWidth(const QString& width, const QString& spaceBetweenColumns) override;
    void TableSelectTable() override;
    void FormatBordersAndShading(const BordersAndShading& borders) override;
    void TableHeadings(int on) override;
    void Cancel() override;
    void NextCell() override;
    void LineDown(int count) override;
    void LineUp(int count) override;

private:
    // One argument as written in a line.
    struct Argument {
        Argument(int number) : text(QString::number(number)) {}
        Argument(const QString& quoted);
        QString text;
    };
    void record(const char* name, std::initializer_list<Argument> arguments = {});
};
