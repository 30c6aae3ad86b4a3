#include "report/command_recorder.h"

CommandRecorder::Argument::Argument(const QString& quoted)
{
    text.reserve(quoted.size() + 2);
    text += QLatin1Char('"');
    for (QChar c : quoted) {
        switch (c.unicode()) {
        case '\r':
            text += QLatin1String("\\r");
            break;
        case '\t':
            text += QLatin1String("\\t");
            break;
        case '\\':
        case '"':
            text += QLatin1Char('\\');
            text += c;
            break;
        default:
            text += c;
        }
    }
    text += QLatin1Char('"');
}

void CommandRecorder::record(const char* name, std::initializer_list<Argument> arguments)
{
    QString line = QLatin1String(name);
    const char* separator = " ";
    for (const Argument& argument : arguments) {
        line += QLatin1String(separator) + argument.text;
        separator = ", ";
    }
    commands.append(line);
}

void CommandRecorder::AppShow() { record("AppShow"); }
void CommandRecorder::FileNew(const QString& templateName) { record("FileNew", {templateName}); }
void CommandRecorder::FileSaveAs(const QString& fileName) { record("FileSaveAs", {fileName}); }
void CommandRecorder::Insert(const QString& text) { record("Insert", {text}); }
void CommandRecorder::InsertPara() { record("InsertPara"); }
void CommandRecorder::InsertBreak(int type) { record("InsertBreak", {type}); }
void CommandRecorder::CenterPara() { record("CenterPara"); }
void CommandRecorder::LeftPara() { record("LeftPara"); }
void CommandRecorder::JustifyPara() { record("JustifyPara"); }
void CommandRecorder::FontSize(int points) { record("FontSize", {points}); }
void CommandRecorder::Bold() { record("Bold"); }
void CommandRecorder::Italic() { record("Italic"); }
void CommandRecorder::Style(const QString& name) { record("Style", {name}); }
void CommandRecorder::TableHeadings(int on) { record("TableHeadings", {on}); }

void CommandRecorder::TableInsertTable(const QString& convertFrom, int columns, int rows, const QString& columnWidth,
                                       int format, int apply)
{
    record("TableInsertTable", {convertFrom, columns, rows, columnWidth, format, apply});
}

void CommandRecorder::TableSelectColumn() { record("TableSelectColumn"); }

void CommandRecorder::TableColumnWidth(const QString& width, const QString& spaceBetweenColumns)
{
    record("TableColumnWidth", {width, spaceBetweenColumns});
}

void CommandRecorder::TableSelectTable() { record("TableSelectTable"); }

void CommandRecorder::FormatBordersAndShading(const BordersAndShading& borders)
{
    QStringList arguments;
    for (int value : borders.lines)
        arguments << Argument(value).text;
    arguments << Argument(borders.distance).text;
    for (int value : borders.shading)
        arguments << Argument(value).text;
    arguments << Argument(borders.pattern).text << Argument(borders.foreground).text;
    if (borders.fill.isValid())
        arguments << Argument(borders.fill.name()).text;
    commands.append(QStringLiteral("FormatBordersAndShading ") + arguments.join(QLatin1String(", ")));
}

void CommandRecorder::Cancel() { record("Cancel"); }
void CommandRecorder::NextCell() { record("NextCell"); }
void CommandRecorder::LineDown(int count) { record("LineDown", {count}); }
void CommandRecorder::LineUp(int count) { record("LineUp", {count}); }
