#include "report/sheet_file.h"

#include "base/app_error.h"
#include "model/action_plan.h"
#include "report/xlsx_library.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

// A CSV field, quoted when it holds the separator, a quote or a line break.
QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

AppError cannotWrite(const QString& fileName, const QString& cause)
{
    return AppError(QStringLiteral("Nie można zapisać arkusza „%1”: %2.").arg(QDir::toNativeSeparators(fileName), cause));
}

void writeCsv(const SheetTable& sheet, const QString& fileName)
{
    QString text;
    const auto line = [&text](const QStringList& cells) {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i > 0)
                text += QLatin1Char(';');
            text += csvField(cells[i]);
        }
        text += QLatin1String("\r\n");
    };
    line(sheet.header);
    for (const QStringList& row : sheet.rows)
        line(row);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write("\xEF\xBB\xBF") != 3 || file.write(text.toUtf8()) < 0
        || !file.commit())
        throw cannotWrite(fileName, QStringLiteral("nie udało się zapisać pliku (brak folderu, miejsca lub uprawnień)"));
}

// Excel's column widths are in characters of its default font; a little room for the
// filter button of the header.
double columnWidth(qsizetype longest)
{
    return static_cast<double>(std::clamp<qsizetype>(longest + 3, 8, 60));
}

struct WorkbookDeleter {
    void operator()(lxw_workbook* workbook) const
    {
        // Closing writes the file; a workbook given up is closed into the temporary file.
        if (workbook)
            xlsxLibrary().workbook_close(workbook);
    }
};

// Writes the workbook to `path`; returns libxlsxwriter's error.
lxw_error writeXlsxTo(const SheetTable& sheet, const QString& path)
{
    const XlsxLibrary& x = xlsxLibrary();
    std::unique_ptr<lxw_workbook, WorkbookDeleter> book(x.workbook_new(QFile::encodeName(path).constData()));
    if (!book)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    lxw_worksheet* ws = x.workbook_add_worksheet(book.get(), sheet.name.toUtf8().constData());
    lxw_format* bold = x.workbook_add_format(book.get());
    x.format_set_bold(bold);
    lxw_format* date = x.workbook_add_format(book.get());
    x.format_set_num_format(date, "dd.mm.yyyy");
    lxw_format* money = x.workbook_add_format(book.get());
    x.format_set_num_format(money, "#,##0.00");
    lxw_format* overdue = x.workbook_add_format(book.get());
    x.format_set_bg_color(overdue, 0xFFC7CE);
    x.format_set_font_color(overdue, 0x9C0006);

    const auto columns = static_cast<lxw_col_t>(sheet.header.size());
    std::vector<qsizetype> longest(columns, 0);
    const auto text = [&](lxw_row_t row, lxw_col_t column, const QString& value, lxw_format* format) {
        longest[column] = qMax(longest[column], value.size());
        x.worksheet_write_string(ws, row, column, value.toUtf8().constData(), format);
    };
    for (lxw_col_t column = 0; column < columns; ++column)
        text(0, column, sheet.header[column], bold);
    lxw_row_t row = 1;
    for (const QStringList& cells : sheet.rows) {
        for (lxw_col_t column = 0; column < columns; ++column) {
            const QString& value = cells[column];
            if (value.isEmpty())
                continue;
            if (sheet.dateColumns.contains(int(column))) {
                if (const QDate day = plan::parseDate(value); day.isValid()) {
                    lxw_datetime when{day.year(), day.month(), day.day(), 0, 0, 0};
                    x.worksheet_write_datetime(ws, row, column, &when, date);
                    longest[column] = qMax<qsizetype>(longest[column], 10);
                    continue;
                }
            } else if (sheet.amountColumns.contains(int(column))) {
                if (const std::optional<double> amount = plan::parseCost(value)) {
                    x.worksheet_write_number(ws, row, column, *amount, money);
                    longest[column] = qMax(longest[column], value.size() + 2);
                    continue;
                }
            } else if (bool whole = false; sheet.countColumns.contains(int(column))) {
                if (const int count = value.toInt(&whole); whole) {
                    x.worksheet_write_number(ws, row, column, count, nullptr);
                    longest[column] = qMax(longest[column], value.size());
                    continue;
                }
            }
            text(row, column, value, nullptr);
        }
        ++row;
    }
    const lxw_row_t last = row - 1;
    x.worksheet_freeze_panes(ws, 1, 0);
    x.worksheet_autofilter(ws, 0, 0, last, columns - 1);
    for (lxw_col_t column = 0; column < columns; ++column)
        x.worksheet_set_column(ws, column, column, columnWidth(longest[column]), nullptr);
    if (last >= 1 && !sheet.warningFormula.isEmpty()) {
        // The formula of the first data row; Excel moves its relative row down the range.
        const QByteArray formula = (QLatin1Char('=') + sheet.warningFormula).toUtf8();
        lxw_conditional_format rule{};
        rule.type = LXW_CONDITIONAL_TYPE_FORMULA;
        rule.value_string = const_cast<char*>(formula.constData());
        rule.format = overdue;
        x.worksheet_conditional_format_range(ws, 1, 0, last, columns - 1, &rule);
    }
    return x.workbook_close(book.release());
}

void writeXlsx(const SheetTable& sheet, const QString& fileName)
{
    // Written beside the file and moved over it once complete, so a failure leaves an
    // existing file as it was.
    const QFileInfo target(fileName);
    QTemporaryFile temporary(target.dir().filePath(QStringLiteral(".arkusz-XXXXXX.xlsx")));
    if (!temporary.open())
        throw cannotWrite(fileName, QStringLiteral("nie udało się utworzyć pliku (brak folderu, miejsca lub uprawnień)"));
    temporary.close();
    const lxw_error error = writeXlsxTo(sheet, temporary.fileName());
    if (error == LXW_ERROR_CREATING_XLSX_FILE || error == LXW_ERROR_CREATING_TMPFILE)
        throw cannotWrite(fileName, QStringLiteral("nie udało się utworzyć pliku (brak folderu, miejsca lub uprawnień)"));
    if (error != LXW_NO_ERROR)
        throw cannotWrite(fileName, QStringLiteral("błąd zapisu arkusza (%1)").arg(QString::fromUtf8(xlsxLibrary().lxw_strerror(error))));
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                             | QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(fileName).constData()) != 0)
        throw cannotWrite(fileName, QStringLiteral("nie udało się zastąpić pliku"));
}

} // namespace

QString sheetColumn(int column)
{
    return QString(QLatin1Char(static_cast<char>('A' + column)));
}

bool isSheetFileName(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix.compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0
           || suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

void writeSheetFile(const SheetTable& table, const QString& fileName)
{
    if (!isSheetFileName(fileName))
        throw cannotWrite(fileName, QStringLiteral("nieznany rodzaj arkusza, wybierz .xlsx albo .csv"));
    if (QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        writeCsv(table, fileName);
    else
        writeXlsx(table, fileName);
}
