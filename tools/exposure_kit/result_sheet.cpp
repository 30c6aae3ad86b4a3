#include "result_sheet.h"

#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

QString ResultSheet::html() const
{
    return QStringLiteral("<h2>%1</h2><p>Data: %2</p>"
                          "<h3>Dane wejściowe</h3>%3"
                          "<h3>Wzór</h3><p>%4</p>"
                          "<h3>Wartości dopuszczalne</h3>%5"
                          "<h3>Wynik</h3>%6<p><b>%7</b></p>")
        .arg(title.toHtmlEscaped(), date.toString(QStringLiteral("dd.MM.yyyy")), inputs, formula, limits, result,
             verdict.toHtmlEscaped());
}

bool ResultSheet::writePdf(const QString& path) const
{
    // QPdfWriter does not tell when it cannot write: the file is tried first.
    if (QFile file(path); !file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setTitle(title);
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    document.setHtml(html());
    document.print(&writer);
    return true;
}
