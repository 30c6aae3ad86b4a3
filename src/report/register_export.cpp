#include "report/register_export.h"

#include "base/app_error.h"
#include "model/action_plan.h"
#include "model/risk_overview.h"
#include "report/sheet_file.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace {

QString failedToWrite(const QString& path)
{
    return QStringLiteral("Nie można zapisać rejestru w pliku „%1”.").arg(QDir::toNativeSeparators(path));
}

// The share of the page's width each column takes: the names and the path get room, the
// counts little.
double columnPercent(int column)
{
    switch (column) {
    case RegisterWorkstation:
        return 12;
    case RegisterPath:
        return 11;
    case RegisterUnit:
    case RegisterPreparedBy:
        return 7;
    case RegisterUnacceptable:
    case RegisterUnacceptableAfter:
        return 7;
    default:
        return column >= RegisterLevel1 && column <= RegisterLevel5 ? 3.5 : 4.5;
    }
}

void writePdf(const QList<RegisterEntry>& entries, const QString& path, QDate today)
{
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Rejestr ocen ryzyka zawodowego"));
    QTextDocument document;
    // Laid out on the page's own width (in the document's 96 units an inch), so the table
    // fills it.
    document.setPageSize(writer.pageLayout().paintRect(QPageLayout::Inch).size() * 96);
    QFont font(QStringLiteral("Arial"), 7);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    QTextCharFormat title;
    title.setFontPointSize(12);
    title.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Rejestr ocen ryzyka zawodowego"), title);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Stan na %1; ocen: %2").arg(plan::dateText(today)).arg(entries.size()),
                      QTextCharFormat());
    cursor.insertBlock();

    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setBorderCollapse(true);
    format.setBorderBrush(Qt::black);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    const int columns = RegisterColumnCount;
    QList<QTextLength> widths;
    for (int c = 0; c < columns; ++c)
        widths.append(QTextLength(QTextLength::PercentageLength, columnPercent(c)));
    format.setColumnWidthConstraints(widths);
    QTextTable* table = cursor.insertTable(int(entries.size()) + 1, columns, format);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int c = 0; c < columns; ++c)
        table->cellAt(0, c).firstCursorPosition().insertText(registerCaptions()[c], bold);
    for (int r = 0; r < entries.size(); ++r) {
        const RegisterEntry& entry = entries[r];
        for (int c = 0; c < columns; ++c) {
            QTextTableCell cell = table->cellAt(r + 1, c);
            if (entry.failure.isEmpty() && c >= RegisterLevel1 && c <= RegisterLevel5
                && entry.levels[c - RegisterLevel1] > 0) {
                QTextCharFormat shaded = cell.format();
                shaded.setBackground(QColor::fromRgb(riskLevelRgb(c - RegisterLevel1 + 1)));
                cell.setFormat(shaded);
            }
            cell.firstCursorPosition().insertText(registerText(entry, c));
        }
    }

    document.print(&writer);
}

SheetTable registerSheet(const QList<RegisterEntry>& entries)
{
    SheetTable sheet;
    sheet.name = QStringLiteral("Rejestr ocen ryzyka");
    sheet.header = registerCaptions();
    for (const RegisterEntry& entry : entries) {
        QStringList row;
        for (int column = 0; column < RegisterColumnCount; ++column)
            row.append(registerText(entry, column));
        sheet.rows.append(row);
    }
    sheet.dateColumns = {RegisterReview};
    for (int column = RegisterLevel1; column <= RegisterOverdue; ++column)
        sheet.countColumns.append(column);
    sheet.countColumns.append(RegisterWorkersToInform);
    // A review whose date has passed.
    const QString review = QLatin1Char('$') + sheetColumn(RegisterReview) + QLatin1Char('2');
    sheet.warningFormula = QStringLiteral("AND(%1<>\"\",%1<TODAY())").arg(review);
    return sheet;
}

} // namespace

void writeRegister(const QList<RegisterEntry>& entries, const QString& path, QDate today)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf")) {
        writePdf(entries, path, today);
        if (!QFileInfo(path).isFile())
            throw AppError(failedToWrite(path));
    } else if (isSheetFileName(path)) {
        writeSheetFile(registerSheet(entries), path);
    } else {
        throw AppError(QStringLiteral("Rejestr można zapisać w pliku .xlsx, .csv albo .pdf."));
    }
}
